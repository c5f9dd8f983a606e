#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the Debian packages that building, playing and testing need,
# only those that are missing. Needs root (or sudo) when something is missing.
#
#   installer-dependances.sh           for Linux
#   installer-dependances.sh windows   also for the Windows build (scripts/windows.sh)
#   installer-dependances.sh web       also for the browser's (scripts/web.sh)
set -euo pipefail

paquets=(
  cmake g++ make
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core
  # The Debian package, and the validators a distribution runs on it: its
  # desktop entry, metainfo, man pages, the licence information of the
  # source tree (reuse reads .gitignore through git) and lintian.
  dpkg-dev binutils
  desktop-file-utils appstream man-db groff-base reuse git lintian
  # The desktop fonts and the platform theme the appearance tests lay the
  # windows out with.
  qt6ct fonts-cantarell fonts-noto-core fonts-liberation2
  # The screen-reader tests: a display, a session bus, the accessibility bus
  # and an AT-SPI client.
  xvfb dbus-x11 dbus-bin at-spi2-core python3-pyatspi python3-gi
)
if [ "${1:-}" = windows ]; then
  paquets+=(
    # The cross compiler, Qt's build (Debian's own source of it, unpacked by
    # dpkg-source) and the icon and installer tools.
    g++-mingw-w64-x86-64-posix ninja-build dpkg-dev python3 icoutils nsis zip unzip
    # Wine runs the tests and the checks of the program, on an Xvfb screen,
    # with its own fonts; xdotool plays as a user would, ImageMagick reads the
    # screen; file tells a Windows program.
    wine wine64 fonts-wine xdotool x11-utils imagemagick file
    # A serif face whose name sorts first (C059), as ImageMagick's recommended
    # fonts bring: the check of the real program shows it never falls to it.
    fonts-urw-base35
  )
fi
if [ "${1:-}" = web ]; then
  paquets+=(
    # The compiler to WebAssembly, Qt's build, and Node.js, which emscripten
    # runs and the tests are written in (its npm fetches their client).
    emscripten ninja-build dpkg-dev python3 nodejs patch
    # The fonts that Qt embeds, cut down to the characters the game writes.
    python3-fonttools
    # The site compressed beforehand, served as a host would, and the
    # browser that plays it.
    brotli gzip nginx libnginx-mod-http-brotli-static chromium
  )
fi

manquants=()
for paquet in "${paquets[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q "install ok installed"; then
    manquants+=("$paquet")
  fi
done

if [ ${#manquants[@]} -eq 0 ]; then
  exit 0
fi

echo "Installation des paquets manquants : ${manquants[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${manquants[@]}"
