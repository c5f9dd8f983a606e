// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// End-of-game detection: a line of four of one colour wins, a full board
// without one is a draw.

#include "quartelo4.h"

namespace {

struct Direction {
    int dLigne;
    int dColonne;
};

} // namespace

// Scans the board from the top row down, each row from left to right. Every
// cell tests one vertical, one horizontal and one diagonal line of four, each
// pointing from the cell towards the middle of the board so that it stays on
// the board. The first line found is drawn with the winning images.
bool Quartelo4::verifierFin()
{
    const auto valeur = [this](int ligne, int colonne) {
        return grille[colonne + kColonnes * ligne];
    };

    for (int ligne = 0; ligne < kLignes; ++ligne) {
        for (int colonne = 0; colonne < kColonnes; ++colonne) {
            const int pasLigne = ligne <= 2 ? 1 : -1;
            const int pasColonne = colonne <= 2 ? 1 : -1;
            const Direction directions[] = {
                {pasLigne, 0},          // vertical
                {0, pasColonne},        // horizontal
                {pasLigne, pasColonne}, // diagonal
            };
            const Case v = valeur(ligne, colonne);
            for (const Direction& d : directions) {
                if (!quatreIdentiques(v,
                                      valeur(ligne + d.dLigne, colonne + d.dColonne),
                                      valeur(ligne + 2 * d.dLigne, colonne + 2 * d.dColonne),
                                      valeur(ligne + 3 * d.dLigne, colonne + 3 * d.dColonne)))
                    continue;
                for (int k = 0; k < 4; ++k)
                    montrerCase(ligne + k * d.dLigne, colonne + k * d.dColonne, v, true);
                gagnant = v;
                joueurCourant = 0;
                return true;
            }
        }
    }

    // Columns fill from the bottom: a full top row is a full board.
    for (int colonne = 0; colonne < kColonnes; ++colonne) {
        if (valeur(0, colonne) == 0)
            return false;
    }
    joueurCourant = 0;
    return true;
}
