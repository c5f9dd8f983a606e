// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include "grille.h"

class VueJeu;
namespace essai {
class ImagesDuJeu;
}
struct EtatJeu;

// What the checks know beyond the window itself.
struct Contexte {
    bool sansImages = false;   // the working folder has no images folder
    int ouvreur = 0;           // side that opened the game in progress, 0 when unknown
    bool boiteOuverte = false; // the end-of-game box is up
};

// The game's invariants as a user sees them; one line per fault found, empty
// when all hold.
QStringList verifierEtat(const VueJeu& vue, const EtatJeu& etat, essai::ImagesDuJeu& images,
                         const Contexte& contexte);

// Lowest empty row of the column, -1 when it is full.
int ligneLibre(const Case* grille, int colonne);
