// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts that screen readers and other assistive technologies read: the
// names of the board's cells and headers and of the board itself. Nothing
// here is ever drawn. Rows are counted as a player counts them, from the
// bottom: « rangée 1 » is the bottom row, « rangée 6 » the top one.
namespace textes_accessibles {

// The row a player counts, 1 at the bottom, of board row 0 (top) to 5.
int rangee(int ligneDuPlateau);

// « rangée 1 » for the bottom row (board row 5).
QString nomDeRangee(int ligneDuPlateau);

// « vide », « pion rouge » or « pion jaune » for player 0, 1 or 2, followed
// by « gagnant » for a token of the winning line.
QString contenu(int joueur, bool gagnant);

// « colonne 3, rangée 1 : pion rouge gagnant ».
QString caseDuPlateau(int colonne, int ligneDuPlateau, int joueur, bool gagnant);

// « colonne 3 ».
QString enTete(int colonne);

// « colonne 3 : pion rouge à jouer »: the cursor of the side to move stands
// above the column.
QString enTeteAvecCurseur(int colonne, int joueur);

// The board widget itself.
QString plateau();

} // namespace textes_accessibles
