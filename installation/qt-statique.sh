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

# What each Qt is built with: the modules and features that the game, its
# tests and its screen readers use, and nothing else (README, « The static
# Qts »). The game shows push buttons, check boxes, radio buttons, group
# boxes, labels, a combo box (whose list is a list view in a scroll area,
# with a line edit behind it), tooltips and a message box, in the Fusion
# style, and reads BMP pictures; the message box's icon is a PNG of Qt's.
communes=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF
  -DFEATURE_pkg_config=OFF
  # Text formats and parsers the game never reads or writes: style sheets
  # (with the Windows style they build on), rich-text documents other than
  # a label's, XML, MIME types.
  -DFEATURE_style_windows=OFF -DFEATURE_style_stylesheet=OFF -DFEATURE_cssparser=OFF
  -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
  -DFEATURE_xmlstream=OFF -DFEATURE_xmlstreamreader=OFF -DFEATURE_xmlstreamwriter=OFF
  -DFEATURE_mimetype=OFF -DFEATURE_mimetype_database=OFF
  # Widgets and dialogs it never makes. (Qt 6.4's widgets keep the main
  # window, its menu and tool bars and the resize handler they build on:
  # its compatibility code names them.)
  -DFEATURE_datetimeedit=OFF -DFEATURE_calendarwidget=OFF -DFEATURE_spinbox=OFF
  -DFEATURE_treewidget=OFF -DFEATURE_listwidget=OFF -DFEATURE_tablewidget=OFF
  -DFEATURE_tableview=OFF -DFEATURE_treeview=OFF -DFEATURE_columnview=OFF
  -DFEATURE_datawidgetmapper=OFF -DFEATURE_completer=OFF -DFEATURE_fscompleter=OFF
  -DFEATURE_commandlinkbutton=OFF -DFEATURE_textbrowser=OFF -DFEATURE_syntaxhighlighter=OFF
  -DFEATURE_splashscreen=OFF -DFEATURE_splitter=OFF -DFEATURE_stackedwidget=OFF
  -DFEATURE_tabbar=OFF -DFEATURE_tabwidget=OFF -DFEATURE_formlayout=OFF
  -DFEATURE_lcdnumber=OFF -DFEATURE_fontcombobox=OFF -DFEATURE_progressbar=OFF -DFEATURE_dial=OFF
  -DFEATURE_dockwidget=OFF -DFEATURE_toolbox=OFF -DFEATURE_mdiarea=OFF
  -DFEATURE_statusbar=OFF -DFEATURE_statustip=OFF -DFEATURE_sizegrip=OFF -DFEATURE_rubberband=OFF
  -DFEATURE_graphicsview=OFF -DFEATURE_graphicseffect=OFF -DFEATURE_scroller=OFF
  -DFEATURE_keysequenceedit=OFF -DFEATURE_undocommand=OFF -DFEATURE_undostack=OFF
  -DFEATURE_undogroup=OFF -DFEATURE_undoview=OFF
  -DFEATURE_colordialog=OFF -DFEATURE_filedialog=OFF -DFEATURE_fontdialog=OFF
  -DFEATURE_progressdialog=OFF -DFEATURE_inputdialog=OFF -DFEATURE_errormessage=OFF
  -DFEATURE_wizard=OFF -DFEATURE_filesystemmodel=OFF
  # Nor animated pictures, PDF files or gestures.
  -DFEATURE_movie=OFF -DFEATURE_pdf=OFF -DFEATURE_gestures=OFF
)
case "$cible" in
  windows)
    # OpenGL is switched off together with its dynamic loading (Qt 6.4's
    # Windows platform plugin does not compile with only one of them off),
    # and tablets too, whose support Debian's source leaves out. The test
    # programs run offscreen, whose fonts come through FreeType: it stays.
    # (Direct2D stays too: Qt 6.4 builds the DirectWrite font database,
    # which the Windows plugin links, only with it.)
    chaine="$installation/windows/chaine-mingw.cmake"
    options=("${communes[@]}"
      -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
      -DFEATURE_tabletevent=OFF
      -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_systemtrayicon=OFF)
    nom=mingw-static
    correctifs=()
    ;;
  web)
    # Qt for WebAssembly draws every window through WebGL, so OpenGL stays.
    # One thread (no SharedArrayBuffer, so any static host serves the page),
    # and Qt's own copies of the libraries it would otherwise take from the
    # system. The page's tests drive the real site: no QtTest. The OpenGL
    # widgets that come with OpenGL include every widget header, the
    # file-system model's among them: it stays.
    chaine="$installation/web/chaine-emscripten.cmake"
    options=("${communes[@]}"
      -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
      -DFEATURE_thread=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF
      -DFEATURE_fontconfig=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
      -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF
      -DFEATURE_system_pcre2=OFF -DFEATURE_system_zlib=OFF -DFEATURE_testlib=OFF
      -DFEATURE_filesystemmodel=ON)
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
  echo "qt-statique.sh : apt ne connaît pas la source de $paquet ; bash scripts/installer-dependances.sh $cible ajoute ses entrées." >&2
  exit 1
