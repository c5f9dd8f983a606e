// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "positions_aleatoires.h"

#include <cerrno>
#include <cstdlib>

#include "lignes.h"

PositionsAleatoires::PositionsAleatoires(std::uint64_t graine) : alea(graine) {}

int PositionsAleatoires::entre(int min, int max)
{
    return std::uniform_int_distribution<int>(min, max)(alea);
}

void PositionsAleatoires::remplir(Case* grille, int jetons, bool sansLigne)
{
    for (int i = 0; i < kCases; ++i) {
        grille[i] = 0;
    }
    int joueur = entre(1, 2);
    for (int n = 0; n < jetons; ++n) {
        int candidates[kColonnes];
        int nombre = 0;
        int jouables[kColonnes];
        int nombreJouables = 0;
        for (int c = 0; c < kColonnes; ++c) {
            if (grille[c] != 0) {
                continue;
            }
            jouables[nombreJouables++] = c;
            if (sansLigne) {
                placerJeton(c, joueur, grille);
                const bool ligne = aUneLigne(grille, joueur);
                retirerJeton(c, grille);
                if (ligne) {
                    continue;
                }
            }
            candidates[nombre++] = c;
        }
        if (nombreJouables == 0) {
            return; // cannot happen below 42 tokens
        }
        const int c = nombre > 0 ? candidates[entre(0, nombre - 1)]
                                 : jouables[entre(0, nombreJouables - 1)];
        placerJeton(c, joueur, grille);
        joueur = adversaire(joueur);
    }
}

std::uint64_t graineDepuisEnvironnement(const char* nom, std::uint64_t parDefaut)
{
    const char* texte = std::getenv(nom);
    if (texte == nullptr || *texte == '\0') {
        return parDefaut;
    }
    char* fin = nullptr;
    errno = 0;
    const unsigned long long valeur = std::strtoull(texte, &fin, 10);
    if (errno != 0 || fin == texte || *fin != '\0') {
        return parDefaut;
    }
    return valeur;
}

long nombreDepuisEnvironnement(const char* nom, long parDefaut)
{
    const char* texte = std::getenv(nom);
    if (texte == nullptr || *texte == '\0') {
        return parDefaut;
    }
    char* fin = nullptr;
    errno = 0;
    const long valeur = std::strtol(texte, &fin, 10);
    if (errno != 0 || fin == texte || *fin != '\0' || valeur <= 0) {
        return parDefaut;
    }
    return valeur;
}
