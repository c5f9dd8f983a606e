#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The wrapper that starts the test programs under Wine, against a stand-in
# for wine that fails to start the program its first times ($1: the wrapper).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine_commun.sh"
travail="$(mktemp -d)"
trap 'rm -rf "$travail"' EXIT
# Each case: the stand-in's answers in turn, then the status, output and
# number of starts expected. A silent failed start reads the input away;
# "lance" stands for a program that ran: it echoes its input, failing when
# asked.
cat >"$travail/wine" <<'FAUX'
#!/usr/bin/env bash
echo . >>"$REPONSES.n"; set -- $(cat "$REPONSES"); shift "$(($(wc -l <"$REPONSES.n") - 1))"
case "${1:-lance}" in
  muet) cat >/dev/null; exit 1 ;;
  shell) printf 'Application could not be started, or …\nShellExecuteEx failed: Internal error.\r\n\n'; exit 1 ;;
  cmd) echo "Can't recognize '\"Z:\\essai.exe\"' as an internal or external command" >&2; exit 49 ;;
  lance) echo "lu : $(cat)"; exit 0 ;;
  echoue) echo "lu : $(cat)"; exit 3 ;;
esac
FAUX
chmod +x "$travail/wine"
touch "$travail/essai.exe"
echo partie >"$travail/entree"
cas=0
while IFS='|' read -r reponses statut sortie lancements; do
  cas=$((cas + 1))
  export REPONSES="$travail/reponses-$cas"
  echo "$reponses" >"$REPONSES"
  obtenu=0
  resultat="$(PATH="$travail:$PATH" "$1" "$travail/essai.exe" <"$travail/entree" 2>/dev/null)" || obtenu=$?
  obtenu="$obtenu|$resultat|$(wc -l <"$REPONSES.n")"
  [ "$obtenu" = "$statut|$sortie|$lancements" ] || echec "« $reponses » donne $obtenu"
done <<'CAS'
muet shell cmd lance|0|lu : partie|4
echoue|3|lu : partie|1
muet muet muet muet muet lance|1||5
CAS
echo "reprise_wine : $cas cas"
