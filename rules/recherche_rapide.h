// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The fast search: for every position and depth, the same values, the same
// chosen column and the same number of alphaBeta calls as the plain search
// (reference.h), wrap-around near a full board included.
//
// What makes it fast:
// - the board is two bit sets; a move and its undo are a few bit operations,
//   and every grading rule is tested for all the tokens at once;
// - a table of the nodes already searched (2 MiB in static storage, nothing
//   is allocated while searching). A node's value and its number of calls
//   depend only on the board below it, its depth, whose token it dropped,
//   the player and alpha (fixed for a whole search) and its upper bound beta,
//   and on beta only through comparisons. So each stored node also keeps the
//   whole range of beta over which its result holds, and a node met again
//   (another order of the same moves) with a beta in that range is not
//   searched again: its value and its number of calls are taken as stored.
//   The count reported is therefore that of the plain tree, node for node,
//   while far fewer nodes are actually visited. Every search starts with an
//   empty table (a new generation), so one search never sees another's nodes.
//
// One search runs at a time (the table is shared); calls from several
// threads wait for each other. The fast search only reads the board.
//
// Boards outside what the bit sets describe (a cell holding a value other
// than 0, 1 or 2, a token floating above an empty cell), player numbers other
// than 1 and 2, depths below 0 (below 1 for an analysis) and full or unknown
// columns are handed to the plain search, which then behaves exactly as
// before, board changes included.

#include <cstdint>

#include "grille.h"
#include "ordinateur.h"

namespace rapide {

// As ::alphaBeta; `appels` is increased by the number of alphaBeta calls
// that the plain search makes for it (this call included).
std::int32_t alphaBeta(bool maximiser, int joueur, Case* grille, int profondeur, int colonne,
                       std::int32_t alpha, std::int32_t beta, std::uint64_t& appels);

// As ::analyserPosition.
Analyse analyserPosition(int joueur, Case* grille, int profondeur);

// How the last search went, for the benchmarks and the tests.
struct Statistiques {
    std::uint64_t noeudsVisites = 0;  // nodes actually searched
    std::uint64_t noeudsRetrouves = 0; // nodes taken from the table
};
Statistiques statistiquesDerniereRecherche();

} // namespace rapide
