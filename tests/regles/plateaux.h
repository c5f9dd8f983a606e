// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Boards for the rules tests, written as six rows of seven characters, top
// row first: '.' empty, 'R' red (1), 'J' yellow (2).

#include <array>
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <stdexcept>
#include <string>

#include "grille.h"
#include "ordinateur.h"

namespace essai {

using Plateau = std::array<Case, kCases>;

inline Plateau plateau(std::initializer_list<const char*> lignes)
{
    if (lignes.size() != static_cast<std::size_t>(kLignes)) {
        throw std::invalid_argument("six rows expected");
    }
    Plateau p{};
    int r = 0;
    for (const char* ligne : lignes) {
        const std::string texte(ligne);
        if (texte.size() != static_cast<std::size_t>(kColonnes)) {
            throw std::invalid_argument("seven cells expected in row " + texte);
        }
        for (int c = 0; c < kColonnes; ++c) {
            const char x = texte[static_cast<std::size_t>(c)];
            p[static_cast<std::size_t>(c + kColonnes * r)] = x == 'R' ? 1 : x == 'J' ? 2 : 0;
            if (x != 'R' && x != 'J' && x != '.') {
                throw std::invalid_argument("unknown cell in row " + texte);
            }
        }
        ++r;
    }
    return p;
}

inline Case& cellule(Plateau& p, int r, int c)
{
    return p[static_cast<std::size_t>(c + kColonnes * r)];
}

inline std::string dessin(const Plateau& p)
{
    std::string s;
    for (int r = 0; r < kLignes; ++r) {
        for (int c = 0; c < kColonnes; ++c) {
            const Case v = p[static_cast<std::size_t>(c + kColonnes * r)];
            s += v == 1 ? 'R' : v == 2 ? 'J' : '.';
        }
        s += '\n';
    }
    return s;
}

// The two ways into the computer player: the plain reference and the entry
// points that the game uses. The golden cases below must hold for both.
struct Moteur {
    const char* nom;
    int (*evaluerJoueur)(int, const Case*);
    int (*evaluerPosition)(int, const Case*);
    Analyse (*analyserPosition)(int, Case*, int);
};

inline std::ostream& operator<<(std::ostream& os, const Moteur& m)
{
    return os << m.nom;
}

} // namespace essai
