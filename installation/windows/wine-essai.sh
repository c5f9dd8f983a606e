#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a Windows program of the build under Wine, for CTest: its standard
# output and error come back with Unix line ends once it has ended, its exit
# status unchanged.
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

# A Unix path as Wine's drive Z: shows it (without starting a Wine program,
# as winepath would).
chemin_windows() {
  local chemin
  chemin="$(realpath -m "$1")"
  printf 'Z:%s' "${chemin//\//\\}"
}

lot="$(mktemp --suffix=.cmd)"
journal="$(mktemp --suffix=.txt)"
trap 'rm -f "$lot" "$journal"' EXIT
programme="$1"
shift
arguments=("$@")
qtest=0
if grep -q -a -m 1 "Start testing of" "$programme"; then
  qtest=1
  arguments+=(-o "$(chemin_windows "$journal"),txt")
fi
# In a batch file, % is written %%; the values and arguments are quoted.
echappe() { printf '%s' "$1" | sed 's/%/%%/g'; }
{
  printf '@echo off\r\n'
  while IFS='=' read -r nom valeur; do
    case "$nom" in
      QT_QPA_FONTDIR) valeur="$(chemin_windows "$valeur")" ;;
    esac
    printf 'set "%s=%s"\r\n' "$nom" "$(echappe "$valeur")"
  done < <(env | grep '^QT_')
  printf '"%s"' "$(chemin_windows "$programme")"
  for argument in "${arguments[@]}"; do
    printf ' "%s"' "$(echappe "$argument")"
  done
  printf '\r\nexit /b %%ERRORLEVEL%%\r\n'
} > "$lot"
# The output goes through files, read once the program has ended: Wine's
# own helper processes, started by the first program of a prefix, inherit
# its output and may keep a pipe open for minutes after it.
sortie="$(mktemp)" erreurs="$(mktemp)" entree="$(mktemp)"
trap 'rm -f "$lot" "$journal" "$sortie" "$erreurs" "$entree"' EXIT
# A file given as standard input is copied, to be read again from its start.
relire_entree=0
if [ -f /dev/stdin ]; then
  cat >"$entree"
  relire_entree=1
fi
# Now and then, with several programs starting at once, Wine fails to start
# one, in one of three ways: status 1 and no output at all, its start.exe's
# "ShellExecuteEx failed" (on the standard output), or cmd's "Can't
# recognize" the program (on the error output). Such a start is tried
# again, up to five times. A test program that runs, even to fail, writes
# something else: it ends the loop with its status and output.
jamais_lance() {
  [ "$statut" != 0 ] && [ ! -s "$journal" ] || return 1
  ! grep -q -v -e $'^\r*$' -e '^Application could not be started' \
    -e '^ShellExecuteEx failed' -e "^Can't recognize '" "$sortie" "$erreurs"
}
for essai in 1 2 3 4 5; do
  statut=0
  : >"$journal"
  [ "$relire_entree" = 0 ] || exec <"$entree"
  wine cmd /c "$(chemin_windows "$lot")" >"$sortie" 2>"$erreurs" || statut=$?
  jamais_lance || break
  [ "$essai" = 5 ] || sleep 1
done
tr -d '\r' < "$sortie"
if [ "$qtest" = 1 ]; then
  tr -d '\r' < "$journal"
fi
tr -d '\r' < "$erreurs" >&2
exit "$statut"
