// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Random boards for comparing the fast search with the plain one. Everything
// is drawn from a seeded generator, so a failure can be replayed.

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "grille.h"
#include "ordinateur.h"

namespace comparaison {

using Plateau = std::array<Case, kCases>;
using Alea = std::mt19937_64;

// A number from 0 to n - 1.
inline int tirer(Alea& alea, int n)
{
    return static_cast<int>(alea() % static_cast<std::uint64_t>(n));
}

inline bool aQuatre(const Plateau& p, int joueur)
{
    constexpr int pas[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
    for (int r = 0; r < kLignes; ++r) {
        for (int c = 0; c < kColonnes; ++c) {
            for (const auto& d : pas) {
                int k = 0;
                while (k < 4) {
                    const int rr = r + k * d[0];
                    const int cc = c + k * d[1];
                    if (rr < 0 || rr >= kLignes || cc < 0 || cc >= kColonnes
                        || p[static_cast<std::size_t>(cc + kColonnes * rr)] != joueur) {
                        break;
                    }
                    ++k;
                }
                if (k == 4) {
                    return true;
                }
            }
        }
    }
    return false;
}

inline int casesLibres(const Plateau& p)
{
    int n = 0;
    for (Case v : p) {
        n += v == 0 ? 1 : 0;
    }
    return n;
}

// A position reached by alternating play from the empty board, red first,
// `coups` random moves (fewer if the board fills up); wins do not stop the
// play. `trait` receives the side to move.
inline Plateau partie(Alea& alea, int coups, int& trait)
{
    Plateau p{};
    int joueur = 1;
    for (int k = 0; k < coups && casesLibres(p) > 0; ++k) {
        int c = tirer(alea, kColonnes);
        while (!colonneJouable(p.data(), c)) {
            c = (c + 1) % kColonnes;
        }
        placerJeton(c, joueur, p.data());
        joueur = adversaire(joueur);
    }
    trait = joueur;
    return p;
}

// A board that obeys gravity with random column heights and random tokens:
// the counts of red and yellow need not be those of a real game.
inline Plateau empilement(Alea& alea)
{
    Plateau p{};
    const int remplissage = tirer(alea, kLignes + 1); // how full the board tends to be
    for (int c = 0; c < kColonnes; ++c) {
        const int hauteur = std::min(kLignes, tirer(alea, kLignes + 1) + tirer(alea, remplissage + 1) / 2);
        for (int h = 0; h < hauteur; ++h) {
            p[static_cast<std::size_t>(c + kColonnes * (kLignes - 1 - h))] = 1 + tirer(alea, 2);
        }
    }
    return p;
}

// Any cell any value 0, 1 or 2, tokens floating above empty cells included.
inline Plateau desordre(Alea& alea)
{
    Plateau p{};
    const int vide = tirer(alea, 5); // weight of the empty cell
    for (Case& v : p) {
        const int x = tirer(alea, vide + 2);
        v = x < vide ? 0 : 1 + tirer(alea, 2);
    }
    return p;
}

inline std::string dessin(const Plateau& p)
{
    std::string s;
    for (int r = 0; r < kLignes; ++r) {
        for (int c = 0; c < kColonnes; ++c) {
            const Case v = p[static_cast<std::size_t>(c + kColonnes * r)];
            s += v == 1 ? 'R' : v == 2 ? 'J' : v == 0 ? '.' : '?';
        }
        s += '\n';
    }
    return s;
}

// True when both analyses agree on everything; otherwise `ecart` says where.
inline bool memesAnalyses(const Analyse& a, const Analyse& b, std::string& ecart)
{
    if (a.colonne != b.colonne) {
        ecart = "column " + std::to_string(a.colonne) + " vs " + std::to_string(b.colonne);
        return false;
    }
    if (a.appels != b.appels) {
        ecart = "calls " + std::to_string(a.appels) + " vs " + std::to_string(b.appels);
        return false;
    }
    for (int i = 0; i < kColonnes; ++i) {
        if (a.jouable[i] != b.jouable[i] || a.valeurs[i] != b.valeurs[i]) {
            ecart = "column " + std::to_string(i) + ": playable " + std::to_string(a.jouable[i])
                    + " vs " + std::to_string(b.jouable[i]) + ", value "
                    + std::to_string(a.valeurs[i]) + " vs " + std::to_string(b.valeurs[i]);
            return false;
        }
    }
    return true;
}

} // namespace comparaison
