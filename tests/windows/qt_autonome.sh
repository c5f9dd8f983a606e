#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The cached static Qt serves any project, whatever became of the checkout
# that built it: a small Qt program, in a folder of its own, configured by
# the prefix's qt-cmake alone, is built for Windows by MinGW-w64.
#
#   qt_autonome.sh QT_PREFIX
set -euo pipefail
qt="$1"
travail="$(mktemp -d)"
trap 'rm -rf "$travail"' EXIT
mkdir "$travail/source"
cat > "$travail/source/CMakeLists.txt" <<'FIN'
cmake_minimum_required(VERSION 3.21)
project(essai LANGUAGES CXX)
find_package(Qt6 REQUIRED COMPONENTS Core)
qt_add_executable(essai main.cpp)
target_link_libraries(essai PRIVATE Qt6::Core)
FIN
printf '#include <QString>\nint main() { return QString("4").toInt() - 4; }\n' > "$travail/source/main.cpp"
# Only what any other project would have: no toolchain of this checkout.
"$qt/bin/qt-cmake" -S "$travail/source" -B "$travail/construction" -G Ninja >"$travail/journal" 2>&1 \
  || { cat "$travail/journal" >&2; echo "ÉCHEC : qt-cmake ne configure pas un autre projet" >&2; exit 1; }
cmake --build "$travail/construction" >"$travail/journal" 2>&1 \
  || { tail -n 30 "$travail/journal" >&2; echo "ÉCHEC : l'autre projet ne se construit pas" >&2; exit 1; }
# Built by MinGW-w64: a 64-bit Windows program.
file "$travail/construction/essai.exe" | grep -q 'PE32+ executable' \
  || { echo "ÉCHEC : pas de programme Windows" >&2; exit 1; }
echo "Qt en cache : un autre projet se configure et se construit pour Windows avec son seul qt-cmake"
