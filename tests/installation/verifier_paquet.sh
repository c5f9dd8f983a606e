#!/usr/bin/env bash
# Builds the Debian package from a build tree with CPack and checks it: its
# control fields, its files, the folders named by its launcher and desktop
# entry, and its pictures.
#
#   verifier_paquet.sh <build folder> <source folder>
set -euo pipefail
construction="$1"
sources="$2"
for outil in cpack dpkg-deb; do
  if ! command -v "$outil" >/dev/null; then
    echo "$outil is missing: the package is not checked"
    exit 77
  fi
done

travail="$(mktemp -d)"
trap 'rm -rf "$travail"' EXIT
echec() { echo "FAIL: $*"; exit 1; }

( cd "$travail" && cpack -G DEB --config "$construction/CPackConfig.cmake" -B "$travail" ) > "$travail/cpack.log" 2>&1 \
  || { cat "$travail/cpack.log"; echec "cpack"; }
paquets=("$travail"/quartelo4_*.deb)
[ ${#paquets[@]} -eq 1 ] && [ -f "${paquets[0]}" ] || echec "no single package in $travail"
paquet="${paquets[0]}"
dpkg-deb --info "$paquet"

champ() { dpkg-deb --field "$paquet" "$1"; }
[ "$(champ Package)" = quartelo4 ] || echec "Package"
[ "$(champ Section)" = games ] || echec "Section"
[ "$(champ Architecture)" = "$(dpkg --print-architecture)" ] || echec "Architecture"
[ -n "$(champ Version)" ] || echec "Version"
[[ "$(champ Maintainer)" == *"<"*"@"*">" ]] || echec "Maintainer"
[ -n "$(champ Description)" ] || echec "Description"
for dependance in libqt6core6 libqt6gui6 libqt6widgets6 fonts-dejavu-core; do
  [[ ", $(champ Depends)," == *", $dependance"[\ ,]* ]] || echec "Depends lacks $dependance"
done

dpkg-deb --extract "$paquet" "$travail/racine"
r="$travail/racine"
[ -x "$r/usr/bin/quartelo4" ] || echec "launcher"
[ -x "$r/usr/libexec/quartelo4/quartelo4" ] || echec "program"
grep -qxF 'cd "/usr/share/quartelo4" || exit 1' "$r/usr/bin/quartelo4" || echec "launcher folder"
grep -qxF 'exec "/usr/libexec/quartelo4/quartelo4" "$@"' "$r/usr/bin/quartelo4" || echec "launcher program"
grep -qxF 'Path=/usr/share/quartelo4' "$r/usr/share/applications/quartelo4.desktop" || echec "Path="
grep -qxF 'Exec="/usr/bin/quartelo4"' "$r/usr/share/applications/quartelo4.desktop" || echec "Exec="
[ -f "$r/usr/share/icons/hicolor/64x64/apps/quartelo4.png" ] || echec "icon"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$r/usr/share/applications/quartelo4.desktop" || echec "desktop entry not valid"
fi
nombre=$(find "$r/usr/share/quartelo4/images" -type f | wc -l)
[ "$nombre" -eq 15 ] || echec "$nombre pictures instead of 15"
for image in "$sources"/images/*.bmp; do
  cmp -s "$image" "$r/usr/share/quartelo4/images/$(basename "$image")" || echec "$(basename "$image") differs"
done
# Nothing of the build tree: only the game's files.
inattendus=$(dpkg-deb --contents "$paquet" | awk '{print $6}' | grep -v -E '^\./usr/(bin/quartelo4|libexec/quartelo4/(quartelo4)?|share/(quartelo4/(images/.*)?|applications/(quartelo4\.desktop)?|icons/hicolor/([0-9]+x[0-9]+/(apps/(quartelo4\.png)?)?)?)?|(bin|libexec|share|share/icons)/?)?$' || true)
[ -z "$inattendus" ] || echec "unexpected files: $inattendus"
if command -v readelf >/dev/null; then
  ! readelf -d "$r/usr/libexec/quartelo4/quartelo4" | grep -q -E 'RPATH|RUNPATH' || echec "run path in the program"
fi
echo "package checked: $(basename "$paquet")"
