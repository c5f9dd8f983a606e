#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Starts the real program in a folder without images and in a read-only
# folder, with HOME and the XDG folders pointed at a fresh temporary folder:
# it must still be running a few seconds later, and no file may appear or
# change anywhere in those folders. Writes are found by comparing listings,
# since a run as root may write even into a read-only folder.
#
#   lancement_sans_images.sh <quartelo4 executable> [seconds]
set -euo pipefail

programme="$1"
duree="${2:-2}"
[ -x "$programme" ] || { echo "not an executable: $programme"; exit 1; }

base="$(mktemp -d)"
nettoyer() {
  chmod -R u+w "$base" 2>/dev/null || true
  rm -rf "$base"
}
trap nettoyer EXIT

maison="$base/maison"
mkdir -p "$base/vide" "$base/lecture-seule" "$maison/config" "$maison/cache" \
         "$maison/donnees" "$maison/etat" "$maison/execution" "$maison/tmp"
chmod 700 "$maison/execution"
chmod 555 "$base/lecture-seule"

lister() {
  find "$base/vide" "$base/lecture-seule" "$maison" -printf '%p %y %s %T@\n' | sort
}

echec=0
for dossier in vide lecture-seule; do
  avant="$(lister)"
  journal="$base/journal-$dossier.txt"
  (
    cd "$base/$dossier"
    exec env HOME="$maison" \
      XDG_CONFIG_HOME="$maison/config" XDG_CACHE_HOME="$maison/cache" \
      XDG_DATA_HOME="$maison/donnees" XDG_STATE_HOME="$maison/etat" \
      XDG_RUNTIME_DIR="$maison/execution" TMPDIR="$maison/tmp" \
      QT_QPA_PLATFORM=offscreen "$programme"
  ) >"$journal" 2>&1 &
  pid=$!
  sleep "$duree"
  if kill -0 "$pid" 2>/dev/null; then
    echo "$dossier: still running after ${duree} s"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  else
    statut=0
    wait "$pid" || statut=$?
    echo "$dossier: the program ended by itself with status $statut:"
    cat "$journal"
    echec=1
  fi
  apres="$(lister)"
  if [ "$avant" != "$apres" ]; then
    echo "$dossier: files appeared or changed:"
    diff <(echo "$avant") <(echo "$apres") || true
    echec=1
  fi
  if grep -qE "Sanitizer|runtime error" "$journal"; then
    echo "$dossier: the sanitizers reported:"
    cat "$journal"
    echec=1
  fi
done

if [ "$echec" -ne 0 ]; then
  exit 1
fi
echo "the program ran in both folders and wrote nothing"
