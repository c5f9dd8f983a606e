// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "grille.h"
#include "joueur.h"

// The computer player: a depth-limited alpha-beta search that tries its moves
// on the live board and always leaves it as it found it. Search values are
// 32-bit and wrap around on overflow.

// Grade 0 to 4 of `joueur` on the board (4: four in a line).
int evaluerJoueur(int joueur, const Case* grille);

// Score -4 to 4 of the position for `joueur`, from both players' grades.
int evaluerPosition(int joueur, const Case* grille);

// Value of playing `colonne` (the computer's token when `maximiser`, the
// opponent's otherwise), `profondeur` moves still to search below it.
// `joueur` is always the computer's side.
std::int32_t alphaBeta(bool maximiser, int joueur, Case* grille, int profondeur,
                       int colonne, std::int32_t alpha, std::int32_t beta);

// Pause of the given number of milliseconds: on the desktop a busy wait
// measured with clock() (attente.cpp); in the browser a wait that hands the
// page back to the browser meanwhile.
void attendre(int millisecondes);

// Everything the search finds at the root, without the pause.
struct Analyse {
    int colonne = -1;                 // the chosen column, always a playable one
    bool jouable[kColonnes] = {};     // which columns could take a token
    std::int32_t valeurs[kColonnes] = {}; // value of each playable column
    std::uint64_t appels = 0;         // number of alphaBeta calls, root calls included
};

// Searches the position for `joueur` (1 or 2) at depth `profondeur` >= 1.
// The board must have at least one playable column.
Analyse analyserPosition(int joueur, Case* grille, int profondeur);

// The column that the side `joueur` plays; returns after the computer's pause.
int choisirColonne(const Joueur& joueur, Case* grille, int profondeur);

// Length of the pause that choisirColonne makes, 500 ms in the game. Tests
// shorten it; nothing else changes it.
int dureePause();
void setDureePause(int millisecondes);
