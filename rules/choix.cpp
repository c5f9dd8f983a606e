// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's move as the game makes it: the search, then the pause.

#include "ordinateur.h"

#include <atomic>

namespace {

std::atomic<int> dureeCourante{500}; // milliseconds

} // namespace

int dureePause()
{
    return dureeCourante.load();
}

void setDureePause(int millisecondes)
{
    dureeCourante.store(millisecondes);
}

int choisirColonne(const Joueur& joueur, Case* grille, int profondeur)
{
    const Analyse analyse = analyserPosition(joueur.getNumero(), grille, profondeur);
    attendre(dureePause());
    return analyse.colonne;
}
