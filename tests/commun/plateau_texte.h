// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The board as text, in the picture codes of images_essai.h: what the labels
// show, what the board array holds, and what a list of moves must give.

#include <QString>

#include <utility>
#include <vector>

#include "grille.h"

class Quartelo4;

namespace essai {

// The header row as seven codes, e.g. "x123456": red cursor on column 0.
QString enTete(const Quartelo4* plateau);

// The six board rows, top to bottom, as codes, one line each.
QString plateauVu(const Quartelo4* plateau);

// A board array as the same codes ('.' 'r' 'j'; '?' for any other value),
// rows top to bottom, one line each.
QString grilleEnTexte(const Case* grille);
// The board widget's array.
QString grilleVue(const Quartelo4* plateau);

int nombreDeJetons(const Quartelo4* plateau);

// The board that a list of moves gives, played from an empty board with
// `premier` (1 red, 2 yellow) opening, in the codes of plateauVu.
QString apresCoups(const std::vector<int>& coups, int premier = 1);

// Puts the winning codes on the given cells (row, column) of a board string.
QString avecGagnants(QString plateau, const std::vector<std::pair<int, int>>& cases);

// The header row with the cursor of `joueur` (1 red, 2 yellow, 0 none) on `colonne`.
QString enTeteAvecCurseur(int colonne, int joueur);

}  // namespace essai
