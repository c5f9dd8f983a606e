#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package from a build tree with CPack and checks it: its
# control fields, its files, laid out as Debian lays out games, the folders
# named by its launcher and desktop entry, its pictures, its desktop entry,
# metainfo and man pages through their validators, and lintian's verdict.
#
#   verifier_paquet.sh <build folder> <source folder> <id> <version> <date>
#
# With QUARTELO4_PAQUET naming a .deb, checks that package instead.
set -euo pipefail
construction="$1"
sources="$2"
id="$3"
version="$4"
date="$5"
valider="$(dirname "${BASH_SOURCE[0]}")/valider_publication.sh"
for outil in cpack dpkg-deb; do
  if ! command -v "$outil" >/dev/null; then
    echo "$outil is missing: the package is not checked"
    exit 77
  fi
done

travail="$(mktemp -d)"
trap 'rm -rf "$travail"' EXIT
echec() { echo "FAIL: $*"; exit 1; }

if [ -n "${QUARTELO4_PAQUET:-}" ]; then
  # A package built elsewhere: a release's, say.
  paquet="$(realpath "$QUARTELO4_PAQUET")"
else
  ( cd "$travail" && cpack -G DEB --config "$construction/CPackConfig.cmake" -B "$travail" ) > "$travail/cpack.log" 2>&1 \
    || { cat "$travail/cpack.log"; echec "cpack"; }
  paquets=("$travail"/quartelo4_*.deb)
  [ ${#paquets[@]} -eq 1 ] && [ -f "${paquets[0]}" ] || echec "no single package in $travail"
  paquet="${paquets[0]}"
fi
dpkg-deb --info "$paquet"

champ() { dpkg-deb --field "$paquet" "$1"; }
[ "$(champ Package)" = quartelo4 ] || echec "Package"
[ "$(champ Section)" = games ] || echec "Section"
[ "$(champ Architecture)" = "$(dpkg --print-architecture)" ] || echec "Architecture"
[ "$(champ Version)" = "$version-1" ] || echec "Version $(champ Version)"
[[ "$(champ Maintainer)" == *"<"*"@"*">" ]] || echec "Maintainer"
[ -n "$(champ Description)" ] || echec "Description"
for dependance in libqt6core6 libqt6gui6 libqt6widgets6 fonts-dejavu-core; do
  [[ ", $(champ Depends)," == *", $dependance"[\ ,]* ]] || echec "Depends lacks $dependance"
done

dpkg-deb --extract "$paquet" "$travail/racine"
r="$travail/racine"
entree="$r/usr/share/applications/$id.desktop"
[ -x "$r/usr/games/quartelo4" ] || echec "launcher"
[ -x "$r/usr/libexec/quartelo4/quartelo4" ] || echec "program"
grep -qxF 'cd "/usr/share/games/quartelo4" || exit 1' "$r/usr/games/quartelo4" || echec "launcher folder"
grep -qxF 'exec "/usr/libexec/quartelo4/quartelo4" "$@"' "$r/usr/games/quartelo4" || echec "launcher program"
grep -qxF 'Path=/usr/share/games/quartelo4' "$entree" || echec "Path="
grep -qxF 'Exec="/usr/games/quartelo4"' "$entree" || echec "Exec="
grep -qxF "Icon=$id" "$entree" || echec "Icon="
for cote in 16 24 32 48 64 128 256; do
  [ -f "$r/usr/share/icons/hicolor/${cote}x$cote/apps/$id.png" ] || echec "icon ${cote}x$cote"
done
doc="$r/usr/share/doc/quartelo4"
grep -qxF "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" "$doc/copyright" || echec "copyright format"
[ "$(zcat "$doc/changelog.Debian.gz" | sed -n 1p)" = "quartelo4 ($version-1) unstable; urgency=medium" ] || echec "changelog.Debian"
# The changelog's newest section is this version's.
premiere="$(zcat "$doc/changelog.gz" | grep -m 1 '^## ')"
[ "$premiere" = "## $version ($date)" ] || echec "changelog: its newest section is « $premiere »"
for page in man6 fr/man6; do
  grep -qxF "       /usr/games/quartelo4" <<<"$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$r/usr/share/man/$page/quartelo4.6.gz" 2>/dev/null)" \
    || echec "the man page in $page does not name the launcher"
done
bash "$valider" bureau "$r/usr" "$id"
bash "$valider" metainfo "$r/usr" "$id" "$version" "$date"
bash "$valider" manuel "$r/usr"
nombre=$(find "$r/usr/share/games/quartelo4/images" -type f | wc -l)
[ "$nombre" -eq 45 ] || echec "$nombre pictures instead of 45 (15 at 1x, 2x and 3x)"
for image in "$sources"/images/*.bmp; do
  cmp -s "$image" "$r/usr/share/games/quartelo4/images/$(basename "$image")" || echec "$(basename "$image") differs"
done
# Nothing of the build tree: only the game's files.
attendus="$(sed "s/@ID@/$id/g" <<'LISTE'
./
./usr/
./usr/games/
./usr/games/quartelo4
./usr/libexec/
./usr/libexec/quartelo4/
./usr/libexec/quartelo4/quartelo4
./usr/share/
./usr/share/applications/
./usr/share/applications/@ID@.desktop
./usr/share/doc/
./usr/share/doc/quartelo4/
./usr/share/doc/quartelo4/changelog.Debian.gz
./usr/share/doc/quartelo4/changelog.gz
./usr/share/doc/quartelo4/copyright
./usr/share/games/
./usr/share/games/quartelo4/
./usr/share/games/quartelo4/images/
./usr/share/icons/
./usr/share/icons/hicolor/
./usr/share/lintian/
./usr/share/lintian/overrides/
./usr/share/lintian/overrides/quartelo4
./usr/share/man/
./usr/share/man/fr/
./usr/share/man/fr/man6/
./usr/share/man/fr/man6/quartelo4.6.gz
./usr/share/man/man6/
./usr/share/man/man6/quartelo4.6.gz
./usr/share/metainfo/
./usr/share/metainfo/@ID@.metainfo.xml
LISTE
)"
inattendus=$(dpkg-deb --contents "$paquet" | awk '{print $6}' \
  | grep -v -E "^\./usr/share/(games/quartelo4/images/[^/]+\.bmp|icons/hicolor/[0-9]+x[0-9]+/(apps/($id\.png)?)?)\$" \
  | grep -v -x -F -e "$attendus" || true)
[ -z "$inattendus" ] || echec "unexpected files: $inattendus"
if command -v readelf >/dev/null; then
  ! readelf -d "$r/usr/libexec/quartelo4/quartelo4" | grep -q -E 'RPATH|RUNPATH' || echec "run path in the program"
fi

# lintian, as a distribution runs it: no error and no warning. The hints
# of lower severity are shown too.
if ! command -v lintian >/dev/null; then
  echec "lintian is missing (package lintian): bash scripts/installer-dependances.sh installs it"
fi
lintian --info --display-info --pedantic --show-overrides "$paquet" 2>&1 | grep -v "^N:" || true
lintian --fail-on error,warning "$paquet" || echec "lintian reports errors or warnings"
echo "package checked: $(basename "$paquet")"
