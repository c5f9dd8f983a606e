#pragma once

// The fast search: the same tree as the plain search, node for node, with
// the same values and the same number of calls, computed on bit sets.
//
// What makes it fast:
// - the board is two bit sets; a move and its undo are a few bit operations,
//   and every grading rule is tested for all the tokens at once;
// - a table of the nodes already searched (fixed size, allocated once): a
//   node's value and its number of calls depend only on the board below it,
//   its depth, and its upper bound beta, and only through comparisons with
//   beta, so each stored node also keeps the whole range of beta for which
//   the result holds, and a node met again, by another order of the same
//   moves, with a beta in that range is not searched again;
// - the columns of the root are searched on two threads at once; each
//   column's value is independent of the others, so the result is the same.
//
// Boards outside what the bit sets describe (a cell holding a value other
// than 0, 1 or 2, a token floating above an empty cell), player numbers other
// than 1 and 2, negative depths and full columns are handed to the plain
// search, which then behaves exactly as before.

#include <cstdint>

#include "grille.h"
#include "ordinateur.h"

namespace rapide {

// As ::alphaBeta; `appels` is increased by the number of alphaBeta calls that the
// plain search makes for it (this call included).
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
