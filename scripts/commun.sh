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

oublier_autre_qt() {
  local cmake_cache="$1/CMakeCache.txt"
  if [ -f "$cmake_cache" ] && ! grep -q "^Qt6_DIR:PATH=$2/" "$cmake_cache"; then
    echo "$1 : configuré avec un autre Qt, reconstruit depuis zéro"
    rm -rf "$1"
  fi
}
