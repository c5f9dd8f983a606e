#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The installer in a fresh Wine prefix: a silent install into a folder whose
# name holds a space and an accent; the Start-menu shortcut's target and
# working folder; the game started from that shortcut shows its pictures;
# the entry of « Applications et fonctionnalités »; an install over the same
# version; a silent uninstall that leaves the prefix's files and the
# registry's uninstall keys as they were before the install.
#
#   installateur.sh INSTALLER
set -euo pipefail
ici="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$ici/wine_commun.sh"
installateur="$(realpath "$1")"
version="$(basename "$installateur" | sed -n 's/^quartelo4-\(.*\)-installation-x64\.exe$/\1/p')"
export WINEPREFIX="$(mktemp -d)"
export LANG=C.UTF-8
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wineboot -i >/dev/null 2>&1
wineserver -w

dossier_windows='C:\Jeux\Quartelo à 4'
dossier="$WINEPREFIX/drive_c/Jeux/Quartelo à 4"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quartelo 4.lnk"
bureau="$WINEPREFIX/drive_c/users/Public/Desktop/Quartelo 4.lnk"
cle='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quartelo 4'

etat() {
  ( cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path './users/*/Temp' -prune \
      -o -path './users/*/AppData/Local/Temp' -prune -o -print | sort )
  registre 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' | sort
}
# reg writes in the console's code page (437 for LANG=C.UTF-8).
registre() { wine reg query "$@" /reg:64 2>/dev/null | tr -d '\r' | iconv -f CP437 -t UTF-8; }
# NSIS takes the folder after /D= as it stands, unquoted: cmd passes the
# line on as it is written.
installer() {
  wine cmd /c "$(winepath -w "$installateur") /S /D=$dossier_windows"
  wineserver -w
}
# The folder of games the player keeps the game in is theirs: it stays.
mkdir -p "$WINEPREFIX/drive_c/Jeux"
avant="$(etat)"

installer
[ -f "$dossier/quartelo4.exe" ] && [ -f "$dossier/images/emplacement_pour_pion.bmp" ] \
  && [ -f "$dossier/desinstaller.exe" ] || echec "les fichiers ne sont pas dans « $dossier »"
cmp -s "$dossier/LISEZMOI.txt" "$(dirname "$installateur")/../dossier/Quartelo 4/LISEZMOI.txt" \
  || echec "LISEZMOI.txt installé diffère du dossier"
[ -f "$menu" ] && [ -f "$bureau" ] || echec "raccourcis absents"
{ read -r cible; read -r travail; } < <(/usr/bin/python3 "$ici/raccourci.py" "$menu")
[ "$cible" = "$dossier_windows\\quartelo4.exe" ] || echec "le raccourci mène à « $cible »"
[ "$travail" = "$dossier_windows" ] || echec "le raccourci démarre dans « $travail »"

entree="$(registre "$cle")"
for valeur in "DisplayName    REG_SZ    Quartelo 4" "Publisher    REG_SZ    Quartelo 4 contributors" \
    "DisplayIcon    REG_SZ    $dossier_windows\\quartelo4.exe,0" \
    "UninstallString    REG_SZ    \"$dossier_windows\\desinstaller.exe\"" \
    "InstallLocation    REG_SZ    $dossier_windows" "DisplayVersion    REG_SZ    $version" "EstimatedSize    REG_DWORD    0x"; do
  grep -qF "$valeur" <<<"$entree" || echec "le registre n'a pas « $valeur » : $entree"
done

# Started from its shortcut, the game finds its pictures in its folder.
wine start /unix "$menu"
debut="$(fenetre "Quartelo 4" 250 210)"
cliquer "$debut" 65 181
jeu="$(fenetre "Quartelo 4" 880 720)"
montre "$jeu" 10 585 90 "$dossier/images/emplacement_pour_pion.bmp" \
  || echec "le jeu lancé par son raccourci ne montre pas ses images"
xdotool key Escape
wineserver -w

# Installed again over itself, then removed.
installer
[ -f "$dossier/quartelo4.exe" ] && [ -f "$menu" ] || echec "la réinstallation a perdu des fichiers"
[ "$(registre "$cle")" = "$entree" ] || echec "la réinstallation a changé le registre"
wine "$dossier_windows\\desinstaller.exe" /S
wineserver -w
for _ in $(seq 100); do [ -e "$dossier" ] || break; sleep 0.1; done
apres="$(etat)"
[ "$avant" = "$apres" ] || echec "la désinstallation laisse : $(diff <(echo "$avant") <(echo "$apres"))"
echo "installateur : installé, raccourcis, registre, jeu lancé avec ses images, réinstallé, désinstallé sans reste"
