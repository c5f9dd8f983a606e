# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What the project's scripts share; each sources it first:
#
#   . "$(dirname "${BASH_SOURCE[0]}")/commun.sh"
#
#   racine                 the checkout's top folder
#   cache                  where the static Qts and the Wine prefix are kept
#                          (QUARTELO4_CACHE, else ~/.cache/quartelo4)
#   version_projet         prints the version, from project() in CMakeLists.txt
#   installer [ENSEMBLE…]  the Debian packages of those sets that are missing
#                          (scripts/installer-dependances.sh)
#   choisir_mode NOM MODE [MODES…]
#                          stops with a French usage line and status 2 unless
#                          MODE is one of MODES ("" for none)
#   qt_statique windows|web
#                          prints the prefix of the cached static Qt, which it
#                          builds the first time
#   qt_navigateur          the browser's static Qt in qt, built the first
#                          time, and the environment of its emscripten
#   comprimer_site DOSSIER every text file of the site in DOSSIER also
#                          compressed beforehand (.br, .gz), for the servers
#                          that send them as they are
#   oublier_autre_qt DOSSIER QT
#                          empties the build folder DOSSIER if it was
#                          configured against another Qt than QT (CMake
#                          would keep the one it found first)
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cache="${QUARTELO4_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quartelo4}"

version_projet() {
  sed -n 's/^project(Quartelo4 VERSION \([0-9.]*\) .*/\1/p' "$racine/CMakeLists.txt"
}

installer() {
  bash "$racine/scripts/installer-dependances.sh" "$@"
}

choisir_mode() {
  local nom="$1" mode="$2" permis
  shift 2
  for permis in "$@"; do
    [ "$mode" = "$permis" ] && return 0
  done
  local liste
  liste="$(printf '%s|' "$@" | sed 's/^|//; s/|$//; s/||*/|/g')"
  echo "usage : $nom [$liste]" >&2
  echo "$nom : mode inconnu « $mode »" >&2
  exit 2
}

qt_statique() {
  bash "$racine/installation/qt-statique.sh" "$cache" "$1"
}

# Debian's emscripten runs under the system's Python, and its JavaScript
# parts find their modules there.
qt_navigateur() {
  export EMSDK_PYTHON=/usr/bin/python3 NODE_PATH=/usr/share/nodejs
  qt="$(qt_statique web)"
  export EMSDK="$qt/emsdk"
}

comprimer_site() {
  find "$1" -type f \( -name '*.html' -o -name '*.js' -o -name '*.wasm' -o -name '*.data' \
      -o -name '*.txt' -o -name '*.webmanifest' \) -print0 |
    while IFS= read -r -d '' fichier; do
      brotli -q 11 -f -o "$fichier.br" "$fichier"
      gzip -9 -n -k -f "$fichier"
    done
}

oublier_autre_qt() {
  local cmake_cache="$1/CMakeCache.txt"
  if [ -f "$cmake_cache" ] && ! grep -q "^Qt6_DIR:PATH=$2/" "$cmake_cache"; then
    echo "$1 : configuré avec un autre Qt, reconstruit depuis zéro"
    rm -rf "$1"
  fi
}
