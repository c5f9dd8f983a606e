#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds a static Qt for 64-bit Windows from Debian's own qt6-base source,
# with MinGW-w64, once: the result is kept in a cache folder named after the
# source version and this configuration, and later runs only print its path.
#
#   bash installation/windows/qt-statique.sh CACHE     prints the Qt prefix
#
# (the build's own messages go to the error output).
#
# Debian's Qt of the same version serves as the host tools (moc, rcc, uic).
set -euo pipefail
# The build talks on the error output; the standard output is for the path.
exec 3>&1 1>&2
ici="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cache="$1"
mkdir -p "$cache"

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
  done > "$fichier.tmp"
  for nom in /etc/apt/sources.list.d/*.sources; do
    [ -f "$nom" ] || continue
    # deb822 stanzas, separated by blank lines; those whose suites are of
    # this release are kept, with their type set to deb-src.
    awk -v RS= -v ORS='\n\n' -v version="$version" '
      $0 ~ ("\nSuites:[^\n]*" version) && $0 ~ /(^|\n)Types:[^\n]*deb/ {
        sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' "$nom"
  done >> "$fichier.tmp"
  mv "$fichier.tmp" "$fichier"
  apt-get update -qq
}

paquet=qt6-base
version_source="$(apt-cache showsrc "$paquet" 2>/dev/null | sed -n 's/^Version: //p' | sort -V | tail -n 1 || true)"
if [ -z "$version_source" ]; then
  sources_debian
  version_source="$(apt-cache showsrc "$paquet" | sed -n 's/^Version: //p' | sort -V | tail -n 1)"
fi
version_hote="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
# What this Qt is built with: only the modules and features the game and
# its tests use. OpenGL is switched off together with its dynamic loading
# (Qt 6.4's Windows platform plugin does not compile with only one of them
# off), and tablets too, whose support Debian's source leaves out.
options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF
  -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_pkg_config=OFF
)
empreinte="$(printf '%s\n' "${options[@]}" | cat - "$ici/chaine-mingw.cmake" | sha256sum | cut -c1-12)"
prefixe="$cache/qt-${version_source//[:+~]/_}-mingw-static-$empreinte"
if [ -f "$prefixe/.termine" ]; then
  echo "$prefixe" >&3
  exit 0
fi
if [ "${version_source%%+*}" != "${version_hote%%+*}" ]; then
  echo "qt6-base-dev $version_hote ne correspond pas à la source $version_source" >&2
  exit 1
fi

travail="$cache/travail-qt"
rm -rf "$travail" "$prefixe"
mkdir -p "$travail"
( cd "$travail" && apt-get source -qq --download-only "$paquet=$version_source" >/dev/null \
    && dpkg-source -x ./*.dsc source >/dev/null )

cmake -S "$travail/source" -B "$travail/construction" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$ici/chaine-mingw.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefixe" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
  "${options[@]}"
cmake --build "$travail/construction" --parallel "$(nproc)"
cmake --install "$travail/construction" >/dev/null
# The notices of Qt and of what it bundles (each qt_attribution.json with the
# licence files beside it, and Qt's own licences), for the notices shipped
# with the program.
( cd "$travail/source" && find LICENSES src \( -path 'LICENSES/*' -o -name qt_attribution.json -o -iname '*licen[cs]e*' \
      -o -iname 'copying*' -o -iname 'copyright*' \) -type f -not -path '*/tests/*' \
    | tar cf - -T - ) | ( mkdir -p "$prefixe/avis" && tar xf - -C "$prefixe/avis" )
echo "$version_source" > "$prefixe/avis/VERSION"
rm -rf "$travail"
touch "$prefixe/.termine"
echo "$prefixe" >&3
