#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a Windows program of the build under Wine, for CTest: its standard
# output and error come back with Unix line ends, its exit status unchanged.
# The Wine prefix and the display are the caller's (scripts/windows.sh).
#
# Wine keeps the QT_* variables of the Unix environment from Windows
# programs, and the tests set theirs there (QT_QPA_PLATFORM=offscreen,
# QT_SCALE_FACTOR): a batch file of cmd sets them for the program. The
# output of a Qt Test program reaches its standard output only through a
# file (-o FILE,txt) under Wine: the wrapper hands it on.
set -euo pipefail
export WINEDEBUG="${WINEDEBUG:--all}"
# Offscreen, Qt reads its fonts from one folder: DejaVu, as on Linux.
export QT_QPA_FONTDIR="${QT_QPA_FONTDIR:-/usr/share/fonts/truetype/dejavu}"

lot="$(mktemp --suffix=.cmd)"
journal="$(mktemp --suffix=.txt)"
trap 'rm -f "$lot" "$journal"' EXIT
programme="$1"
shift
arguments=("$@")
qtest=0
if grep -q -a -m 1 "Start testing of" "$programme"; then
  qtest=1
  arguments+=(-o "$(winepath -w "$journal"),txt")
fi
# In a batch file, % is written %%; the values and arguments are quoted.
echappe() { printf '%s' "$1" | sed 's/%/%%/g'; }
{
  printf '@echo off\r\n'
  while IFS='=' read -r nom valeur; do
    case "$nom" in
      QT_QPA_FONTDIR) valeur="$(winepath -w "$valeur")" ;;
    esac
    printf 'set "%s=%s"\r\n' "$nom" "$(echappe "$valeur")"
  done < <(env | grep '^QT_')
  printf '"%s"' "$(winepath -w "$programme")"
  for argument in "${arguments[@]}"; do
    printf ' "%s"' "$(echappe "$argument")"
  done
  printf '\r\nexit /b %%ERRORLEVEL%%\r\n'
} > "$lot"
statut=0
wine cmd /c "$(winepath -w "$lot")" 2> >(tr -d '\r' >&2) | tr -d '\r' || statut=$?
if [ "$qtest" = 1 ]; then
  tr -d '\r' < "$journal"
fi
exit "$statut"
