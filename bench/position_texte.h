// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Positions written as one line of text, as the analysis tool reads them and
// as the benchmark corpus stores them:
//
//   BOARD PLAYER DEPTH
//
// BOARD is 42 characters, row 0 (the top) first, each row from column 0 to
// column 6: '.' an empty cell, 'R' a red token (1), 'J' a yellow token (2).
// PLAYER is the side to move, 1 or 2; DEPTH the search depth, 1 to 42.

#include <array>
#include <optional>
#include <string>

#include "grille.h"

namespace positions {

using Plateau = std::array<Case, kCases>;

// No search goes deeper than the number of cells of the board.
constexpr int kProfondeurMax = kCases;

struct Position {
    Plateau grille{};
    int joueur = 1;
    int profondeur = 1;
};

// True for a line to skip: blank, or a comment starting with '#'.
bool ligneIgnoree(const std::string& ligne);

// Reads one line. On a malformed line returns nothing and puts the reason,
// in words for the user, in `erreur`.
std::optional<Position> lirePosition(const std::string& ligne, std::string& erreur);

// The 42 characters of a board.
std::string ecrireGrille(const Case* grille);

} // namespace positions
