// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The board: 6 rows of 7 cells, row-major, row 0 at the top, row 5 at the
// bottom. The cell of row r and column c is element c + 7 * r.
// 0 is an empty cell, 1 a red token, 2 a yellow token.
using Case = std::int32_t;

constexpr int kLignes = 6;
constexpr int kColonnes = 7;
constexpr int kCases = kLignes * kColonnes;

using Grille = Case[kCases];

// True exactly when the top cell of the column is empty.
bool colonneJouable(const Case* grille, int colonne);

// Drops a token of value `valeur` into the column; a full column is left as it is.
void placerJeton(int colonne, int valeur, Case* grille);

// Clears the topmost token of the column; an empty column is left as it is.
void retirerJeton(int colonne, Case* grille);

// 2 for player 1, and 1 for every other value.
int adversaire(int joueur);

// True exactly when a is not 0 and a, b, c and d are equal.
bool quatreIdentiques(Case a, Case b, Case c, Case d);
