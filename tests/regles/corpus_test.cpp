// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The benchmark corpus: midgame positions of 10 to 20 tokens reached by
// alternating play, red first, nobody having won, the right side to move.

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "plateaux.h"

namespace essai {
namespace {

struct Ligne {
    int numero;
    std::string plateau;
    int joueur;
    int profondeur;
    std::string reste;
};

std::vector<Ligne> lireCorpus()
{
    std::ifstream fichier(QUARTELO4_CORPUS);
    EXPECT_TRUE(fichier.is_open()) << QUARTELO4_CORPUS;
    std::vector<Ligne> lignes;
    std::string texte;
    int numero = 0;
    while (std::getline(fichier, texte)) {
        ++numero;
        if (texte.empty() || texte[0] == '#') {
            continue;
        }
        std::istringstream flux(texte);
        Ligne ligne{numero, "", 0, 0, ""};
        flux >> ligne.plateau >> ligne.joueur >> ligne.profondeur;
        EXPECT_FALSE(flux.fail()) << "line " << numero;
        flux >> ligne.reste;
        lignes.push_back(ligne);
    }
    return lignes;
}

bool quatreAlignes(const Plateau& p)
{
    const auto v = [&p](int r, int c) { return p[static_cast<std::size_t>(c + kColonnes * r)]; };
    const int directions[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
    for (int r = 0; r < kLignes; ++r) {
        for (int c = 0; c < kColonnes; ++c) {
            for (const auto& d : directions) {
                const int rf = r + 3 * d[0];
                const int cf = c + 3 * d[1];
                if (rf < kLignes && cf >= 0 && cf < kColonnes
                    && quatreIdentiques(v(r, c), v(r + d[0], c + d[1]), v(r + 2 * d[0], c + 2 * d[1]),
                                        v(rf, cf))) {
                    return true;
                }
            }
        }
    }
    return false;
}

TEST(Corpus, PositionsDeMilieuDePartieLegales)
{
    const std::vector<Ligne> lignes = lireCorpus();
    EXPECT_GE(lignes.size(), 20u);
    std::set<std::string> distinctes;
    for (const Ligne& ligne : lignes) {
        SCOPED_TRACE(::testing::Message() << "line " << ligne.numero << ": " << ligne.plateau);
        ASSERT_EQ(ligne.plateau.size(), static_cast<std::size_t>(kCases));
        EXPECT_TRUE(ligne.reste.empty());
        EXPECT_EQ(ligne.profondeur, 12);
        EXPECT_TRUE(distinctes.insert(ligne.plateau).second) << "twice in the corpus";

        Plateau p{};
        int rouges = 0;
        int jaunes = 0;
        for (int i = 0; i < kCases; ++i) {
            const char c = ligne.plateau[static_cast<std::size_t>(i)];
            ASSERT_TRUE(c == '.' || c == 'R' || c == 'J');
            p[static_cast<std::size_t>(i)] = c == 'R' ? 1 : c == 'J' ? 2 : 0;
            rouges += c == 'R';
            jaunes += c == 'J';
        }
        // Red opens: as many tokens each, or one more red, and then yellow moves.
        EXPECT_TRUE(rouges == jaunes || rouges == jaunes + 1);
        EXPECT_EQ(ligne.joueur, rouges == jaunes ? 1 : 2);
        EXPECT_GE(rouges + jaunes, 10);
        EXPECT_LE(rouges + jaunes, 20);
        for (int c = 0; c < kColonnes; ++c) {
            for (int r = 1; r < kLignes; ++r) {
                if (p[static_cast<std::size_t>(c + kColonnes * (r - 1))] != 0) {
                    EXPECT_NE(p[static_cast<std::size_t>(c + kColonnes * r)], 0)
                        << "floating token in column " << c;
                }
            }
        }
        EXPECT_FALSE(quatreAlignes(p)) << "already won";
    }
}

} // namespace
} // namespace essai
