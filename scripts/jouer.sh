#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the game if needed and starts it from the folder that holds images/.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/commun.sh"
installer
cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$racine/build" --target quartelo4 -j "$(nproc)"
cd "$racine"
exec "$racine/build/windows/quartelo4" "$@"
