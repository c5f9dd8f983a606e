#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the game and its Debian package, then shows the package's control
# fields and contents, and what lintian says of it (no error and no warning
# is the rule; tests/installation/verifier_paquet.sh holds it to that).
#
#   bash scripts/paquet-debian.sh [build folder] [output folder]
#
# The package lands in the output folder (default: the build folder's
# paquets/); install it with `sudo apt install ./quartelo4_*.deb`.
set -euo pipefail
# The package's folders and files as Debian wants them, whatever the umask
# of whoever builds it.
umask 022
. "$(dirname "${BASH_SOURCE[0]}")/commun.sh"
construction="$(realpath -m "${1:-$racine/build-paquet}")"
sortie="$(realpath -m "${2:-$construction/paquets}")"
if [ ! -f "$construction/CMakeCache.txt" ]; then
  installer
  cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE=Release -DQUARTELO4_BENCH=OFF >/dev/null
fi
cmake --build "$construction" --target quartelo4 -j "$(nproc)"
mkdir -p "$sortie"
( cd "$sortie" && cpack -G DEB --config "$construction/CPackConfig.cmake" -B "$sortie" )
# The package of this version, found by its name: every file of a release
# bears the same date.
paquet="$sortie/quartelo4_$(version_projet)-1_$(dpkg --print-architecture).deb"
[ -f "$paquet" ] || { echo "paquet-debian.sh : cpack n'a pas écrit $paquet" >&2; exit 1; }
dpkg-deb --info "$paquet"
dpkg-deb --contents "$paquet"
if command -v lintian >/dev/null; then
  lintian --info --display-info --pedantic "$paquet" || true
fi
echo "$paquet"
