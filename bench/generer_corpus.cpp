// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// quartelo4_generer_corpus: writes the benchmark corpus (bench/corpus.txt) on
// the standard output. The positions come from random games, red first,
// stopped after 10 to 20 tokens, none of them already won. The generator is
// seeded and std::mt19937's output is fixed by the C++ standard, so the file
// is the same on every machine; a test checks that it still is.

#include <cstdint>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "grille.h"
#include "position_texte.h"

namespace {

constexpr std::uint32_t kGraine = 20240611u;
constexpr int kNombrePositions = 24;
constexpr int kJetonsMin = 10;
constexpr int kJetonsMax = 20;
constexpr int kProfondeur = 12;

Case cellule(const Case* grille, int r, int c)
{
    return grille[c + kColonnes * r];
}

// Some line of four on the board holds four tokens of one player.
bool quatreAlignes(const Case* g)
{
    for (int r = 0; r < kLignes; ++r) {
        for (int c = 0; c < kColonnes; ++c) {
            if (c + 3 < kColonnes
                && quatreIdentiques(cellule(g, r, c), cellule(g, r, c + 1), cellule(g, r, c + 2),
                                    cellule(g, r, c + 3))) {
                return true;
            }
            if (r + 3 < kLignes
                && quatreIdentiques(cellule(g, r, c), cellule(g, r + 1, c), cellule(g, r + 2, c),
                                    cellule(g, r + 3, c))) {
                return true;
            }
            if (r + 3 < kLignes && c + 3 < kColonnes
                && quatreIdentiques(cellule(g, r, c), cellule(g, r + 1, c + 1),
                                    cellule(g, r + 2, c + 2), cellule(g, r + 3, c + 3))) {
                return true;
            }
            if (r + 3 < kLignes && c - 3 >= 0
                && quatreIdentiques(cellule(g, r, c), cellule(g, r + 1, c - 1),
                                    cellule(g, r + 2, c - 2), cellule(g, r + 3, c - 3))) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

int main()
{
    std::mt19937 aleas(kGraine);
    const auto tirage = [&aleas](std::uint32_t n) {
        return static_cast<int>(aleas() % n);
    };

    std::cout << "# Midgame positions for timing the computer player's search.\n"
                 "# Format: BOARD PLAYER DEPTH, as quartelo4_analyse reads it; the tool\n"
                 "# analyses them at depth 12 (quartelo4_analyse < bench/corpus.txt).\n"
                 "# quartelo4_bench times each position at depths 8, 10 and 12 and does\n"
                 "# not read the depth.\n"
                 "# Random games, red first, of 10 to 20 tokens, none already won.\n"
                 "# Written by quartelo4_generer_corpus (seed "
              << kGraine
              << "); do not edit by hand,\n"
                 "# regenerate with: quartelo4_generer_corpus > bench/corpus.txt\n";

    std::set<std::string> dejaVues;
    int ecrites = 0;
    while (ecrites < kNombrePositions) {
        const int jetons = kJetonsMin + tirage(kJetonsMax - kJetonsMin + 1);
        positions::Plateau grille{};
        int joueur = 1;
        bool gagnee = false;
        for (int k = 0; k < jetons && !gagnee; ++k) {
            std::vector<int> libres;
            for (int c = 0; c < kColonnes; ++c) {
                if (colonneJouable(grille.data(), c)) {
                    libres.push_back(c);
                }
            }
            placerJeton(libres[static_cast<std::size_t>(tirage(static_cast<std::uint32_t>(libres.size())))],
                        joueur, grille.data());
            joueur = adversaire(joueur);
            gagnee = quatreAlignes(grille.data());
        }
        if (gagnee) {
            continue; // this game ended early: play another
        }
        const std::string texte = positions::ecrireGrille(grille.data());
        if (!dejaVues.insert(texte).second) {
            continue;
        }
        std::cout << texte << ' ' << joueur << ' ' << kProfondeur << '\n';
        ++ecrites;
    }
    return 0;
}
