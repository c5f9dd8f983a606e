#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Quartelo 4 for the browser on Debian, as a static site, and tests it
# in Chromium:
#
#   bash scripts/web.sh            builds, tests, names the site folder
#   bash scripts/web.sh servir     then serves the site on 127.0.0.1:8080
#                                  (QUARTELO4_PORT), until Ctrl+C
#   bash scripts/web.sh site       builds the game alone and makes the site,
#                                  without the tests
#
# The build folder is build-web (QUARTELO4_CONSTRUCTION); the site, the same
# bytes from the same commit (scripts/reproductible.sh), is its site/.
#
# Installs what it needs from Debian; the first run also builds a static Qt
# for WebAssembly from Debian's qt6-base source (about ten minutes on two
# cores) and keeps it in ~/.cache/quartelo4 (QUARTELO4_CACHE) beside the
# Windows one, so that later runs take minutes.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/commun.sh"
mode="${1:-}"
choisir_mode web.sh "$mode" "" servir site
debut=$SECONDS
. "$racine/scripts/reproductible.sh"
fixer_epoque "$racine"
installer web
qt_navigateur
echo "Qt pour WebAssembly : $qt ($((SECONDS - debut)) s)"

construction="${QUARTELO4_CONSTRUCTION:-$racine/build-web}"
oublier_autre_qt "$construction" "$qt"
if [ "$mode" = site ]; then
  cmake -S "$racine" -B "$construction" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release
  cmake --build "$construction" --target quartelo4 -j "$(nproc)"
else
  # The desktop's analysis tool, whose moves the browser's computer must make.
  cmake -S "$racine" -B "$construction/bureau" -DQUARTELO4_GUI=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$construction/bureau" --target quartelo4_analyse -j "$(nproc)"
  cmake -S "$racine" -B "$construction" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQUARTELO4_ANALYSE_HOTE="$construction/bureau/bench/quartelo4_analyse" \
    -DCMAKE_BUILD_TYPE=Release
  cmake --build "$construction" -j "$(nproc)"
fi
version="$(version_projet)"

# The site, its source archive, and every text file compressed beforehand
# for the servers that send them as they are.
site="$construction/site"
rm -rf "$site"
cmake --install "$construction" --prefix "$site"
bash "$racine/scripts/archive-sources.sh" "$version" "$site"
comprimer_site "$site"
if [ "$mode" = site ]; then
  # The dates of the files published, the commit's. (A site served while
  # it is worked on keeps its own, which tell a server's caches each change.)
  normaliser "$site"
  du -sh "$site"
  echo "$site"
  exit 0
fi

if [ "$mode" = servir ]; then
  exec bash "$racine/tests/web/serveur.sh" "$site" "${QUARTELO4_PORT:-8080}"
fi

# The browser tests: their client from npm, as the lock file fixes it. npm
# comes with the machine's Node.js.
if ! command -v npm >/dev/null; then
  echo "web.sh : npm est introuvable ; les tests du navigateur le prennent avec Node.js (npm 9 ou plus récent)." >&2
  exit 1
fi
essais="$construction/essais-web"
mkdir -p "$essais"
cp "$racine/tests/web/package.json" "$racine/tests/web/package-lock.json" "$essais/"
( cd "$essais" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error )
ctest --test-dir "$construction" --output-on-failure -L web

echo "Construction pour le navigateur : $((SECONDS - debut)) s"
du -sh "$site"
echo "Site : $site"
