// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The grading that the game uses: the bit-set grading, which gives the same
// grades as the plain one on every board whose cells hold 0, 1 or 2. Other
// boards and player numbers go to the plain grading.

#include "evaluation_rapide.h"
#include "ordinateur.h"
#include "reference.h"

int evaluerJoueur(int joueur, const Case* grille)
{
    rapide::Bits rouges = 0;
    rapide::Bits jaunes = 0;
    if ((joueur != 1 && joueur != 2) || !rapide::lireJetons(grille, rouges, jaunes)) {
        return reference::evaluerJoueur(joueur, grille);
    }
    return joueur == 1 ? rapide::note(rouges, jaunes) : rapide::note(jaunes, rouges);
}

int evaluerPosition(int joueur, const Case* grille)
{
    rapide::Bits rouges = 0;
    rapide::Bits jaunes = 0;
    if ((joueur != 1 && joueur != 2) || !rapide::lireJetons(grille, rouges, jaunes)) {
        return reference::evaluerPosition(joueur, grille);
    }
    return joueur == 1 ? rapide::score(rouges, jaunes) : rapide::score(jaunes, rouges);
}
