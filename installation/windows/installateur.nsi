; SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
; SPDX-License-Identifier: GPL-3.0-or-later
;
; The installer of Quartelo 4 for Windows (NSIS), in French. scripts/windows.sh
; runs makensis with:
;   VERSION       the version, x.y.z
;   DOSSIER       the portable folder to install (quartelo4.exe, images/, ...)
;   FICHIERS      its File commands, DESINSTALLATION the matching Delete and
;                 RMDir commands: the uninstaller removes what was installed
;                 and nothing else
;   ICONE         the program's icon
;   TAILLE        the installed size in KiB
;   SORTIE        the installer to write
;
; For all users, into Program Files\Quartelo 4 (the folder can be changed);
; silent with /S, and /D=folder. An earlier installation is removed first by
; its own uninstaller.

; A 64-bit installer, for a 64-bit game: Windows itself refuses it elsewhere.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define NOM "Quartelo 4"
!define EDITEUR "Quartelo 4 contributors"
!define CLE "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quartelo 4"
!define DESINSTALLATEUR "desinstaller.exe"

Name "${NOM}"
OutFile "${SORTIE}"
InstallDir "$PROGRAMFILES64\${NOM}"
RequestExecutionLevel admin
BrandingText "${NOM} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductName" "${NOM}"
VIAddVersionKey /LANG=1036 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de ${NOM}"
VIAddVersionKey /LANG=1036 "CompanyName" "${EDITEUR}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "© 2026 ${EDITEUR}, GPL-3.0-or-later"

!define MUI_ICON "${ICONE}"
!define MUI_UNICON "${ICONE}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Lancer ${NOM}"
!define MUI_FINISHPAGE_RUN_FUNCTION Lancer
; The game's own picture beside the welcome and finish pages (artwork/).
!define MUI_WELCOMEFINISHPAGE_BITMAP "${BANDEAU}"

!insertmacro MUI_PAGE_WELCOME
; The GPL grants rights and asks for no acceptance: the page informs, and
; its button moves on like the others.
!define MUI_PAGE_HEADER_TEXT "Licence"
!define MUI_PAGE_HEADER_SUBTEXT "${NOM} est un logiciel libre, sous la licence publique générale GNU."
!define MUI_LICENSEPAGE_TEXT_TOP "Cette licence vous donne le droit d'utiliser, d'étudier, de modifier et de redistribuer ${NOM}."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Vous n'avez pas à accepter cette licence pour installer ou utiliser ${NOM}. Elle fixe les conditions auxquelles vous pouvez le modifier et le redistribuer."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${DOSSIER}\licences\GPL-3.0-or-later.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

; The game reads its pictures from its working folder.
Function Lancer
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\quartelo4.exe"'
FunctionEnd

Section "${NOM}" SectionJeu
  SectionIn RO
  ; An earlier installation, of this version or another, wherever it is:
  ; its own uninstaller removes its files, shortcuts and registry key.
  ReadRegStr $0 HKLM "${CLE}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\${DESINSTALLATEUR}"
    ExecWait '"$0\${DESINSTALLATEUR}" /S _?=$0'
    Delete "$0\${DESINSTALLATEUR}"
    RMDir "$0"
  ${EndIf}

  !include "${FICHIERS}"
  WriteUninstaller "$INSTDIR\${DESINSTALLATEUR}"

  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${NOM}.lnk" "$INSTDIR\quartelo4.exe" "" "$INSTDIR\quartelo4.exe" 0

  WriteRegStr HKLM "${CLE}" "DisplayName" "${NOM}"
  WriteRegStr HKLM "${CLE}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${CLE}" "Publisher" "${EDITEUR}"
  WriteRegStr HKLM "${CLE}" "DisplayIcon" "$INSTDIR\quartelo4.exe,0"
  WriteRegStr HKLM "${CLE}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${CLE}" "UninstallString" '"$INSTDIR\${DESINSTALLATEUR}"'
  WriteRegStr HKLM "${CLE}" "QuietUninstallString" '"$INSTDIR\${DESINSTALLATEUR}" /S'
  WriteRegDWORD HKLM "${CLE}" "EstimatedSize" ${TAILLE}
  WriteRegDWORD HKLM "${CLE}" "NoModify" 1
  WriteRegDWORD HKLM "${CLE}" "NoRepair" 1
SectionEnd

Section "Raccourci sur le Bureau" SectionBureau
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\${NOM}.lnk" "$INSTDIR\quartelo4.exe" "" "$INSTDIR\quartelo4.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionJeu} "Le jeu, ses images et ses licences, et son raccourci dans le menu Démarrer."
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionBureau} "Un raccourci vers le jeu sur le Bureau."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
  !include "${DESINSTALLATION}"
  Delete "$INSTDIR\${DESINSTALLATEUR}"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${NOM}.lnk"
  Delete "$DESKTOP\${NOM}.lnk"
  DeleteRegKey HKLM "${CLE}"
SectionEnd
