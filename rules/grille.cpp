// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "grille.h"

namespace {

Case& cellule(Case* grille, int ligne, int colonne)
{
    return grille[colonne + kColonnes * ligne];
}

} // namespace

bool colonneJouable(const Case* grille, int colonne)
{
    return grille[colonne] == 0;
}

void placerJeton(int colonne, int valeur, Case* grille)
{
    // Go down the column while the cells are empty.
    int ligne = 0;
    while (ligne < kLignes && cellule(grille, ligne, colonne) == 0) {
        ++ligne;
    }
    if (ligne == 0) {
        return; // full column: nothing is written
    }
    // The last empty cell passed: just above the topmost token, or row 5.
    cellule(grille, ligne - 1, colonne) = valeur;
}

void retirerJeton(int colonne, Case* grille)
{
    int ligne = 0;
    while (ligne < kLignes && cellule(grille, ligne, colonne) == 0) {
        ++ligne;
    }
    if (ligne == kLignes) {
        return; // empty column: nothing to take back
    }
    cellule(grille, ligne, colonne) = 0;
}

int adversaire(int joueur)
{
    return joueur == 1 ? 2 : 1;
}

bool quatreIdentiques(Case a, Case b, Case c, Case d)
{
    return a != 0 && a == b && a == c && a == d;
}
