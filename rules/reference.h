// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "grille.h"
#include "ordinateur.h"

// The computer player written plainly, rule by rule, with no attempt at speed.
// It is the yardstick of the game's search: any faster engine must give the
// same grades, scores, values, chosen columns and numbers of calls.
// Nothing here keeps state between calls, so two threads may search two
// different boards at the same time.
namespace reference {

// Grade 0 to 4 of `joueur` on the board (4: four in a line).
int evaluerJoueur(int joueur, const Case* grille);

// Score -4 to 4 of the position for `joueur`, from both players' grades.
int evaluerPosition(int joueur, const Case* grille);

// Value of playing `colonne`, as ::alphaBeta.
std::int32_t alphaBeta(bool maximiser, int joueur, Case* grille, int profondeur,
                       int colonne, std::int32_t alpha, std::int32_t beta);

// The same, adding to `appels` the number of alphaBeta calls made (this one
// included).
std::int32_t alphaBeta(bool maximiser, int joueur, Case* grille, int profondeur,
                       int colonne, std::int32_t alpha, std::int32_t beta,
                       std::uint64_t& appels);

// The root of the search, as ::analyserPosition: every playable column gets
// its value with the full bounds, the strictly largest value wins (the
// lowest-numbered column among equals) and, when no value is above the lowest
// integer, the lowest-numbered playable column is chosen.
Analyse analyserPosition(int joueur, Case* grille, int profondeur);

} // namespace reference
