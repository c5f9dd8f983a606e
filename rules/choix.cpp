// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's move as the game makes it: the search, then the pause.

#include "ordinateur.h"

#include <atomic>
#include <ctime>

namespace {

std::atomic<int> dureeCourante{500}; // milliseconds

} // namespace

void attendre(int millisecondes)
{
    const std::clock_t t0 = std::clock();
    if (t0 == static_cast<std::clock_t>(-1)) {
        return; // no processor clock on this system: waiting on it would never end
    }
    const auto cible = static_cast<std::clock_t>(
        static_cast<double>(t0)
        + static_cast<double>(millisecondes) * static_cast<double>(CLOCKS_PER_SEC) / 1000.0);
    while (true) {
        const std::clock_t maintenant = std::clock();
        if (maintenant >= cible || maintenant == static_cast<std::clock_t>(-1)) {
            break;
        }
    }
}

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
