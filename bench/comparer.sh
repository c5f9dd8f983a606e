#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Times the plain search (BM_Reference) and the game's search (BM_Jeu, the
# fast one) side by side in one run of quartelo4_bench, on the empty board and
# the corpus at depths 8, 10 and 12, and prints the table with the ratios.
#
#   bash bench/comparer.sh [build folder] [options for quartelo4_bench...]
#
# The build folder defaults to ./build and must hold bench/quartelo4_bench
# (configured with QUARTELO4_BENCH on). Options go to Google Benchmark, for
# instance --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
# (the medians of the repetitions are then used) or a --benchmark_filter of
# your own (the default takes both engines, every position and depth).
#
# Times are wall-clock times, as the game's player waits them; the CPU-time
# ratios are printed beside, since they hardly move when other programs share
# the processor. The calls column is the number of alphaBeta calls of the
# plain search: both engines must report the same, and a line that does not
# is marked "DIFFERENT".
set -euo pipefail

racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
construction="${1:-$racine/build}"
if [ $# -gt 0 ]; then
  shift
fi
binaire="$construction/bench/quartelo4_bench"
if [ ! -x "$binaire" ]; then
  echo "comparer.sh: $binaire not found; build the benchmarks first:" >&2
  echo "  cmake -S $racine -B $construction && cmake --build $construction --target quartelo4_bench" >&2
  exit 1
fi

filtre=(--benchmark_filter='^BM_(Reference|Jeu)/')
for option in "$@"; do
  case "$option" in
    --benchmark_filter=*) filtre=() ;;
  esac
done

csv="$(mktemp)"
trap 'rm -f "$csv"' EXIT
"$binaire" "${filtre[@]}" --benchmark_format=csv "$@" > "$csv"

awk -F, '
function trier(t, n,    i, j, x) {
  for (i = 2; i <= n; i++) {
    x = t[i]
    for (j = i - 1; j >= 1 && t[j] > x; j--) t[j + 1] = t[j]
    t[j + 1] = x
  }
}
function mediane(t, n) {
  trier(t, n)
  return n % 2 ? t[(n + 1) / 2] : (t[n / 2] + t[n / 2 + 1]) / 2
}
function ms(v, unite) {
  if (unite == "ns") return v / 1e6
  if (unite == "us") return v / 1e3
  if (unite == "s") return v * 1e3
  return v
}
NR == 1 {
  for (i = 1; i <= NF; i++) { gsub(/"/, "", $i); colonne[$i] = i }
  next
}
{
  nom = $1
  gsub(/"/, "", nom)
  if (nom ~ /_(mean|stddev|cv)$/) next
  sub(/_median$/, "", nom)
  n = split(nom, morceaux, "/")
  if (n < 3) next
  moteur = morceaux[1]; sub(/^BM_/, "", moteur)
  cas = morceaux[2] "/" morceaux[3]
  if (!(cas in vu)) { vu[cas] = 1; ordre[++nombre] = cas; position[cas] = morceaux[2]; profondeur[cas] = morceaux[3] }
  reel[moteur, cas] = ms($colonne["real_time"], $colonne["time_unit"])
  cpu[moteur, cas] = ms($colonne["cpu_time"], $colonne["time_unit"])
  appels[moteur, cas] = $colonne["appels"]
}
END {
  printf "%-10s %5s %10s %14s %10s %8s %8s\n", "position", "depth", "calls", "reference ms", "fast ms", "ratio", "cpu ratio"
  for (k = 1; k <= nombre; k++) {
    cas = ordre[k]
    if (!(("Reference", cas) in reel) || !(("Jeu", cas) in reel)) continue
    r = reel["Reference", cas]; f = reel["Jeu", cas]
    marque = appels["Reference", cas] == appels["Jeu", cas] ? "" : "  DIFFERENT calls: " appels["Jeu", cas]
    printf "%-10s %5s %10d %14.3f %10.3f %8.1f %8.1f%s\n", position[cas], profondeur[cas], appels["Reference", cas], r, f, r / f, cpu["Reference", cas] / cpu["Jeu", cas], marque
    if (marque != "") differences++
    if (position[cas] ~ /^corpus/) {
      d = profondeur[cas]
      if (!(d in compte)) profondeurs[++nprof] = d
      i = ++compte[d]
      refs[d, i] = r; rapides[d, i] = f; ratios[d, i] = r / f; ratiosCpu[d, i] = cpu["Reference", cas] / cpu["Jeu", cas]
      if (r > pireRef[d]) { pireRef[d] = r; pireNom[d] = position[cas]; pireRapideDuPire[d] = f }
      if (f > pireRapide[d]) { pireRapide[d] = f; pireRapideNom[d] = position[cas] }
    }
  }
  printf "\nCorpus, per depth (ratio = reference time / fast time):\n"
  printf "%5s %4s %12s %10s %12s   %-34s %-24s %10s %10s\n", "depth", "n", "median ref", "median fast", "ratio of", "slowest for the reference", "slowest for the fast one", "smallest", "median"
  printf "%5s %4s %12s %10s %12s   %-34s %-24s %10s %10s\n", "", "", "ms", "ms", "medians", "(ref ms / fast ms = ratio)", "(fast ms)", "ratio", "cpu ratio"
  for (p = 1; p <= nprof; p++) {
    d = profondeurs[p]; n = compte[d]
    for (i = 1; i <= n; i++) { a[i] = refs[d, i]; b[i] = rapides[d, i]; c[i] = ratios[d, i]; e[i] = ratiosCpu[d, i] }
    mr = mediane(a, n); mf = mediane(b, n); trier(c, n); mc = mediane(e, n)
    printf "%5s %4d %12.3f %10.3f %12.1f   %-34s %-24s %10.1f %10.1f\n", d, n, mr, mf, mr / mf,
      sprintf("%s %.1f / %.3f = %.1f", pireNom[d], pireRef[d], pireRapideDuPire[d], pireRef[d] / pireRapideDuPire[d]),
      sprintf("%s %.3f", pireRapideNom[d], pireRapide[d]), c[1], mc
  }
  if (differences > 0) { printf "\n%d cases with different numbers of calls\n", differences; exit 1 }
}' "$csv"
