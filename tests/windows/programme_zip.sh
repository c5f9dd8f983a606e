#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real program from the portable zip, under Wine, played as a user
# would: unpacked and started in its folder, the start window is centred;
# « Nouvelle Partie » opens the game; red wins with four clicks in column 0
# against yellow's three in column 1, the board shows the winning pictures
# and the end box opens; Escape then quits with exit status 0. Every text is
# drawn in a sans face.
#
#   programme_zip.sh ZIP
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine_commun.sh"
travail="$(mktemp -d)"
trap 'rm -rf "$travail"' EXIT
unzip -q "$1" -d "$travail"
cd "$travail/Quartelo 4"
[ -f quartelo4.exe ] && [ -f images/pion_rouge_gagnant.bmp ] && [ -f LISEZMOI.txt ] \
  && [ -f licences/AVIS-TIERS.txt ] || echec "le dossier du zip est incomplet"

# Qt's log of the faces the program draws with, on the error output.
printf '@set QT_LOGGING_RULES=qt.qpa.fonts.debug=true\r\n@set QT_FORCE_STDERR_LOGGING=1\r\n@quartelo4.exe\r\n' \
  > lancer.bat
wine cmd /c lancer.bat 2>"$travail/polices.txt" &
programme=$!

read -r largeur_ecran hauteur_ecran < <(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')
debut="$(fenetre "Quartelo 4" 250 210)"
read -r _ x y <<<"$debut"
# The window, title bar included, is centred: its inside lies a title bar
# lower than the middle.
[ "$x" = $((largeur_ecran / 2 - 125)) ] && [ "$y" -ge $((hauteur_ecran / 2 - 105)) ] \
  && [ "$y" -le $((hauteur_ecran / 2 - 105 + 40)) ] \
  || echec "fenêtre de départ en ($x, $y) sur un écran de $largeur_ecran×$hauteur_ecran"
cliquer "$debut" 65 181

jeu="$(fenetre "Quartelo 4" 880 720)"
# The board's cells are 90 pixels wide from x = 10, its rows from y = 135.
for colonne in 0 1 0 1 0 1 0; do
  cliquer "$jeu" $((10 + 45 + 90 * colonne)) 400
done
fenetre "Partie terminée" >/dev/null
for rangee in 2 3 4 5; do
  montre "$jeu" 10 $((135 + 90 * rangee)) 90 images/pion_rouge_gagnant.bmp \
    || echec "la case de la colonne 0, rangée $rangee, ne montre pas le pion gagnant"
done
montre "$jeu" 100 585 90 images/pion_jaune_joue.bmp || echec "pas de pion jaune en colonne 1"
xdotool key Return
sleep 0.5
xdotool key Escape
statut=0
wait "$programme" || statut=$?
[ "$statut" = 0 ] || echec "le programme a fini avec le statut $statut"

# Every text of the windows and of the end box in a sans face, even where
# Wine names a face it lacks and a serif one (C059) comes first in
# alphabetical order. (Faces the program only asks about are at Qt's default
# 12 points; the windows' texts are smaller.)
faces="$(sed -n 's/.*fontEngine FONTDEF QFontDef(Family="\([^"]*\)", pointsize=\([0-9.]*\),.*/\2 \1/p' "$travail/polices.txt" \
  | awk '$1 < 12 { $1 = ""; sub(/^ /, ""); print }' | sort -u)"
[ -n "$faces" ] || echec "aucune police dans le journal de Qt"
autres="$(grep -v -x -E 'Tahoma|Segoe UI|DejaVu Sans' <<<"$faces" || true)"
[ -z "$autres" ] || echec "textes dessinés avec : $(tr '\n' ',' <<<"$autres")"
echo "programme du zip : fenêtre centrée, partie gagnée à la souris, boîte de fin, Échap : statut 0," \
  "textes en $(tr '\n' ' ' <<<"$faces")"
