#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds a static Qt from Debian's own qt6-base source, once, for one of the
# other platforms the game is built for: 64-bit Windows with MinGW-w64, or
# the browser (WebAssembly) with emscripten. The result is kept in a cache
# folder named after the source version and the configuration; later runs
# only print its path.
#
#   bash installation/qt-statique.sh CACHE windows|web     prints the Qt prefix
#
# (the build's own messages go to the error output).
#
# Debian's Qt of the same version serves as the host tools (moc, rcc, uic).
# The prefix holds everything it needs, its toolchain file among them, so it
# serves any checkout, whatever became of the one that built it.
set -euo pipefail
# The build talks on the error output; the standard output is for the path.
exec 3>&1 1>&2
installation="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cache="$1"
cible="$2"
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

# What each Qt is built with: only the modules and features the game and
# its tests use.
communes=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF
  -DFEATURE_pkg_config=OFF
)
case "$cible" in
  windows)
    # OpenGL is switched off together with its dynamic loading (Qt 6.4's
    # Windows platform plugin does not compile with only one of them off),
    # and tablets too, whose support Debian's source leaves out.
    chaine="$installation/windows/chaine-mingw.cmake"
    options=("${communes[@]}"
      -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
      -DFEATURE_tabletevent=OFF)
    nom=mingw-static
    correctifs=()
    ;;
  web)
    # Qt for WebAssembly draws every window through WebGL, so OpenGL stays.
    # One thread (no SharedArrayBuffer, so any static host serves the page),
    # and Qt's own copies of the libraries it would otherwise take from the
    # system.
    chaine="$installation/web/chaine-emscripten.cmake"
    options=("${communes[@]}"
      -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
      -DFEATURE_thread=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF
      -DFEATURE_fontconfig=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
      -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF
      -DFEATURE_system_pcre2=OFF -DFEATURE_system_zlib=OFF)
    nom=wasm-static
    # Qt's own corrections, for what the game needs of this version.
    correctifs=("$installation"/web/qt-*.patch)
    ;;
  *)
    echo "usage: qt-statique.sh CACHE windows|web" >&2
    exit 2
    ;;
esac

paquet=qt6-base
version_source="$(apt-cache showsrc "$paquet" 2>/dev/null | sed -n 's/^Version: //p' | sort -V | tail -n 1 || true)"
if [ -z "$version_source" ]; then
  sources_debian
  version_source="$(apt-cache showsrc "$paquet" | sed -n 's/^Version: //p' | sort -V | tail -n 1)"
fi
version_hote="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
empreinte="$(printf '%s\n' "${options[@]}" | cat - "$chaine" "${correctifs[@]}" | sha256sum | cut -c1-12)"
prefixe="$cache/qt-${version_source//[:+~]/_}-$nom-$empreinte"
# The browser's Qt embeds fonts taken from its source; the game's build cuts
# them down, so the prefix keeps the originals too.
polices_gardees() {
  [ "$cible" != web ] || [ -f "$prefixe/polices/.termine" ]
}
garder_polices() {
  if [ "$cible" = web ]; then
    mkdir -p "$prefixe/polices"
    cp "$source"/src/3rdparty/wasm/*.ttf "$source"/src/3rdparty/wasm/*-LICENSE "$prefixe/polices/"
    touch "$prefixe/polices/.termine"
  fi
}
if [ -f "$prefixe/.termine" ] && polices_gardees; then
  echo "$prefixe" >&3
  exit 0
fi
if [ "${version_source%%+*}" != "${version_hote%%+*}" ]; then
  echo "qt6-base-dev $version_hote ne correspond pas à la source $version_source" >&2
  exit 1
fi

# The source, unpacked once for every target (two builds may start together).
source="$cache/source-qt-${version_source//[:+~]/_}"
exec 4>"$cache/source-qt.verrou"
flock 4
if [ ! -f "$source/.termine" ]; then
  rm -rf "$source" "$source.telechargement"
  mkdir -p "$source.telechargement"
  ( cd "$source.telechargement" && apt-get source -qq --download-only "$paquet=$version_source" >/dev/null \
      && dpkg-source -x ./*.dsc source >/dev/null )
  mv "$source.telechargement/source" "$source"
  rm -rf "$source.telechargement"
  touch "$source/.termine"
fi
flock -u 4
# A corrected copy of the source: hard links to the shared one, but for the
# files the corrections write anew.
if [ ${#correctifs[@]} -gt 0 ]; then
  corrigee="$cache/source-qt-${version_source//[:+~]/_}-$nom-$empreinte"
  if [ ! -f "$corrigee/.termine" ]; then
    rm -rf "$corrigee" "$corrigee.copie"
    cp -al "$source" "$corrigee.copie"
    for correctif in "${correctifs[@]}"; do
      patch -p1 -s -d "$corrigee.copie" < "$correctif"
    done
    mv "$corrigee.copie" "$corrigee"
    touch "$corrigee/.termine"
  fi
  source="$corrigee"
fi
if [ -f "$prefixe/.termine" ]; then
  garder_polices
  echo "$prefixe" >&3
  exit 0
fi

travail="$cache/travail-qt-$nom"
rm -rf "$travail" "$prefixe"
mkdir -p "$travail" "$prefixe"
# The toolchain file lives in the prefix: Qt's own toolchain file loads it
# by this path for every project built with this Qt.
cp "$chaine" "$prefixe/"
chaine="$prefixe/$(basename "$chaine")"
if [ "$cible" = web ]; then
  # Qt asks for an emsdk, when it is built and when a project is; Debian's
  # emscripten stands in for its compiler folder (EMSDK names this one).
  mkdir -p "$prefixe/emsdk/upstream/emscripten/cmake/Modules/Platform"
  echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" > "$prefixe/emsdk/.emscripten"
  ln -sf /usr/bin/emcc "$prefixe/emsdk/upstream/emscripten/emcc"
  cp "$chaine" "$prefixe/emsdk/upstream/emscripten/cmake/Modules/Platform/Emscripten.cmake"
  export EMSDK="$prefixe/emsdk" NODE_PATH=/usr/share/nodejs EMSDK_PYTHON=/usr/bin/python3
fi

cmake -S "$source" -B "$travail" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$chaine" \
  -DCMAKE_INSTALL_PREFIX="$prefixe" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
  "${options[@]}"
cmake --build "$travail" --parallel "$(nproc)"
cmake --install "$travail" >/dev/null
# The notices of Qt and of what it bundles (each qt_attribution.json with the
# licence files beside it, and Qt's own licences), for the notices shipped
# with the program.
( cd "$source" && find LICENSES src \( -path 'LICENSES/*' -o -name qt_attribution.json -o -iname '*licen[cs]e*' \
      -o -iname 'copying*' -o -iname 'copyright*' \) -type f -not -path '*/tests/*' \
    | tar cf - -T - ) | ( mkdir -p "$prefixe/avis" && tar xf - -C "$prefixe/avis" )
echo "$version_source" > "$prefixe/avis/VERSION"
rm -rf "$travail"
garder_polices
touch "$prefixe/.termine"
echo "$prefixe" >&3
