// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The bit-set grading against the plain one, on many random boards.

#include <gtest/gtest.h>

#include <functional>

#include "evaluation_rapide.h"
#include "generateurs.h"
#include "ordinateur.h"
#include "reference.h"

namespace {

using comparaison::Alea;
using comparaison::Plateau;
using comparaison::tirer;

// Grades and scores of both players: the bit sets directly, the game's entry
// points, and the plain grading must agree. Returns false at the first
// disagreement, reported through gtest.
bool memesNotes(const Plateau& p)
{
    rapide::Bits rouges = 0;
    rapide::Bits jaunes = 0;
    EXPECT_TRUE(rapide::lireJetons(p.data(), rouges, jaunes));
    const rapide::Bits propres[3] = {0, rouges, jaunes};
    for (int joueur = 1; joueur <= 2; ++joueur) {
        const int attendue = reference::evaluerJoueur(joueur, p.data());
        const int score = reference::evaluerPosition(joueur, p.data());
        const rapide::Bits miens = propres[joueur];
        const rapide::Bits siens = propres[adversaire(joueur)];
        if (rapide::note(miens, siens) != attendue || evaluerJoueur(joueur, p.data()) != attendue
            || rapide::score(miens, siens) != score || evaluerPosition(joueur, p.data()) != score) {
            ADD_FAILURE() << "player " << joueur << ": grade " << rapide::note(miens, siens)
                          << " / " << evaluerJoueur(joueur, p.data()) << " instead of "
                          << attendue << ", score " << evaluerPosition(joueur, p.data())
                          << " instead of " << score << " on\n"
                          << comparaison::dessin(p);
            return false;
        }
    }
    return true;
}

// Runs `nombre` boards from the generator; counts how often each grade shows,
// so that a generator that never reaches some grade is noticed.
void comparer(int nombre, std::uint64_t graine, const std::function<Plateau(Alea&)>& generer)
{
    Alea alea(graine);
    int vus[5] = {};
    for (int k = 0; k < nombre; ++k) {
        const Plateau p = generer(alea);
        if (!memesNotes(p)) {
            return;
        }
        ++vus[reference::evaluerJoueur(1 + k % 2, p.data())];
    }
    for (int note = 0; note <= 4; ++note) {
        EXPECT_GT(vus[note], nombre / 1000) << "grade " << note << " hardly ever met";
    }
}

TEST(EvaluationRapide, PositionsOfRealGames)
{
    comparer(150000, 11, [](Alea& alea) {
        int trait = 0;
        return comparaison::partie(alea, tirer(alea, kCases + 1), trait);
    });
}

TEST(EvaluationRapide, StacksThatObeyGravityInAnyProportion)
{
    comparer(150000, 12, [](Alea& alea) { return comparaison::empilement(alea); });
}

TEST(EvaluationRapide, BoardsWithFloatingTokens)
{
    // The grading rules read cells and their supports only, so they hold on
    // any arrangement of tokens; the game's grading must agree there too.
    comparer(150000, 13, [](Alea& alea) { return comparaison::desordre(alea); });
}

TEST(EvaluationRapide, EveryFullBoard)
{
    // Full boards: no empty cell, no support question, many lines of four.
    Alea alea(14);
    for (int k = 0; k < 20000; ++k) {
        Plateau p{};
        for (Case& v : p) {
            v = 1 + tirer(alea, 2);
        }
        if (!memesNotes(p)) {
            return;
        }
    }
}

TEST(EvaluationRapide, OddValuesAndPlayersGoToThePlainGrading)
{
    Alea alea(15);
    for (int k = 0; k < 2000; ++k) {
        int trait = 0;
        Plateau p = comparaison::partie(alea, tirer(alea, 30), trait);
        // A foreign value in some cell, or a player number other than 1 and 2.
        if (k % 2 == 0) {
            p[static_cast<std::size_t>(tirer(alea, kCases))] = 3 + tirer(alea, 5);
        }
        for (int joueur : {0, 1, 2, 3, -1}) {
            ASSERT_EQ(evaluerJoueur(joueur, p.data()), reference::evaluerJoueur(joueur, p.data()))
                << "player " << joueur << " on\n"
                << comparaison::dessin(p);
            ASSERT_EQ(evaluerPosition(joueur, p.data()),
                      reference::evaluerPosition(joueur, p.data()))
                << "player " << joueur << " on\n"
                << comparaison::dessin(p);
        }
    }
}

TEST(EvaluationRapide, ReadingTheTokens)
{
    Plateau p{};
    p[38] = 1; // row 5, column 3
    p[3] = 2;  // row 0, column 3 (floating)
    rapide::Bits rouges = 0;
    rapide::Bits jaunes = 0;
    ASSERT_TRUE(rapide::lireJetons(p.data(), rouges, jaunes));
    EXPECT_EQ(rouges, rapide::bitCase(5, 3));
    EXPECT_EQ(jaunes, rapide::bitCase(0, 3));
    p[10] = 7;
    rouges = 5;
    EXPECT_FALSE(rapide::lireJetons(p.data(), rouges, jaunes));
    EXPECT_EQ(rouges, 5u) << "nothing is written for a board with a foreign value";
}

} // namespace
