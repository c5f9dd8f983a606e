// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Dropping and taking back tokens, the opponent, four equal cells, the player
// record.

#include <gtest/gtest.h>

#include "grille.h"
#include "joueur.h"
#include "plateaux.h"

namespace essai {
namespace {

TEST(PlacerJeton, SurLePlateauVideLeJetonTombeEnBas)
{
    Plateau p{};
    placerJeton(3, 1, p.data());
    Plateau attendu{};
    attendu[38] = 1; // row 5, column 3
    EXPECT_EQ(p, attendu);
}

TEST(PlacerJeton, SeposeJusteAuDessusDuJetonLePlusHaut)
{
    Plateau p = plateau({".......", ".......", ".......", "..R....", "..J....", "..R...."});
    placerJeton(2, 2, p.data());
    EXPECT_EQ(p, plateau({".......", ".......", "..J....", "..R....", "..J....", "..R...."}));
}

TEST(PlacerJeton, CinqJetonsDansLaColonneLeSixiemeVaEnHaut)
{
    Plateau p = plateau({".......", "J......", "R......", "J......", "R......", "J......"});
    EXPECT_TRUE(colonneJouable(p.data(), 0));
    placerJeton(0, 1, p.data());
    EXPECT_EQ(p, plateau({"R......", "J......", "R......", "J......", "R......", "J......"}));
    EXPECT_FALSE(colonneJouable(p.data(), 0));
}

TEST(PlacerJeton, ColonnePleineRienNestEcrit)
{
    const Plateau avant =
        plateau({"....J..", "....R..", "....J..", "....R..", "....J..", "...RR.."});
    Plateau p = avant;
    EXPECT_FALSE(colonneJouable(p.data(), 4));
    placerJeton(4, 1, p.data());
    placerJeton(4, 2, p.data());
    EXPECT_EQ(p, avant);
    EXPECT_FALSE(colonneJouable(p.data(), 4));
}

TEST(PlacerJeton, ChaqueColonneSeRemplitDeBasEnHaut)
{
    Plateau p{};
    for (int c = 0; c < kColonnes; ++c) {
        for (int r = kLignes - 1; r >= 0; --r) {
            ASSERT_TRUE(colonneJouable(p.data(), c));
            const int valeur = 1 + (r + c) % 2;
            placerJeton(c, valeur, p.data());
            EXPECT_EQ(cellule(p, r, c), valeur) << "column " << c << " row " << r;
        }
        EXPECT_FALSE(colonneJouable(p.data(), c));
    }
}

TEST(RetirerJeton, EnleveLeJetonLePlusHaut)
{
    Plateau p = plateau({".......", ".......", ".....R.", ".....J.", ".....J.", ".....R."});
    retirerJeton(5, p.data());
    EXPECT_EQ(p, plateau({".......", ".......", ".......", ".....J.", ".....J.", ".....R."}));
}

TEST(RetirerJeton, ColonneVideRienNeChange)
{
    const Plateau avant = plateau({".......", ".......", ".......", ".......", "J.....R", "R.....J"});
    Plateau p = avant;
    for (int c = 1; c <= 5; ++c) {
        retirerJeton(c, p.data());
    }
    EXPECT_EQ(p, avant);
}

TEST(RetirerJeton, ColonnePleinePerdSonJetonDuHaut)
{
    Plateau p = plateau({"J......", "R......", "J......", "R......", "J......", "R......"});
    retirerJeton(0, p.data());
    EXPECT_EQ(p, plateau({".......", "R......", "J......", "R......", "J......", "R......"}));
}

TEST(RetirerJeton, PoserPuisRetirerRendLeMemePlateau)
{
    // Every column height and both token values, whatever lies below.
    const Plateau depart = plateau({
        ".......",
        ".....JR",
        "....RRJ",
        "...JRJR",
        "..RJJRJ",
        ".JRRJRR",
    });
    for (int c = 0; c < kColonnes; ++c) {
        for (int valeur = 1; valeur <= 2; ++valeur) {
            Plateau p = depart;
            ASSERT_TRUE(colonneJouable(p.data(), c));
            placerJeton(c, valeur, p.data());
            EXPECT_NE(p, depart);
            retirerJeton(c, p.data());
            EXPECT_EQ(p, depart) << "column " << c << " value " << valeur;
        }
    }
}

TEST(ColonneJouable, NeRegardeQueLaCaseDuHaut)
{
    Plateau p{};
    for (int c = 0; c < kColonnes; ++c) {
        EXPECT_TRUE(colonneJouable(p.data(), c));
    }
    // Only the top cell counts, even for a board that breaks gravity.
    cellule(p, 0, 2) = 2;
    EXPECT_FALSE(colonneJouable(p.data(), 2));
    cellule(p, 1, 3) = 1;
    EXPECT_TRUE(colonneJouable(p.data(), 3));
}

TEST(Adversaire, UnContreDeux)
{
    EXPECT_EQ(adversaire(1), 2);
    EXPECT_EQ(adversaire(2), 1);
    EXPECT_EQ(adversaire(0), 1);
    EXPECT_EQ(adversaire(3), 1);
    EXPECT_EQ(adversaire(-1), 1);
}

TEST(QuatreIdentiques, QuatreJetonsDUnMemeJoueur)
{
    EXPECT_TRUE(quatreIdentiques(1, 1, 1, 1));
    EXPECT_TRUE(quatreIdentiques(2, 2, 2, 2));
    EXPECT_FALSE(quatreIdentiques(0, 0, 0, 0));
    EXPECT_FALSE(quatreIdentiques(1, 1, 1, 2));
    EXPECT_FALSE(quatreIdentiques(2, 2, 2, 0));
    // Any position of the odd one out.
    EXPECT_FALSE(quatreIdentiques(2, 1, 1, 1));
    EXPECT_FALSE(quatreIdentiques(1, 2, 1, 1));
    EXPECT_FALSE(quatreIdentiques(1, 1, 2, 1));
    EXPECT_FALSE(quatreIdentiques(0, 1, 1, 1));
}

TEST(Joueur, GardeSonNumeroEtSonDrapeau)
{
    Joueur rouge(1, false);
    Joueur jaune(2, true);
    EXPECT_EQ(rouge.getNumero(), 1);
    EXPECT_FALSE(rouge.estOrdinateur());
    EXPECT_EQ(jaune.getNumero(), 2);
    EXPECT_TRUE(jaune.estOrdinateur());
    rouge.setOrdinateur(true);
    jaune.setOrdinateur(false);
    EXPECT_TRUE(rouge.estOrdinateur());
    EXPECT_FALSE(jaune.estOrdinateur());
    EXPECT_EQ(rouge.getNumero(), 1);
    EXPECT_EQ(jaune.getNumero(), 2);
}

} // namespace
} // namespace essai
