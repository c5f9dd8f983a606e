#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The checks a distribution makes before it ships the game, each with the
# validator it would use:
#
#   valider_publication.sh installer <build folder> <prefix>
#       installs the build tree into <prefix> (emptied first)
#   valider_publication.sh bureau <prefix> <id>
#       desktop-file-validate on the desktop entry
#   valider_publication.sh metainfo <prefix> <id> <version> <date>
#       appstreamcli validate --no-net on the metainfo, and its id, desktop
#       entry, version and date
#   valider_publication.sh manuel <prefix>
#       the English and French man pages rendered with every warning on
#   valider_publication.sh reuse <source folder>
#       reuse lint on the source tree
#
# <prefix> is the installation's prefix: the folder that holds share/.
set -euo pipefail

echec() { echo "FAIL: $*"; exit 1; }
outil() {
  command -v "$1" >/dev/null \
    || echec "$1 is missing (package $2): bash scripts/installer-dependances.sh installs it"
}

installer() {
  local construction="$1" prefixe="$2"
  rm -rf "$prefixe"
  env -u DESTDIR cmake --install "$construction" --prefix "$prefixe" >/dev/null
}

bureau() {
  local entree="$1/share/applications/$2.desktop"
  outil desktop-file-validate desktop-file-utils
  [ -f "$entree" ] || echec "no desktop entry $entree"
  local sortie
  sortie="$(desktop-file-validate "$entree" 2>&1)" || echec "desktop-file-validate: $sortie"
  # It exits 0 on hints too: none is wanted.
  [ -z "$sortie" ] || echec "desktop-file-validate: $sortie"
  echo "desktop entry valid: $entree"
}

metainfo() {
  local prefixe="$1" id="$2" version="$3" date="$4"
  local fichier="$prefixe/share/metainfo/$id.metainfo.xml"
  outil appstreamcli appstream
  [ -f "$fichier" ] || echec "no metainfo $fichier"
  # Exits non-zero on any error or warning; informational and pedantic
  # hints are shown, not counted.
  appstreamcli validate --no-net --pedantic --explain "$fichier" || echec "appstreamcli validate"
  grep -qF "<id>$id</id>" "$fichier" || echec "the metainfo's id is not $id"
  grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$fichier" || echec "launchable"
  [ -f "$prefixe/share/applications/$id.desktop" ] || echec "the metainfo's desktop entry is not installed"
  grep -qF "<release version=\"$version\" date=\"$date\">" "$fichier" || echec "release $version of $date"
  echo "metainfo valid: $fichier"
}

manuel() {
  local prefixe="$1" page erreurs
  outil man man-db
  outil groff groff-base
  for page in "$prefixe/share/man/man6/quartelo4.6.gz" "$prefixe/share/man/fr/man6/quartelo4.6.gz"; do
    [ -f "$page" ] || echec "no man page $page"
    # man-db's own check, as lintian runs it: anything on standard error
    # is a fault of the page.
    erreurs="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)" \
      || echec "man $page failed: $erreurs"
    [ -z "$erreurs" ] || echec "warnings in $page: $erreurs"
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q "quartelo4" || echec "$page shows nothing"
    echo "man page clean: $page"
  done
}

reuse_lint() {
  local sources="$1"
  outil reuse reuse
  local depot
  depot="$(git -C "$sources" rev-parse --show-toplevel 2>/dev/null || true)"
  if [ -n "$depot" ] && [ "$(realpath "$depot")" = "$(realpath "$sources")" ]; then
    # In a git checkout reuse leaves out what git ignores: the build folders.
    ( cd "$sources" && reuse lint )
  else
    # Outside one (an unpacked archive, even inside another checkout) build
    # folders would count as files of the project: the tree is linted
    # without them, as git would see it.
    local copie
    copie="$(mktemp -d)"
    trap 'rm -rf "$copie"' RETURN
    tar -C "$sources" --exclude='./build*' --exclude='./captures-temp' -cf - . | tar -C "$copie" -xf -
    ( cd "$copie" && reuse lint )
  fi
}

etape="$1"
shift
case "$etape" in
  installer) installer "$@" ;;
  bureau) bureau "$@" ;;
  metainfo) metainfo "$@" ;;
  manuel) manuel "$@" ;;
  reuse) reuse_lint "$@" ;;
  *) echec "unknown step $etape" ;;
esac
