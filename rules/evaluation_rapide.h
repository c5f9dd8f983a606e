// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Grading of the players with bit sets: each grading rule is tested for all
// the tokens of a player at once.

#include "bitboard.h"
#include "grille.h"

namespace rapide {

// Grade 0 to 4 of the player whose tokens are `propres`, the other player's
// tokens being `adverses` (disjoint board cells; gravity is not needed).
int note(Bits propres, Bits adverses);

// Score -4 to 4 for the side whose grade is `a`, its opponent's grade being `b`.
int scoreDesNotes(int a, int b);

// Score -4 to 4 of the position for the side whose tokens are `propres`.
inline int score(Bits propres, Bits adverses)
{
    return scoreDesNotes(note(propres, adverses), note(adverses, propres));
}

// The tokens of the two players of a board whose cells all hold 0, 1 or 2.
// False, with nothing written, when a cell holds another value.
bool lireJetons(const Case* grille, Bits& rouges, Bits& jaunes);

} // namespace rapide
