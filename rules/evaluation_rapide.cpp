// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Grading with bit sets.
//
// Each rule of a group is one test on a token's neighbourhood. Written on bit
// sets, the test gives at once the set of the player's tokens that pass it:
// vers<dl, dc>(A) is the set of cells whose neighbour dl rows down and dc
// columns to the right is on the board and in A. A token's grade is the
// largest value that a rule gives it and the player's grade the largest over
// its tokens, so it is enough to gather, for each value 3, 2 and 1, the tokens
// that some rule gives that value, and to look for the largest non-empty one.
//
// Words, for the graded player: own (O), the opponent's (X), empty (E),
// open (E or O), supported (bottom row, or the cell below is not empty).

#include "evaluation_rapide.h"

#include "valeurs_recherche.h"

namespace rapide {
namespace {

struct Cases {
    Bits propres;      // own
    Bits adverses;     // the opponent's
    Bits vides;        // empty
    Bits ouvertes;     // empty or own
    Bits soutenues;    // supported
    Bits videsSout;    // empty and supported
    Bits ouvertesSout; // open and supported
};

// The values that the rules give, as the sets of tokens receiving them.
struct Gains {
    Bits trois = 0;
    Bits deux = 0;
    Bits un = 0;
};

constexpr Bits kLigne1 = lignes(1, 1);
constexpr Bits kLigne4 = lignes(4, 4);
constexpr Bits kLigne5 = lignes(5, 5);
constexpr Bits kLignes1a5 = lignes(1, 5);
constexpr Bits kLignes2a4 = lignes(2, 4);
constexpr Bits kColonne5 = colonnes(5, 5);
constexpr Bits kColonne6 = colonnes(6, 6);

// Cell above: (r - 1, c); cells below: (r + 1, c), (r + 2, c).
void vertical(const Cases& k, Gains& g)
{
    const Bits t = k.propres;
    const Bits videDessus = t & vers<-1, 0>(k.vides); // implies r >= 1
    const Bits propre1 = vers<1, 0>(k.propres);       // false on row 5
    const Bits propre2 = vers<2, 0>(k.propres);       // false on rows 4 and 5
    // Row 5, or the cell below not own.
    g.un |= videDessus & ~propre1;
    // Row 4 with an own cell below; rows 2 and 3 with an own cell below and
    // not two.
    g.deux |= videDessus & propre1 & ~propre2 & kLignes2a4;
    // The token and the two cells below it own.
    g.trois |= videDessus & propre1 & propre2;
}

// Right: (r, c + 1) to (r, c + 3); left: (r, c - 1) to (r, c - 3).
void horizontal(const Cases& k, Gains& g)
{
    const Bits t = k.propres;
    // Left pair (c >= 2) and left triple (c >= 3).
    const Bits paireGauche = vers<0, -1>(k.videsSout) & vers<0, -2>(k.ouvertesSout);
    const Bits tripleGauche = vers<0, -1>(k.ouvertesSout) & vers<0, -2>(k.ouvertesSout)
                              & vers<0, -3>(k.ouvertesSout);
    const Bits videSoutGauche = vers<0, -1>(k.videsSout);

    // Column 6.
    g.un |= t & kColonne6 & tripleGauche;

    // (r, c + 1) own.
    const Bits p1 = t & vers<0, 1>(k.propres);
    g.deux |= p1 & kColonne5 & paireGauche;
    g.trois |= p1 & vers<0, 2>(k.propres) & (vers<0, 3>(k.videsSout) | videSoutGauche);
    g.deux |= p1 & vers<0, 2>(k.adverses) & paireGauche;
    g.deux |= p1 & vers<0, 2>(k.videsSout) & (vers<0, 3>(k.ouvertesSout) | videSoutGauche);

    // (r, c + 1) the opponent's.
    g.un |= t & vers<0, 1>(k.adverses) & tripleGauche;

    // (r, c + 1) empty.
    const Bits e1 = t & vers<0, 1>(k.vides);
    const Bits ouverte2 = vers<0, 2>(k.ouvertes); // implies c <= 4
    const Bits ouverte3 = vers<0, 3>(k.ouvertes); // implies c <= 3
    const Bits sout1 = vers<0, 1>(k.soutenues);
    const Bits sout2 = vers<0, 2>(k.soutenues);
    g.un |= e1 & ouverte2 & ouverte3 & sout1 & sout2 & vers<0, 3>(k.soutenues);
    g.un |= e1 & ouverte2 & ~ouverte3 & videSoutGauche & sout1 & sout2;
    // c = 5, or (r, c + 2) the opponent's.
    g.un |= e1 & ~ouverte2 & vers<0, -1>(k.ouvertesSout) & vers<0, -2>(k.ouvertesSout) & sout1;
}

// Tokens of rows 1 to 5. Up-right: (r - 1, c + 1) to (r - 3, c + 3);
// down-left: (r + 1, c - 1) to (r + 3, c - 3).
void diagonaleMontante(const Cases& k, Gains& g)
{
    const Bits t = k.propres & kLignes1a5;
    // Down-left pair and single (c >= 2, r <= 3), triple (c >= 3, r <= 2).
    const Bits paire = vers<1, -1>(k.videsSout) & vers<2, -2>(k.ouvertesSout);
    const Bits simple = vers<1, -1>(k.ouvertesSout) & vers<2, -2>(k.ouvertesSout);
    const Bits triple = simple & vers<3, -3>(k.ouvertesSout);
    // r = 1 or c = 5 (for tokens with an up-right neighbour).
    const Bits bord = kLigne1 | kColonne5;

    // Column 6.
    g.un |= t & kColonne6 & triple;

    // (r - 1, c + 1) own.
    const Bits p1 = t & vers<-1, 1>(k.propres);
    g.trois |= p1 & vers<-2, 2>(k.propres)
               & (vers<-3, 3>(k.videsSout) | vers<1, -1>(k.videsSout));
    const Bits v2 = p1 & vers<-2, 2>(k.videsSout);
    const Bits ouverte3 = vers<-3, 3>(k.ouvertes); // implies r >= 3, c <= 3
    g.deux |= v2 & ouverte3 & vers<-3, 3>(k.soutenues);
    g.deux |= v2 & ~ouverte3 & vers<1, -1>(k.videsSout);
    g.deux |= p1 & (vers<-2, 2>(k.adverses) | bord) & paire;

    // (r - 1, c + 1) the opponent's.
    g.un |= t & vers<-1, 1>(k.adverses) & triple;

    // (r - 1, c + 1) empty.
    const Bits e1 = t & vers<-1, 1>(k.vides);
    const Bits o2 = e1 & vers<-2, 2>(k.ouvertes);
    g.un |= o2 & ouverte3 & vers<-1, 1>(k.soutenues) & vers<-2, 2>(k.soutenues)
            & vers<-3, 3>(k.soutenues);
    g.un |= o2 & ~ouverte3 & vers<1, -1>(k.ouvertesSout);
    g.un |= e1 & (vers<-2, 2>(k.adverses) | bord) & simple;
}

// Down-right: (r + 1, c + 1) to (r + 3, c + 3); up-left: (r - 1, c - 1) to
// (r - 3, c - 3).
void diagonaleDescendante(const Cases& k, Gains& g)
{
    const Bits t = k.propres;
    // Up-left pair and single (c >= 2, r >= 2), triple (c >= 3, r >= 3).
    const Bits paire = vers<-1, -1>(k.videsSout) & vers<-2, -2>(k.ouvertesSout);
    const Bits simple = vers<-1, -1>(k.ouvertesSout) & vers<-2, -2>(k.ouvertesSout);
    const Bits triple = simple & vers<-3, -3>(k.ouvertesSout);
    const Bits videSoutHautGauche = vers<-1, -1>(k.videsSout);

    // Row 5, and column 6 above it.
    g.un |= t & (kLigne5 | kColonne6) & triple;

    // (r + 1, c + 1) own: rows 0 to 4, columns 0 to 5.
    const Bits p1 = t & vers<1, 1>(k.propres);
    g.deux |= p1 & kLigne4 & paire;
    g.deux |= p1 & ~kLigne4 & kColonne5 & paire;
    g.trois |= p1 & vers<2, 2>(k.propres) & (vers<3, 3>(k.videsSout) | videSoutHautGauche);
    g.deux |= p1 & vers<2, 2>(k.videsSout) & (vers<3, 3>(k.videsSout) | videSoutHautGauche);
    g.deux |= p1 & vers<2, 2>(k.adverses) & paire;

    // (r + 1, c + 1) the opponent's.
    g.un |= t & vers<1, 1>(k.adverses) & triple;

    // (r + 1, c + 1) empty.
    const Bits e1 = t & vers<1, 1>(k.vides);
    const Bits ouverte2 = vers<2, 2>(k.ouvertes); // implies r <= 3, c <= 4
    const Bits ouverte3 = vers<3, 3>(k.ouvertes); // implies r <= 2, c <= 3
    g.un |= e1 & ouverte2 & ouverte3 & vers<1, 1>(k.soutenues) & vers<2, 2>(k.soutenues)
            & vers<3, 3>(k.soutenues);
    g.un |= e1 & ouverte2 & ~ouverte3 & vers<-1, -1>(k.ouvertesSout);
    // r = 4, or c = 5, or (r + 2, c + 2) the opponent's.
    g.un |= e1 & ~ouverte2 & simple;
}

} // namespace

int note(Bits propres, Bits adverses)
{
    if (quatreAlignes(propres)) {
        return 4;
    }
    Cases k;
    k.propres = propres;
    k.adverses = adverses;
    k.vides = kPlateau & ~(propres | adverses);
    k.ouvertes = k.vides | propres;
    k.soutenues = soutenues(propres | adverses);
    k.videsSout = k.vides & k.soutenues;
    k.ouvertesSout = k.ouvertes & k.soutenues;

    Gains g;
    vertical(k, g);
    horizontal(k, g);
    diagonaleMontante(k, g);
    diagonaleDescendante(k, g);
    if (g.trois != 0) {
        return 3;
    }
    if (g.deux != 0) {
        return 2;
    }
    return g.un != 0 ? 1 : 0;
}

int scoreDesNotes(int a, int b)
{
    return kScoresPosition[a][b];
}

bool lireJetons(const Case* grille, Bits& rouges, Bits& jaunes)
{
    Bits r = 0;
    Bits j = 0;
    for (int ligne = 0; ligne < kLignes; ++ligne) {
        for (int colonne = 0; colonne < kColonnes; ++colonne) {
            const Case v = grille[colonne + kColonnes * ligne];
            if (v == 1) {
                r |= bitCase(ligne, colonne);
            } else if (v == 2) {
                j |= bitCase(ligne, colonne);
            } else if (v != 0) {
                return false;
            }
        }
    }
    rouges = r;
    jaunes = j;
    return true;
}

} // namespace rapide
