#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks that a release is reproducible: builds the last commit twice with
# scripts/publier.sh, in two fresh clones at paths of different lengths, one
# after the other, under different time zones, locales and umasks, then
# compares the two folders file by file. Any difference is shown as
# diffoscope's summary; its whole report stays in the report folder.
#
#   bash scripts/verifier-reproductible.sh [report folder]
#                                        default: build-reproductible
#
# The first run takes the static Qts from the cache (QUARTELO4_CACHE), the
# second from a copy of them in a cache at another path, as another user's
# would be. Exits 0 when the two releases are the same bytes.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/commun.sh"
debut=$SECONDS
rapport="$(realpath -m "${1:-$racine/build-reproductible}")"
installer reproductible
if [ -n "$(git -C "$racine" status --porcelain --untracked-files=normal)" ]; then
  echo "verifier-reproductible.sh : les changements non enregistrés ne sont pas vérifiés ; seul le dernier commit l'est." >&2
fi
commit="$(git -C "$racine" rev-parse HEAD)"

travail="$(mktemp -d)"
trap 'rm -rf "$travail"' EXIT
rm -rf "$rapport"
mkdir -p "$rapport"

# One build: a clone of the commit at DOSSIER, built under the time zone,
# the locale and the umask given; its release folder copied to the report.
construire() {
  local nom="$1" dossier="$2" fuseau="$3" langue="$4" masque="$5" cache_qt="$6"
  echo "Construction $nom dans $dossier (TZ=$fuseau, LANG=$langue, umask $masque, Qt de $cache_qt)…"
  git clone --quiet --no-hardlinks "$racine" "$dossier"
  git -C "$dossier" checkout --quiet --detach "$commit"
  ( umask "$masque" && cd "$dossier" && TZ="$fuseau" LANG="$langue" LC_ALL="$langue" QUARTELO4_CACHE="$cache_qt" \
      bash scripts/publier.sh "$rapport/$nom" ) > "$rapport/$nom.log" 2>&1 \
    || { tail -n 40 "$rapport/$nom.log" >&2; echo "La construction $nom a échoué : $rapport/$nom.log" >&2; exit 1; }
  rm -rf "$dossier"
}
construire premiere "$travail/a" UTC C.UTF-8 022 "$cache"
# The Qts the first run used, copied into another cache (the Wine prefix
# and the sources stay behind).
autre_cache="$travail/un-autre-utilisateur/.cache/quartelo4"
mkdir -p "$autre_cache"
cp -a "$(qt_statique windows)" "$(qt_statique web)" "$autre_cache/"
construire seconde "$travail/une-copie-au-chemin-bien-plus-long/du-depot/b" Pacific/Auckland POSIX 002 "$autre_cache"

echo
differences=0
for fichier in "$rapport/premiere"/*; do
  nom="$(basename "$fichier")"
  if cmp -s "$fichier" "$rapport/seconde/$nom"; then
    echo "identique : $nom"
  else
    differences=$((differences + 1))
    echo "DIFFÉRENT : $nom"
    diffoscope --no-progress --text "$rapport/diffoscope-$nom.txt" --max-report-size 4000000 \
      "$fichier" "$rapport/seconde/$nom" >/dev/null 2>&1 || true
    # The summary: which members differ, and how, in the first lines of each.
    grep -E '^(│ )*(├──|│┄|--- |\+\+\+ )' "$rapport/diffoscope-$nom.txt" | head -n 40 || true
  fi
done
for nom in $(cd "$rapport/seconde" && ls); do
  [ -e "$rapport/premiere/$nom" ] || { differences=$((differences + 1)); echo "SEULEMENT DANS LA SECONDE : $nom"; }
done
( cd "$rapport/premiere" && sha256sum --quiet -c SHA256SUMS ) || differences=$((differences + 1))
echo "Durée : $((SECONDS - debut)) s"
if [ "$differences" -ne 0 ]; then
  echo "Pas reproductible : $differences différence(s) ; les rapports de diffoscope sont dans $rapport" >&2
  exit 1
fi
echo "Reproductible : les deux constructions de $commit sont identiques, octet pour octet ($rapport/premiere)."
