// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "grille.h"

// Lines of four on a board, found here independently of the game's code, so
// that the tests can judge what the board widget draws.

struct CaseGrille {
    int ligne;
    int colonne;
};

struct LigneDeQuatre {
    int valeur = 0;                   // 1 or 2, 0 when no line was found
    std::array<CaseGrille, 4> cases{}; // the first cell, then the three others in order
};

// The line that the end-of-game scan finds first: cells row by row from the
// top, left to right; at each cell a vertical, then a horizontal, then a
// diagonal line, each in the one direction that the cell's position allows.
LigneDeQuatre premiereLigne(const Case* grille);

// Whether the player has any of the 69 lines of four of the board.
bool aUneLigne(const Case* grille, int joueur);

// Whether every column holds its tokens in one run down to the bottom row and
// every cell holds 0, 1 or 2.
bool suitLaGravite(const Case* grille);

// Number of the player's tokens on the board.
int compterJetons(const Case* grille, int joueur);

// Whether the top row is full.
bool estPleine(const Case* grille);
