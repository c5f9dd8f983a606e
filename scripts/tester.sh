#!/usr/bin/env bash
# Builds everything in a fresh folder and runs the whole test suite.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$racine/scripts/installer-dependances.sh"
construction="$racine/build-tests"
rm -rf "$construction"
cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$construction" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$construction" --output-on-failure -j "$(nproc)" --label-exclude long
