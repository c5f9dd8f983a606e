#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the game and renders screenshots of its windows offscreen into
# docs/captures/: the start window, a game in progress with the cursor over a
# column, a won game with its winning line, a drawn game and the end message.
#
#   bash scripts/captures.sh [build folder]
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/commun.sh"
construction="${1:-$racine/build-captures}"
installer
cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARTELO4_BENCH=OFF >/dev/null
cmake --build "$construction" --target quartelo4_captures -j "$(nproc)"
# The game reads images/ from its working directory.
cd "$racine"
QT_QPA_PLATFORM=offscreen "$construction/artwork/quartelo4_captures" "$racine/docs/captures"
ls -1 "$racine/docs/captures"
