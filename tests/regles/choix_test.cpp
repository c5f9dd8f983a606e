// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's move as the game asks for it: the search, then the pause.
// These check that the pause happens and lasts; they measure no speed.

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "joueur.h"
#include "moteurs.h"

namespace essai {
namespace {

using Horloge = std::chrono::steady_clock;

// Restores the pause length whatever a test does with it.
class Pause : public ::testing::Test {
protected:
    void SetUp() override { avant = dureePause(); }
    void TearDown() override { setDureePause(avant); }
    int avant = 0;
};

TEST_F(Pause, CinqCentsMillisecondesParDefaut)
{
    EXPECT_EQ(dureePause(), 500);
}

TEST_F(Pause, ChoisirColonneAttendAuMoinsCinqCentsMillisecondes)
{
    ASSERT_EQ(dureePause(), 500);
    const Joueur rouge(1, true);
    Plateau p{};
    const auto debut = Horloge::now();
    const int colonne = choisirColonne(rouge, p.data(), 2);
    const auto duree = Horloge::now() - debut;
    EXPECT_GE(duree, std::chrono::milliseconds(500));
    EXPECT_EQ(colonne, 0);
    EXPECT_EQ(p, Plateau{});
}

TEST_F(Pause, LaPauseSeRegle)
{
    setDureePause(120);
    EXPECT_EQ(dureePause(), 120);
    const Joueur jaune(2, true);
    Plateau p = plateau({".......", ".......", ".......", ".......", ".......", "...R..."});
    const Plateau depart = p;
    const auto debut = Horloge::now();
    const int colonne = choisirColonne(jaune, p.data(), 3);
    EXPECT_GE(Horloge::now() - debut, std::chrono::milliseconds(120));
    EXPECT_EQ(p, depart);
    Plateau copie = p;
    EXPECT_EQ(colonne, analyserPosition(2, copie.data(), 3).colonne);
}

TEST_F(Pause, ChoisirColonneSuitLAnalyseEtLitLeNumeroDuJoueur)
{
    setDureePause(0);
    // Red wins in column 3; yellow, to move in the same position, blocks
    // there too only at some depths: read what the analysis says.
    const Plateau p = plateau({".......", ".......", ".......", ".......", "JJ.....", "RRR...J"});
    for (int profondeur = 1; profondeur <= 6; ++profondeur) {
        for (int numero = 1; numero <= 2; ++numero) {
            for (bool ordinateur : {true, false}) {
                Plateau jeu = p;
                Plateau copie = p;
                const int attendue = analyserPosition(numero, copie.data(), profondeur).colonne;
                EXPECT_EQ(choisirColonne(Joueur(numero, ordinateur), jeu.data(), profondeur),
                          attendue);
                EXPECT_EQ(jeu, p);
            }
        }
    }
    Plateau jeu = p;
    EXPECT_EQ(choisirColonne(Joueur(1, false), jeu.data(), 1), 3);
}

TEST_F(Pause, LaDerniereCaseEstToujoursJouee)
{
    setDureePause(0);
    Plateau p = plateau({
        "JRJR.RJ",
        "RJRJRJR",
        "JRJRJRJ",
        "RJRJRJR",
        "JJJJRRR",
        "RRRRJJJ",
    });
    for (int profondeur = 1; profondeur <= 12; ++profondeur) {
        EXPECT_EQ(choisirColonne(Joueur(2, true), p.data(), profondeur), 4);
    }
}

TEST(Attendre, ConsommeLeTempsDemandeSurLHorlogeDuProcessus)
{
    const std::clock_t debut = std::clock();
    attendre(150);
    const std::clock_t fin = std::clock();
    EXPECT_GE(static_cast<double>(fin - debut), 150.0 * CLOCKS_PER_SEC / 1000.0);
}

TEST(Attendre, ZeroOuNegatifRendLaMainAussitot)
{
    // A target already reached: the first look at the clock ends the wait.
    const auto debut = Horloge::now();
    attendre(0);
    attendre(-1000);
    EXPECT_LT(Horloge::now() - debut, std::chrono::seconds(5));
}

} // namespace
} // namespace essai
