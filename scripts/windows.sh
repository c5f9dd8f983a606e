#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Quartelo 4 for 64-bit Windows on Debian, runs its tests under Wine,
# and makes the portable zip, the installer and the source archive:
#
#   bash scripts/windows.sh            builds, tests, makes the files
#   bash scripts/windows.sh paquets    builds the game alone and makes the
#                                      files, without the tests
#
# The build folder is build-windows (QUARTELO4_CONSTRUCTION). The zip, the
# installer and the source archive are the same bytes from the same commit
# (scripts/reproductible.sh).
#
# Installs what it needs from Debian; the first run also builds a static Qt
# for Windows from Debian's qt6-base source (a quarter of an hour on two
# cores) and keeps it in ~/.cache/quartelo4 (QUARTELO4_CACHE), so that later
# runs take minutes. The tests run on a screen of their own (Xvfb), in a
# Wine prefix kept in the same cache. The last line names the folder of the
# results.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/commun.sh"
mode="${1:-}"
choisir_mode windows.sh "$mode" "" paquets
debut=$SECONDS
. "$racine/scripts/reproductible.sh"
fixer_epoque "$racine"
installer windows
qt="$(qt_statique windows)"
echo "Qt pour Windows : $qt ($((SECONDS - debut)) s)"

# A screen and a Wine prefix for the test programs (the build already runs
# them, to list their tests), set up once and kept running while CTest
# starts them side by side.
ecran_et_wine() {
  export WINEPREFIX="$cache/wine" WINEARCH=win64 WINEDEBUG=-all
  # No menu entries or file associations in the desktop of the machine, and
  # no download of Mono or Gecko.
  export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
  fichier_ecran="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fichier_ecran" 2>/dev/null &
  xvfb=$!
  arreter() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -f "$fichier_ecran"
  }
  trap arreter EXIT
  for _ in $(seq 100); do [ -s "$fichier_ecran" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$fichier_ecran")"
  # One server for every program of the prefix, kept until the end (one may
  # already serve it).
  wineserver -p 2>/dev/null || true
  wineboot -i >/dev/null 2>&1
}
[ "$mode" = paquets ] || ecran_et_wine

construction="${QUARTELO4_CONSTRUCTION:-$racine/build-windows}"
oublier_autre_qt "$construction" "$qt"
# Qt's toolchain file loads the MinGW-w64 one kept in its prefix.
cmake -S "$racine" -B "$construction" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release
if [ "$mode" = paquets ]; then
  cmake --build "$construction" --target quartelo4 -j "$(nproc)"
else
  cmake --build "$construction" -j "$(nproc)"
fi
version="$(version_projet)"

# The portable folder, its zip and its installer, and the source they come from.
sortie="$construction/paquets"
dossier="$construction/dossier/Quartelo 4"
rm -rf "$sortie" "$construction/dossier"
mkdir -p "$sortie"
cmake --install "$construction" --prefix "$dossier"
normaliser "$dossier"
( cd "$construction/dossier" && zipper "$sortie/quartelo4-$version-windows-x64.zip" "Quartelo 4" )
bash "$racine/installation/windows/installateur.sh" "$dossier" "$version" \
  "$construction/quartelo4.ico" "$sortie/quartelo4-$version-installation-x64.exe"
bash "$racine/scripts/archive-sources.sh" "$version" "$sortie"
if [ "$mode" = paquets ]; then
  ls -l "$sortie"
  echo "$sortie"
  exit 0
fi

echo
echo "Tests laissés de côté sous Wine (label linux), et pourquoi :"
ctest --test-dir "$construction" -N -L linux | sed -n 's/^ *Test *#[0-9]*: //p' | while read -r essai; do
  case "$essai" in
    accessibilite.*) pourquoi="AT-SPI, le bus d'accessibilité de Linux (sous Windows, Qt parle UI Automation)" ;;
    essai_polices_*) pourquoi="les polices du bureau Linux, passées par le thème qt6ct" ;;
    reuse_lint) pourquoi="la licence de l'arbre des sources, la même partout" ;;
    robustesse.lancement_sans_images) pourquoi="lance le programme Linux depuis bash" ;;
    *) pourquoi="l'installation sous Linux et le paquet Debian, et leurs validateurs" ;;
  esac
  echo "  $essai : $pourquoi"
done
echo
ctest --test-dir "$construction" --output-on-failure -j "$(nproc)" --label-exclude "long|linux"

echo "Construction pour Windows : $((SECONDS - debut)) s"
ls -l "$sortie"
echo "Résultats : $sortie"
