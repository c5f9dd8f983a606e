#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the Debian packages that building, playing and testing need,
# only those that are missing. Needs root (or sudo) when something is missing.
#
#   installer-dependances.sh                 for Linux
#   installer-dependances.sh windows         also for the Windows build (scripts/windows.sh)
#   installer-dependances.sh web             also for the browser's (scripts/web.sh)
#   installer-dependances.sh reproductible   also for the release's check
#                                            (scripts/verifier-reproductible.sh)
#
# Several sets may be named together. The Windows and browser sets also give
# apt the source entries of the machine's Debian release, from which
# installation/qt-statique.sh takes Qt's source.
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
sources_qt=0
for ensemble in "$@"; do
  case "$ensemble" in
    windows)
      sources_qt=1
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
      ;;
    web)
      sources_qt=1
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
      ;;
    reproductible)
      # Shows what differs between two builds of a release.
      paquets+=(diffoscope)
      ;;
    *)
      echo "usage : installer-dependances.sh [windows] [web] [reproductible]" >&2
      exit 2
      ;;
  esac
done

manquants=()
for paquet in "${paquets[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q "install ok installed"; then
    manquants+=("$paquet")
  fi
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

if [ ${#manquants[@]} -gt 0 ]; then
  echo "Installation des paquets manquants : ${manquants[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi

# Source entries for the machine's own Debian release, taken from its apt
# configuration: every "deb" entry of that release becomes a "deb-src" one.
sources_debian() {
  local nom version fichier
  version="$(. /etc/os-release && echo "$VERSION_CODENAME")"
  fichier=/etc/apt/sources.list.d/quartelo4-sources.sources
  [ -f "$fichier" ] && return 0
  for nom in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$nom" ] || continue
    sed -n -E "s/^deb[[:space:]]+(\[[^]]*\][[:space:]]+)?([^[:space:]]+)[[:space:]]+(${version}[^[:space:]]*)[[:space:]]+(.*)$/Types: deb-src\nURIs: \2\nSuites: \3\nComponents: \4\n/p" "$nom"
  done > /tmp/quartelo4-sources.$$
  for nom in /etc/apt/sources.list.d/*.sources; do
    [ -f "$nom" ] || continue
    # deb822 stanzas, separated by blank lines; those whose suites are of
    # this release are kept, with their type set to deb-src.
    awk -v RS= -v ORS='\n\n' -v version="$version" '
      $0 ~ ("\nSuites:[^\n]*" version) && $0 ~ /(^|\n)Types:[^\n]*deb/ {
        sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' "$nom"
  done >> /tmp/quartelo4-sources.$$
  $sudo install -m 644 /tmp/quartelo4-sources.$$ "$fichier"
  rm -f /tmp/quartelo4-sources.$$
  $sudo apt-get update -qq
}
if [ "$sources_qt" = 1 ] && [ -z "$(apt-cache showsrc qt6-base 2>/dev/null | sed -n 's/^Version: //p')" ]; then
  sources_debian
fi
