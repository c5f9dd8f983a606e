// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The board as bit sets, for the fast search.
//
// Bit layout: column c holds bits 7c to 7c + 6; bit 7c + h is the cell h rows
// above the bottom (h = 5 - r for the board row r, row 0 being the top). The
// seventh bit of each column (h = 6) never holds a cell: it keeps a shift by
// one row, or by one diagonal step, from running into the next column.

#include <cstdint>

#include "grille.h"

namespace rapide {

using Bits = std::uint64_t;

constexpr int kPasColonne = kLignes + 1; // bits per column, the guard bit included

// Bit index of the cell at board row `ligne` (0 top) and column `colonne`.
constexpr int indexBit(int ligne, int colonne)
{
    return colonne * kPasColonne + (kLignes - 1 - ligne);
}

constexpr Bits bitCase(int ligne, int colonne)
{
    return Bits{1} << indexBit(ligne, colonne);
}

// The cells of board rows `ligneMin` to `ligneMax` and columns `colonneMin`
// to `colonneMax` (an empty set when a range is empty).
constexpr Bits rectangle(int ligneMin, int ligneMax, int colonneMin, int colonneMax)
{
    Bits b = 0;
    for (int r = ligneMin; r <= ligneMax; ++r) {
        for (int c = colonneMin; c <= colonneMax; ++c) {
            if (r >= 0 && r < kLignes && c >= 0 && c < kColonnes) {
                b |= bitCase(r, c);
            }
        }
    }
    return b;
}

constexpr Bits kPlateau = rectangle(0, kLignes - 1, 0, kColonnes - 1);
constexpr Bits kLigneBas = rectangle(kLignes - 1, kLignes - 1, 0, kColonnes - 1);
constexpr Bits kLigneHaut = rectangle(0, 0, 0, kColonnes - 1);

constexpr Bits lignes(int ligneMin, int ligneMax)
{
    return rectangle(ligneMin, ligneMax, 0, kColonnes - 1);
}

constexpr Bits colonnes(int colonneMin, int colonneMax)
{
    return rectangle(0, kLignes - 1, colonneMin, colonneMax);
}

// The cells t of the board for which t + (dLigne, dColonne) is on the board.
constexpr Bits departsValides(int dLigne, int dColonne)
{
    return rectangle(-dLigne, kLignes - 1 - dLigne, -dColonne, kColonnes - 1 - dColonne);
}

// The cells t such that the cell t + (DL, DC) (DL rows down, DC columns to the
// right) is on the board and belongs to `a` (`a` must hold board cells only).
template <int DL, int DC>
constexpr Bits vers(Bits a)
{
    constexpr int decalage = DC * kPasColonne - DL;
    constexpr Bits valides = departsValides(DL, DC);
    if constexpr (decalage > 0) {
        return (a >> decalage) & valides;
    } else {
        return (a << -decalage) & valides;
    }
}

// The cells on which a token would rest, or that rest on a token: the bottom
// row and every cell above an occupied one.
constexpr Bits soutenues(Bits occupees)
{
    return (kLigneBas | (occupees << 1)) & kPlateau;
}

// True when the set holds four cells in a line (row, column or diagonal).
constexpr bool quatreAlignes(Bits a)
{
    const Bits v = a & (a >> 1);
    const Bits h = a & (a >> kPasColonne);
    const Bits d1 = a & (a >> (kPasColonne - 1));
    const Bits d2 = a & (a >> (kPasColonne + 1));
    return ((v & (v >> 2)) | (h & (h >> (2 * kPasColonne)))
            | (d1 & (d1 >> (2 * (kPasColonne - 1)))) | (d2 & (d2 >> (2 * (kPasColonne + 1)))))
           != 0;
}

// The lowest bit of each column: adding it to a column's occupied cells gives
// the first free cell of that column.
constexpr Bits kBasColonnes = kLigneBas;

constexpr Bits masqueColonne(int colonne)
{
    return rectangle(0, kLignes - 1, colonne, colonne);
}

// A board that obeys gravity, as two sets: the red tokens and all tokens.
struct Position {
    Bits rouges = 0;
    Bits occupees = 0;

    bool jouable(int colonne) const { return (occupees & bitCase(0, colonne)) == 0; }

    // The cell where a token dropped into the (playable) column comes to rest.
    Bits caseLibre(int colonne) const
    {
        return (occupees + (Bits{1} << (colonne * kPasColonne))) & masqueColonne(colonne);
    }

    // A key that tells apart any two boards that obey gravity: per column, the
    // red tokens plus one bit just above the column's topmost token.
    std::uint64_t cle() const { return rouges + occupees + kBasColonnes; }
};

} // namespace rapide
