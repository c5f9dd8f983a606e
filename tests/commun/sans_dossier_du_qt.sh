#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A program built against a cached static Qt names no folder of that cache
# (the Qt's prefix, its source, its build): so a release is the same bytes
# from any user's cache, at any path.
#
#   sans_dossier_du_qt.sh QT_PREFIX PROGRAM...
set -euo pipefail
cache="$(dirname "$(realpath "$1")")"
shift
echec=0
for programme in "$@"; do
  [ -s "$programme" ] || { echo "ÉCHEC : $programme manque" >&2; exit 1; }
  if strings -a -n 8 "$programme" | grep -F -- "$cache" | head -n 5 | grep .; then
    echo "ÉCHEC : $(basename "$programme") nomme le dossier du Qt en cache, $cache" >&2
    echec=1
  fi
done
[ "$echec" = 0 ] && echo "Aucun dossier de $cache dans : $*"
exit "$echec"
