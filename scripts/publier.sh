#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Writes every file of a release into one folder, from the commit checked
# out, and names the folder on its last line:
#
#   bash scripts/publier.sh [folder]     default: build-publication/quartelo4-VERSION
#
#   quartelo4-VERSION.tar.gz                     the source
#   quartelo4_VERSION-1_ARCH.deb                 the Debian package
#   quartelo4-VERSION-windows-x64.zip            the portable Windows folder
#   quartelo4-VERSION-installation-x64.exe       its installer
#   quartelo4-VERSION-site.tar.gz                the browser's site, ready to serve
#   SHA256SUMS                                   the checksums of all of them
#
# It builds and runs no test (scripts/tester.sh, windows.sh and web.sh test).
# It refuses a checkout with changes not committed: a release is a commit.
# The same commit gives the same bytes, from any folder, at any time, under
# any time zone and umask, whatever the path of the static Qts' cache
# (QUARTELO4_CACHE): scripts/verifier-reproductible.sh checks it.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/commun.sh"
debut=$SECONDS
installer windows web

changements="$(git -C "$racine" status --porcelain --untracked-files=normal)"
if [ -n "$changements" ]; then
  echo "publier.sh : la copie de travail a des changements qui ne sont pas enregistrés :" >&2
  echo "$changements" >&2
  echo "Enregistrez-les (git commit) ou mettez-les de côté (git stash), puis relancez." >&2
  exit 1
fi

# Every date the build writes is the commit's, every text is sorted and
# written alike, whoever builds.
export SOURCE_DATE_EPOCH="$(git -C "$racine" log -1 --format=%ct)"
export TZ=UTC LC_ALL=C.UTF-8
umask 022
. "$racine/scripts/reproductible.sh"

version="$(version_projet)"
constructions="$racine/build-publication"
sortie="$(realpath -m "${1:-$constructions/quartelo4-$version}")"
rm -rf "$constructions/debian" "$constructions/windows" "$constructions/web" "$sortie"
mkdir -p "$constructions" "$sortie"

# One step, its messages kept in build-publication/NAME.log and shown if it
# fails.
etape() {
  local nom="$1"
  shift
  echo "$nom… ($((SECONDS - debut)) s)"
  if ! "$@" > "$constructions/$nom.log" 2>&1; then
    tail -n 40 "$constructions/$nom.log" >&2
    echo "publier.sh : l'étape « $nom » a échoué ; tout est dans $constructions/$nom.log" >&2
    exit 1
  fi
}

bash "$racine/scripts/archive-sources.sh" "$version" "$sortie"

etape debian bash "$racine/scripts/paquet-debian.sh" "$constructions/debian" "$constructions/debian/paquets"
cp "$constructions/debian/paquets"/quartelo4_*.deb "$sortie/"

QUARTELO4_CONSTRUCTION="$constructions/windows" etape windows bash "$racine/scripts/windows.sh" paquets
cp "$constructions/windows/paquets"/quartelo4-"$version"-{windows-x64.zip,installation-x64.exe} "$sortie/"

QUARTELO4_CONSTRUCTION="$constructions/web" etape web bash "$racine/scripts/web.sh" site
( cd "$constructions/web" && mv site "quartelo4-$version-site" \
  && tarer "$sortie/quartelo4-$version-site.tar.gz" "quartelo4-$version-site" \
  && mv "quartelo4-$version-site" site )

( cd "$sortie" && sha256sum -- *.tar.gz *.deb *.zip *.exe > SHA256SUMS )
echo "Publication de Quartelo 4 $version : $((SECONDS - debut)) s"
( cd "$sortie" && cat SHA256SUMS )
echo "$sortie"
