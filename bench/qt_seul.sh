#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds bench/qt_seul, Qt alone, against the browser's static Qt that
# scripts/web.sh uses, and makes it a site served as the game's is (its
# files also compressed beforehand). The last line names the site's folder,
# for bench/web.mjs's QUARTELO4_SITE_QT_SEUL.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../scripts/commun.sh"
installer web
qt_navigateur
construction="${QUARTELO4_CONSTRUCTION:-$racine/build-qt-seul}"
oublier_autre_qt "$construction" "$qt"
cmake -S "$racine/bench/qt_seul" -B "$construction" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$construction" -j "$(nproc)"
site="$construction/site"
rm -rf "$site"
mkdir -p "$site"
cp "$construction/qt_seul.html" "$site/index.html"
cp "$construction"/{qt_seul.js,qt_seul.wasm,qtloader.js,qtlogo.svg} "$site/"
comprimer_site "$site"
echo "$site"