fi
version_hote="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
# Qt's own default prefix, which no machine's cache is.
prefixe_neutre="/usr/local/Qt-${version_source%%[+~-]*}"
recette="installed from $prefixe_neutre, sources named qtbase"
empreinte="$(printf '%s\n' "$recette" "${options[@]}" | cat - "$chaine" "${correctifs[@]}" | sha256sum | cut -c1-12)"
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
  corrigee="$cache/source-qt-${version_source//[:+~]/_}-$nom-$(cat "${correctifs[@]}" | sha256sum | cut -c1-12)"
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

# The build folder, which a build cut off takes up again where it stopped,
# as long as it is of the same configuration.
travail="$cache/travail-qt-$nom"
pose="$cache/pose-qt-$nom"
rm -rf "$pose" "$prefixe"
if [ "$(cat "$travail/.configuration" 2>/dev/null)" != "$empreinte" ]; then
  rm -rf "$travail"
fi
mkdir -p "$travail"
# Qt asks for an emsdk, when it is built and when a project is; Debian's
# emscripten stands in for its compiler folder (EMSDK names this one).
emsdk_debian() {
  mkdir -p "$1/emsdk/upstream/emscripten/cmake/Modules/Platform"
  echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" > "$1/emsdk/.emscripten"
  ln -sf /usr/bin/emcc "$1/emsdk/upstream/emscripten/emcc"
  cp "$2" "$1/emsdk/upstream/emscripten/cmake/Modules/Platform/Emscripten.cmake"
}
cp "$chaine" "$travail/"
chaine_construction="$travail/$(basename "$chaine")"
if [ "$cible" = web ]; then
  emsdk_debian "$travail" "$chaine"
  export EMSDK="$travail/emsdk" NODE_PATH=/usr/share/nodejs EMSDK_PYTHON=/usr/bin/python3
fi

# The Qt names no folder of this machine in what it compiles into a
# program: it is configured for Qt's own default prefix, installed from
# there into the cache (DESTDIR), and its compilers name the source and
# build folders by fixed names. So a program built against it is the same
# bytes whatever the cache's path.
cartes="-ffile-prefix-map=$source=qtbase -ffile-prefix-map=$travail=qtbase-construction"
CFLAGS="$cartes" CXXFLAGS="$cartes" cmake -S "$source" -B "$travail" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$chaine_construction" \
  -DCMAKE_INSTALL_PREFIX="$prefixe_neutre" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
  "${options[@]}"
echo "$empreinte" > "$travail/.configuration"
cmake --build "$travail" --parallel "$(nproc)"
DESTDIR="$pose" cmake --install "$travail" >/dev/null
mv "$pose$prefixe_neutre" "$prefixe"
rm -rf "$pose"
# The toolchain file lives in the prefix: Qt's own toolchain file loads it
# from beside itself, wherever the prefix is.
cp "$chaine" "$prefixe/"
sed -i "s|\"$chaine_construction\"|\"\${CMAKE_CURRENT_LIST_DIR}/../../../$(basename "$chaine")\"|" \
  "$prefixe/lib/cmake/Qt6/qt.toolchain.cmake"
[ "$cible" != web ] || emsdk_debian "$prefixe" "$chaine"
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
