// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The search from known positions: chosen columns, values and numbers of
// calls worked out from the search rules, the board left untouched, and the
// 32-bit wrap near the end of a game.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "moteurs.h"

namespace essai {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

class Recherche : public ::testing::TestWithParam<Moteur> {
protected:
    // Searches a copy, and checks that the copy comes back unchanged.
    Analyse analyser(int joueur, const Plateau& p, int profondeur) const
    {
        Plateau copie = p;
        const Analyse a = GetParam().analyserPosition(joueur, copie.data(), profondeur);
        EXPECT_EQ(copie, p) << "board changed by the search at depth " << profondeur;
        EXPECT_GE(a.colonne, 0);
        EXPECT_LT(a.colonne, kColonnes);
        if (a.colonne >= 0 && a.colonne < kColonnes) {
            EXPECT_TRUE(colonneJouable(p.data(), a.colonne)) << "full column chosen";
        }
        for (int c = 0; c < kColonnes; ++c) {
            EXPECT_EQ(a.jouable[c], colonneJouable(p.data(), c)) << "column " << c;
        }
        return a;
    }
};

INSTANTIATE_TEST_SUITE_P(Moteurs, Recherche, lesMoteurs(), nomMoteur);

const char* const kVide = ".......";

// Red: row 5, columns 0 to 2. Yellow: row 4, columns 0 and 1, and row 5,
// column 6. Red plays column 3 and has four in a line.
Plateau gainImmediat()
{
    return plateau({kVide, kVide, kVide, kVide, "JJ.....", "RRR...J"});
}

// The same with the colours exchanged: yellow threatens column 3.
Plateau menaceImmediate()
{
    return plateau({kVide, kVide, kVide, kVide, "RR.....", "JJJ...R"});
}

// Sum of the weights of the scores along one line of play: the node at
// remaining depth d contributes d x (d + 1) x ... x (depth - 1), the last
// one (depth - 1)!.
std::int64_t sommeDesPoids(int profondeur)
{
    std::int64_t somme = 0;
    for (int d = profondeur - 1; d >= 1; --d) {
        std::int64_t poids = 1;
        for (int k = d; k <= profondeur - 1; ++k) {
            poids *= k;
        }
        somme += poids;
    }
    std::int64_t factorielle = 1;
    for (int k = 2; k <= profondeur - 1; ++k) {
        factorielle *= k;
    }
    return somme + factorielle;
}

TEST(Poids, ProfondeurHuit)
{
    // 7 + 42 + 210 + 840 + 2520 + 5040 + 5040 + 5040
    EXPECT_EQ(sommeDesPoids(8), 18739);
    // At the depths of the game, four times the weights stay below 2^31.
    EXPECT_LT(4 * sommeDesPoids(12), std::int64_t{kMax});
}

TEST_P(Recherche, ProfondeurUnDepuisLePlateauVide)
{
    // After red's first token the grades are 1 and 0: score 0 everywhere.
    const Analyse a = analyser(1, Plateau{}, 1);
    EXPECT_EQ(a.colonne, 0);
    for (int c = 0; c < kColonnes; ++c) {
        EXPECT_EQ(a.valeurs[c], 0) << "column " << c;
    }
    EXPECT_EQ(a.appels, 7u);
}

TEST_P(Recherche, ProfondeurDeuxDepuisLePlateauVide)
{
    // 7 moves of red, each with yellow's first two replies; one token each:
    // grades 1 and 1, score -1, times 1, plus red's score 0.
    const Analyse a = analyser(1, Plateau{}, 2);
    EXPECT_EQ(a.colonne, 0);
    for (int c = 0; c < kColonnes; ++c) {
        EXPECT_EQ(a.valeurs[c], -1) << "column " << c;
    }
    EXPECT_EQ(a.appels, 21u);
}

TEST_P(Recherche, ProfondeurTroisNombreDAppels)
{
    // Each of red's 7 moves: its node, yellow's first reply (which examines
    // all 7 of red's answers, alpha being the lowest integer), and a second
    // reply (also 7 answers), after which the maximising node stops:
    // 7 x (1 + 2 x (1 + 7)) = 119.
    const Analyse a = analyser(1, Plateau{}, 3);
    EXPECT_EQ(a.appels, 119u);
    EXPECT_EQ(a.colonne, 0);
}

TEST_P(Recherche, PlateauVideColonneZeroAvecUneValeurNegative)
{
    for (int profondeur : {8, 10, 12}) {
        const Analyse a = analyser(1, Plateau{}, profondeur);
        EXPECT_EQ(a.colonne, 0) << "depth " << profondeur;
        EXPECT_LT(a.valeurs[0], 0) << "depth " << profondeur;
        for (int c = 1; c < kColonnes; ++c) {
            EXPECT_LE(a.valeurs[c], a.valeurs[0]) << "depth " << profondeur << " column " << c;
        }
    }
}

TEST_P(Recherche, GainImmediatJusquAHuitEtADix)
{
    const Plateau p = gainImmediat();
    for (int profondeur : {1, 2, 3, 4, 5, 6, 7, 8, 10}) {
        const Analyse a = analyser(1, p, profondeur);
        EXPECT_EQ(a.colonne, 3) << "depth " << profondeur;
    }
    EXPECT_EQ(analyser(1, p, 1).valeurs[3], 4);
    // Four in a line at every node of the line of play: 4 x the weights.
    EXPECT_EQ(analyser(1, p, 8).valeurs[3], 4 * 18739);
    EXPECT_EQ(analyser(1, p, 8).valeurs[3], 4 * sommeDesPoids(8));
    EXPECT_LT(analyser(1, p, 10).valeurs[3], 0);
}

TEST_P(Recherche, GainImmediatDelaisseADouze)
{
    // The search goes on below a won position, and the later positions of a
    // line weigh more than the first: column 0 wins at depth 12.
    EXPECT_EQ(analyser(1, gainImmediat(), 12).colonne, 0);
}

TEST_P(Recherche, MenaceImmediateBloqueeAHuit)
{
    const Plateau p = menaceImmediate();
    EXPECT_EQ(analyser(1, p, 8).colonne, 3);
    EXPECT_EQ(analyser(1, p, 10).colonne, 0);
    EXPECT_EQ(analyser(1, p, 12).colonne, 0);
}

TEST_P(Recherche, LeJauneJoueAussi)
{
    // Yellow to move in the threat position with colours as they are:
    // yellow wins at once in column 3 (score 4 at depth 1).
    const Analyse a = analyser(2, menaceImmediate(), 1);
    EXPECT_EQ(a.colonne, 3);
    EXPECT_EQ(a.valeurs[3], 4);
}

TEST_P(Recherche, LePlateauEstRenduAChaqueProfondeur)
{
    const Plateau positions[] = {
        Plateau{},
        gainImmediat(),
        menaceImmediate(),
        plateau({kVide, "...J...", "..RRJ..", "..JJRR.", ".RRJJJ.", "JJRRJRR"}),
    };
    for (const Plateau& p : positions) {
        for (int joueur = 1; joueur <= 2; ++joueur) {
            for (int profondeur = 1; profondeur <= 9; ++profondeur) {
                analyser(joueur, p, profondeur); // checks the board itself
            }
        }
    }
}

// ---------------------------------------------------------------------------
// The end of a game: nodes with no move, the 32-bit wrap, the fallback column.

// Both players have four in a line, so every position scores -4 for either
// side; free cells are cut from the top of the given columns.
Plateau deuxQuatres(std::initializer_list<int> colonnesLibres)
{
    Plateau p = plateau({
        "JRJRJRJ",
        "RJRJRJR",
        "JRJRJRJ",
        "RJRJRJR",
        "JJJJRRR",
        "RRRRJJJ",
    });
    for (int c : colonnesLibres) {
        retirerJeton(c, p.data());
    }
    return p;
}

// Red has four on row 5, yellow has no four and cannot make one with a
// single token in row 0: every position scores 4 for red.
Plateau quatreRouge(std::initializer_list<int> colonnesLibres)
{
    Plateau p = plateau({
        "RRJJRRJ",
        "JJRRJJR",
        "RRJJRRJ",
        "JJRRJJR",
        "RRJJRRJ",
        "RRRRJJJ",
    });
    for (int c : colonnesLibres) {
        retirerJeton(c, p.data());
    }
    return p;
}

TEST_P(Recherche, DerniereCaseLibreColonneDeSecours)
{
    for (int libre = 0; libre < kColonnes; ++libre) {
        const Plateau p = deuxQuatres({libre});
        // Depth 1: the move's own score, chosen normally.
        const Analyse un = analyser(1, p, 1);
        EXPECT_EQ(un.colonne, libre);
        EXPECT_EQ(un.valeurs[libre], -4);
        EXPECT_EQ(un.appels, 1u);
        // Depth 2 and more: the node below has no move and returns the lowest
        // integer, which no column beats; the only playable column is chosen.
        for (int profondeur = 2; profondeur <= 5; ++profondeur) {
            for (int joueur = 1; joueur <= 2; ++joueur) {
                const Analyse a = analyser(joueur, p, profondeur);
                EXPECT_EQ(a.colonne, libre) << "depth " << profondeur;
                EXPECT_EQ(a.valeurs[libre], kMin) << "depth " << profondeur;
                EXPECT_EQ(a.appels, 1u);
            }
        }
    }
}

TEST_P(Recherche, DerniereCaseLibreAvecUnAlignementRouge)
{
    const Plateau p = quatreRouge({5});
    EXPECT_EQ(analyser(1, p, 1).valeurs[5], 4);
    const Analyse a = analyser(1, p, 3);
    EXPECT_EQ(a.colonne, 5);
    EXPECT_EQ(a.valeurs[5], kMin);
}

TEST_P(Recherche, DeuxCasesLibresLeCalculSEnroule)
{
    // Free cells in columns 2 and 5. Depth 2: (-4 + -4) x 1 = -8.
    const Plateau p = deuxQuatres({2, 5});
    const Analyse deux = analyser(1, p, 2);
    EXPECT_EQ(deux.colonne, 2);
    EXPECT_EQ(deux.valeurs[2], -8);
    EXPECT_EQ(deux.valeurs[5], -8);
    EXPECT_EQ(deux.appels, 4u);
    // Depth 3: the opponent's node has no move and returns the highest
    // integer; (2^31 - 1 - 4) x 2 = 2^32 - 10, which wraps to -10.
    const Analyse trois = analyser(1, p, 3);
    EXPECT_EQ(trois.colonne, 2);
    EXPECT_EQ(trois.valeurs[2], -10);
    EXPECT_EQ(trois.valeurs[5], -10);
    EXPECT_EQ(trois.appels, 4u);
    // Depth 4: (2^31 - 5) x 3 = 2^32 + 2^31 - 15, which wraps to
    // 2^31 - 15 = 2147483633.
    const Analyse quatre = analyser(1, p, 4);
    EXPECT_EQ(quatre.colonne, 2);
    EXPECT_EQ(quatre.valeurs[2], 2147483633);
    EXPECT_EQ(quatre.valeurs[5], 2147483633);
    // Depth 5: (2^31 - 5) x 4 = 2^33 - 20, which wraps to -20.
    EXPECT_EQ(analyser(1, p, 5).valeurs[5], -20);
}

TEST_P(Recherche, DeuxCasesLibresDansLaMemeColonne)
{
    const Plateau p = deuxQuatres({4, 4});
    ASSERT_TRUE(colonneJouable(p.data(), 4));
    const Analyse deux = analyser(2, p, 2);
    EXPECT_EQ(deux.colonne, 4);
    EXPECT_EQ(deux.valeurs[4], -8);
    const Analyse trois = analyser(2, p, 3);
    EXPECT_EQ(trois.colonne, 4);
    EXPECT_EQ(trois.valeurs[4], -10);
}

TEST_P(Recherche, LePlusGrandEntierPlusUnDevientLePlusPetit)
{
    // Red's score is 4 everywhere. Depth 2: (4 + 4) x 1 = 8. Depth 3:
    // (2^31 - 1 + 4) x 2 = 2^32 + 6, which wraps to 6. Depth 4:
    // (2^31 + 3) x 3 = 2^32 + 2^31 + 9, which wraps to -2^31 + 9.
    const Plateau p = quatreRouge({0, 6});
    EXPECT_EQ(analyser(1, p, 2).valeurs[6], 8);
    const Analyse trois = analyser(1, p, 3);
    EXPECT_EQ(trois.valeurs[0], 6);
    EXPECT_EQ(trois.valeurs[6], 6);
    EXPECT_EQ(trois.colonne, 0);
    const Analyse quatre = analyser(1, p, 4);
    EXPECT_EQ(quatre.valeurs[0], kMin + 9);
    EXPECT_EQ(quatre.valeurs[6], kMin + 9);
    EXPECT_EQ(quatre.colonne, 0);
}

// ---------------------------------------------------------------------------
// alphaBeta called directly.

TEST(AlphaBeta, UneFeuilleRendSonScore)
{
    Plateau p = gainImmediat();
    const Plateau avant = p;
    EXPECT_EQ(reference::alphaBeta(true, 1, p.data(), 0, 3, kMin, kMax), 4);
    EXPECT_EQ(alphaBeta(true, 1, p.data(), 0, 3, kMin, kMax), 4);
    EXPECT_EQ(p, avant);
    // The opponent's token in the same column: red's score, not yellow's.
    // Yellow blocks: red keeps 1 (the empty cell above (5, 2)); yellow's
    // (4, 0), (4, 1) get 2, as (4, 2) and (4, 3) are now both empty and
    // supported: score -2.
    EXPECT_EQ(reference::alphaBeta(false, 1, p.data(), 0, 3, kMin, kMax), -2);
    EXPECT_EQ(p, avant);
}

TEST(AlphaBeta, UnNoeudMaximisantSArreteDesQueLaBorneEstAtteinte)
{
    // From the empty board, red in column 0 with one reply: yellow's first
    // reply is worth (-1 + 0) x 1 = -1, which reaches the bound -1 that the
    // node was given: one child only.
    Plateau p{};
    std::uint64_t appels = 0;
    EXPECT_EQ(reference::alphaBeta(true, 1, p.data(), 1, 0, kMin, -1, appels), -1);
    EXPECT_EQ(appels, 2u);
    appels = 0;
    // With the full bounds, a second child, and then always a stop.
    EXPECT_EQ(reference::alphaBeta(true, 1, p.data(), 1, 0, kMin, kMax, appels), -1);
    EXPECT_EQ(appels, 3u);
    EXPECT_EQ(p, Plateau{});
}

TEST(AlphaBeta, LeCompteurSAjoute)
{
    Plateau p{};
    std::uint64_t appels = 5;
    reference::alphaBeta(true, 1, p.data(), 1, 3, kMin, kMax, appels);
    EXPECT_EQ(appels, 8u);
}

} // namespace
} // namespace essai
