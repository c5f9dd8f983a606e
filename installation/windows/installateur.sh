#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the installer of the portable folder with NSIS:
#
#   installateur.sh FOLDER VERSION ICON OUTPUT
#
# The installer's File commands and the uninstaller's Delete and RMDir
# commands are both written from the folder, so that the uninstaller
# removes exactly what was installed.
set -euo pipefail
ici="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
dossier="$1" version="$2" icone="$3" sortie="$4"
listes="$(mktemp -d)"
trap 'rm -rf "$listes"' EXIT

windows() { printf '%s' "$1" | tr / '\\'; }
{
  while IFS= read -r sous; do
    cible='$INSTDIR'
    [ "$sous" = . ] || cible="\$INSTDIR\\$(windows "${sous#./}")"
    printf 'SetOutPath "%s"\n' "$cible"
    find "$dossier/$sous" -mindepth 1 -maxdepth 1 -type f | sort | while IFS= read -r f; do
      printf 'File "%s"\n' "$f"
    done
  done < <(cd "$dossier" && find . -type d | sort)
} > "$listes/fichiers.nsh"
{
  ( cd "$dossier" && find . -type f | sort ) | while IFS= read -r f; do
    printf 'Delete "$INSTDIR\\%s"\n' "$(windows "${f#./}")"
  done
  # The folders, the deepest first; the install folder itself last, by the
  # uninstaller, once its own file is gone.
  ( cd "$dossier" && find . -mindepth 1 -type d | sort -r ) | while IFS= read -r d; do
    printf 'RMDir "$INSTDIR\\%s"\n' "$(windows "${d#./}")"
  done
} > "$listes/desinstallation.nsh"
# The size the uninstall entry shows, in KiB: the files' own bytes, which
# are the same on any file system (a folder's size is not).
taille=$(( ($(find "$dossier" -type f -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }') + 1023) / 1024 ))

# The welcome page's picture, which the installer carries with its date:
# the release's, as every file of the folder has.
bandeau="$listes/bienvenue.bmp"
cp -p "$ici/../../artwork/installateur/bienvenue.bmp" "$bandeau"
[ -z "${SOURCE_DATE_EPOCH:-}" ] || touch -d "@$SOURCE_DATE_EPOCH" "$bandeau"

makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$version" -DDOSSIER="$dossier" -DICONE="$icone" -DTAILLE="$taille" \
  -DFICHIERS="$listes/fichiers.nsh" -DDESINSTALLATION="$listes/desinstallation.nsh" \
  -DBANDEAU="$bandeau" \
  -DSORTIE="$sortie" "$ici/installateur.nsi"
