// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The search, node by node, as plainly as it can be written.

#include "reference.h"

#include "valeurs_recherche.h"

namespace reference {

std::int32_t alphaBeta(bool maximiser, int joueur, Case* grille, int profondeur, int colonne,
                       std::int32_t alpha, std::int32_t beta, std::uint64_t& appels)
{
    ++appels;

    // The node's move: the computer's token when maximising, else the opponent's.
    placerJeton(colonne, maximiser ? joueur : adversaire(joueur), grille);
    // Always the computer's score, whoever just played.
    const int s = evaluerPosition(joueur, grille);

    if (profondeur == 0) {
        retirerJeton(colonne, grille);
        return s;
    }

    if (maximiser) {
        std::int32_t meilleur = kPlusPetit;
        std::int32_t borne = beta;
        for (int i = 0; i < kColonnes; ++i) {
            if (!colonneJouable(grille, i)) {
                continue;
            }
            const std::int32_t v = ponderer(
                alphaBeta(false, joueur, grille, profondeur - 1, i, alpha, borne, appels), s,
                profondeur);
            if (v > meilleur) {
                meilleur = v;
            }
            if (meilleur >= borne) {
                break;
            }
            borne = meilleur;
        }
        retirerJeton(colonne, grille);
        return meilleur;
    }

    std::int32_t meilleur = kPlusGrand;
    for (int i = 0; i < kColonnes; ++i) {
        if (!colonneJouable(grille, i)) {
            continue;
        }
        const std::int32_t v = ponderer(
            alphaBeta(true, joueur, grille, profondeur - 1, i, alpha, beta, appels), s, profondeur);
        if (v < meilleur) {
            meilleur = v;
        }
        if (alpha >= meilleur) {
            break;
        }
        if (meilleur < beta) {
            beta = meilleur; // the following children get the lowered bound
        }
    }
    retirerJeton(colonne, grille);
    return meilleur;
}

std::int32_t alphaBeta(bool maximiser, int joueur, Case* grille, int profondeur, int colonne,
                       std::int32_t alpha, std::int32_t beta)
{
    std::uint64_t appels = 0;
    return alphaBeta(maximiser, joueur, grille, profondeur, colonne, alpha, beta, appels);
}

Analyse analyserPosition(int joueur, Case* grille, int profondeur)
{
    Analyse analyse;
    std::int32_t meilleur = kPlusPetit;
    for (int i = 0; i < kColonnes; ++i) {
        analyse.jouable[i] = colonneJouable(grille, i);
        if (!analyse.jouable[i]) {
            continue;
        }
        // Every column is searched with the full bounds.
        const std::int32_t v = alphaBeta(true, joueur, grille, profondeur - 1, i, kPlusPetit,
                                         kPlusGrand, analyse.appels);
        analyse.valeurs[i] = v;
        if (v > meilleur) {
            meilleur = v;
            analyse.colonne = i;
        }
    }
    // No value above the lowest integer (the last free cell of the board, at a
    // depth of 2 or more): the lowest-numbered playable column, never a full one.
    if (analyse.colonne < 0) {
        for (int i = 0; i < kColonnes; ++i) {
            if (analyse.jouable[i]) {
                analyse.colonne = i;
                break;
            }
        }
    }
    return analyse;
}

} // namespace reference
