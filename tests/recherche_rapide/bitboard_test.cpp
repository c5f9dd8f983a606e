// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The bit-set board: neighbour shifts, supports, lines of four, moves and
// the key of the node table, each against a cell-by-cell reading.

#include <gtest/gtest.h>

#include "bitboard.h"
#include "generateurs.h"

namespace {

using comparaison::Alea;
using comparaison::Plateau;
using comparaison::tirer;
using rapide::Bits;

bool dansLePlateau(int r, int c)
{
    return r >= 0 && r < kLignes && c >= 0 && c < kColonnes;
}

bool contient(Bits b, int r, int c)
{
    return (b & rapide::bitCase(r, c)) != 0;
}

Bits auHasard(Alea& alea)
{
    return alea() & alea() & rapide::kPlateau; // about a quarter of the cells
}

template <int DL, int DC>
void verifierDecalage(Alea& alea)
{
    for (int k = 0; k < 200; ++k) {
        const Bits a = auHasard(alea);
        const Bits v = rapide::vers<DL, DC>(a);
        ASSERT_EQ(v & ~rapide::kPlateau, 0u);
        for (int r = 0; r < kLignes; ++r) {
            for (int c = 0; c < kColonnes; ++c) {
                const bool attendu = dansLePlateau(r + DL, c + DC) && contient(a, r + DL, c + DC);
                ASSERT_EQ(contient(v, r, c), attendu)
                    << "shift (" << DL << ", " << DC << ") at row " << r << ", column " << c;
            }
        }
    }
}

template <int DL, int... DC>
void verifierLigneDeDecalages(Alea& alea)
{
    (verifierDecalage<DL, DC>(alea), ...);
}

TEST(Bitboard, NeighbourShiftsNeverWrapAroundTheBoard)
{
    // Every offset that the grading rules use, and more: up to three cells
    // in each direction, with no wrap from one column or row to the next.
    Alea alea(31);
    verifierLigneDeDecalages<-3, -3, -2, -1, 0, 1, 2, 3>(alea);
    verifierLigneDeDecalages<-2, -3, -2, -1, 0, 1, 2, 3>(alea);
    verifierLigneDeDecalages<-1, -3, -2, -1, 0, 1, 2, 3>(alea);
    verifierLigneDeDecalages<0, -3, -2, -1, 1, 2, 3>(alea);
    verifierLigneDeDecalages<1, -3, -2, -1, 0, 1, 2, 3>(alea);
    verifierLigneDeDecalages<2, -3, -2, -1, 0, 1, 2, 3>(alea);
    verifierLigneDeDecalages<3, -3, -2, -1, 0, 1, 2, 3>(alea);
}

TEST(Bitboard, SupportedCells)
{
    Alea alea(32);
    for (int k = 0; k < 2000; ++k) {
        const Bits occupees = auHasard(alea) | (alea() & rapide::kPlateau);
        const Bits s = rapide::soutenues(occupees);
        for (int r = 0; r < kLignes; ++r) {
            for (int c = 0; c < kColonnes; ++c) {
                ASSERT_EQ(contient(s, r, c), r == kLignes - 1 || contient(occupees, r + 1, c))
                    << "row " << r << ", column " << c;
            }
        }
    }
}

TEST(Bitboard, FourInALine)
{
    Alea alea(33);
    int avecQuatre = 0;
    for (int k = 0; k < 20000; ++k) {
        Plateau p{};
        Bits a = 0;
        const int densite = 1 + tirer(alea, 4);
        for (int r = 0; r < kLignes; ++r) {
            for (int c = 0; c < kColonnes; ++c) {
                if (tirer(alea, 5) < densite) {
                    p[static_cast<std::size_t>(c + kColonnes * r)] = 1;
                    a |= rapide::bitCase(r, c);
                }
            }
        }
        const bool attendu = comparaison::aQuatre(p, 1);
        ASSERT_EQ(rapide::quatreAlignes(a), attendu) << comparaison::dessin(p);
        avecQuatre += attendu ? 1 : 0;
    }
    EXPECT_GT(avecQuatre, 2000);
    EXPECT_LT(avecQuatre, 18000);
}

// The board that a key stands for: per column, the highest set bit marks
// one cell above the topmost token, the bits below it are the red tokens.
Plateau decoder(std::uint64_t cle)
{
    Plateau p{};
    for (int c = 0; c < kColonnes; ++c) {
        const std::uint64_t colonne = (cle >> (c * rapide::kPasColonne)) & 0x7F;
        int hauteur = 6;
        while (hauteur > 0 && (colonne & (std::uint64_t{1} << hauteur)) == 0) {
            --hauteur;
        }
        for (int h = 0; h < hauteur; ++h) {
            p[static_cast<std::size_t>(c + kColonnes * (kLignes - 1 - h))] =
                (colonne >> h) & 1 ? 1 : 2;
        }
    }
    return p;
}

rapide::Position position(const Plateau& p)
{
    rapide::Position pos;
    for (int r = 0; r < kLignes; ++r) {
        for (int c = 0; c < kColonnes; ++c) {
            const Case v = p[static_cast<std::size_t>(c + kColonnes * r)];
            if (v != 0) {
                pos.occupees |= rapide::bitCase(r, c);
            }
            if (v == 1) {
                pos.rouges |= rapide::bitCase(r, c);
            }
        }
    }
    return pos;
}

TEST(Bitboard, TheKeyTellsEveryBoardApart)
{
    // The key gives the board back, so two boards never share a key: a node
    // of the table is never taken for another.
    Alea alea(34);
    for (int k = 0; k < 100000; ++k) {
        const Plateau p = comparaison::empilement(alea);
        ASSERT_EQ(decoder(position(p).cle()), p) << comparaison::dessin(p);
    }
}

TEST(Bitboard, MovesLandWhereTheBoardPutsThem)
{
    Alea alea(35);
    for (int k = 0; k < 20000; ++k) {
        Plateau p = comparaison::empilement(alea);
        const rapide::Position pos = position(p);
        for (int c = 0; c < kColonnes; ++c) {
            ASSERT_EQ(pos.jouable(c), colonneJouable(p.data(), c));
            if (!pos.jouable(c)) {
                continue;
            }
            Plateau apres = p;
            placerJeton(c, 1, apres.data());
            rapide::Position posApres = pos;
            posApres.occupees |= pos.caseLibre(c);
            posApres.rouges |= pos.caseLibre(c);
            ASSERT_EQ(posApres.occupees, position(apres).occupees) << comparaison::dessin(p);
            ASSERT_EQ(posApres.rouges, position(apres).rouges) << comparaison::dessin(p);
        }
    }
}

} // namespace
