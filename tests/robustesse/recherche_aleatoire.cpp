// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer player on random boards, from nearly empty ones to boards with
// a single free cell, at every depth from 1 to 12. Nothing is compared with
// an expected value: the run checks that every search leaves the board as it
// found it, returns a column that can take a token, and that the grades stay
// in their range. Built with the sanitizers, it also proves that no search
// step overflows a signed integer or reads outside the board.
//
//   QUARTELO4_POSITIONS  number of positions (default 20000; the suite sets its own count)
//   QUARTELO4_GRAINE     seed of the run (printed, to replay a failure)

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <sstream>
#include <string>

#include "joueur.h"
#include "lignes.h"
#include "ordinateur.h"
#include "positions_aleatoires.h"

namespace {

constexpr int kProfondeurMax = 12;

// Share of the positions searched at each depth, 1 to 12, per million: the
// deep searches cost thousands of times more than the shallow ones.
constexpr long kPartParProfondeur[kProfondeurMax] = {
    300000, 250000, 170000, 120000, 70000, 45000, 22000, 12000, 6000, 3000, 1500, 500};

int tirerProfondeur(PositionsAleatoires& alea)
{
    const int tirage = alea.entre(0, 999999);
    long cumul = 0;
    for (int d = 0; d < kProfondeurMax; ++d) {
        cumul += kPartParProfondeur[d];
        if (tirage < cumul) {
            return d + 1;
        }
    }
    return 1;
}

std::string decrire(const Case* grille, int joueur, int profondeur)
{
    std::ostringstream texte;
    texte << "joueur " << joueur << ", profondeur " << profondeur << ", grille :";
    for (int r = 0; r < kLignes; ++r) {
        texte << "\n  ";
        for (int c = 0; c < kColonnes; ++c) {
            texte << grille[c + kColonnes * r];
        }
    }
    return texte.str();
}

bool memeGrille(const Case* a, const Case* b)
{
    for (int i = 0; i < kCases; ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

struct Bilan {
    long positions = 0;
    long parProfondeur[kProfondeurMax + 1] = {};
    long parCasesLibres[kCases + 1] = {};
    long moinsDeCasesQueDeCoups = 0; // where the values wrap around in 32 bits
    long valeursExtremes = 0;        // root values equal to the lowest or highest integer
    std::uint64_t appels = 0;
};

// Searches one position every way the game can, and checks what a search must
// never break.
void chercher(Case* grille, int joueur, int profondeur, PositionsAleatoires& alea, Bilan& bilan)
{
    Grille avant;
    for (int i = 0; i < kCases; ++i) {
        avant[i] = grille[i];
    }
    int libres = 0;
    for (int i = 0; i < kCases; ++i) {
        libres += grille[i] == 0 ? 1 : 0;
    }
    SCOPED_TRACE(decrire(avant, joueur, profondeur));

    // The grades and the score stay in their ranges; 4 means four in a line.
    for (int j = 1; j <= 2; ++j) {
        const int note = evaluerJoueur(j, grille);
        ASSERT_GE(note, 0);
        ASSERT_LE(note, 4);
        ASSERT_EQ(note == 4, aUneLigne(grille, j));
    }
    const int score = evaluerPosition(joueur, grille);
    ASSERT_GE(score, -4);
    ASSERT_LE(score, 4);

    const Analyse analyse = analyserPosition(joueur, grille, profondeur);
    ASSERT_TRUE(memeGrille(avant, grille)) << "the search did not restore the board";
    ASSERT_GE(analyse.colonne, 0);
    ASSERT_LT(analyse.colonne, kColonnes);
    ASSERT_TRUE(colonneJouable(avant, analyse.colonne)) << "column " << analyse.colonne;
    std::uint64_t jouables = 0;
    for (int c = 0; c < kColonnes; ++c) {
        ASSERT_EQ(analyse.jouable[c], colonneJouable(avant, c)) << "column " << c;
        if (analyse.jouable[c]) {
            ++jouables;
            const std::int32_t v = analyse.valeurs[c];
            if (v == std::numeric_limits<std::int32_t>::min()
                || v == std::numeric_limits<std::int32_t>::max()) {
                ++bilan.valeursExtremes;
            }
        }
    }
    ASSERT_GE(analyse.appels, jouables);

    // The game's own entry, without its pause, now and then.
    if (alea.entre(0, 15) == 0) {
        const Joueur ordinateur(joueur, true);
        const int colonne = choisirColonne(ordinateur, grille, profondeur);
        ASSERT_TRUE(memeGrille(avant, grille)) << "choisirColonne did not restore the board";
        ASSERT_EQ(colonne, analyse.colonne);
    }

    // One node on its own, with a bound such as the search hands down.
    if (alea.entre(0, 7) == 0) {
        int colonnes[kColonnes];
        int n = 0;
        for (int c = 0; c < kColonnes; ++c) {
            if (colonneJouable(grille, c)) {
                colonnes[n++] = c;
            }
        }
        const int colonne = colonnes[alea.entre(0, n - 1)];
        const bool maximiser = alea.entre(0, 1) == 1;
        const std::int32_t beta = alea.entre(0, 3) == 0
            ? std::numeric_limits<std::int32_t>::max()
            : static_cast<std::int32_t>(alea.generateur()());
        (void)alphaBeta(maximiser, joueur, grille, profondeur - 1, colonne,
                        std::numeric_limits<std::int32_t>::min(), beta);
        ASSERT_TRUE(memeGrille(avant, grille)) << "alphaBeta did not restore the board";
    }

    ++bilan.positions;
    ++bilan.parProfondeur[profondeur];
    ++bilan.parCasesLibres[libres];
    bilan.moinsDeCasesQueDeCoups += libres < profondeur ? 1 : 0;
    bilan.appels += analyse.appels;
}

void afficher(const Bilan& bilan, double secondes)
{
    std::printf("%ld positions in %.1f s, %llu alphaBeta calls, %ld with fewer free cells "
                "than the depth, %ld root values at an end of the range\n",
                bilan.positions, secondes, static_cast<unsigned long long>(bilan.appels),
                bilan.moinsDeCasesQueDeCoups, bilan.valeursExtremes);
    std::printf("by depth:");
    for (int d = 1; d <= kProfondeurMax; ++d) {
        std::printf(" %d:%ld", d, bilan.parProfondeur[d]);
    }
    std::printf("\nby free cells:");
    for (int f = 1; f <= kCases; ++f) {
        std::printf(" %d:%ld", f, bilan.parCasesLibres[f]);
    }
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

TEST(RechercheAleatoire, LaissePlateauIntactEtRendUneColonneJouable)
{
    const std::uint64_t graine = graineDepuisEnvironnement("QUARTELO4_GRAINE", 20240611);
    const long nombre = nombreDepuisEnvironnement("QUARTELO4_POSITIONS", 20000);
    std::printf("seed %llu, %ld positions (replay with QUARTELO4_GRAINE=%llu "
                "QUARTELO4_POSITIONS=%ld)\n",
                static_cast<unsigned long long>(graine), nombre,
                static_cast<unsigned long long>(graine), nombre);
    std::fflush(stdout);

    const int pauseAvant = dureePause();
    setDureePause(0);
    PositionsAleatoires alea(graine);
    Bilan bilan;
    const auto debut = std::chrono::steady_clock::now();
    for (long i = 0; i < nombre; ++i) {
        int profondeur;
        int jetons;
        if (i < kProfondeurMax * 11) {
            // Every depth on every board with 1 to 11 free cells, first.
            profondeur = 1 + static_cast<int>(i % kProfondeurMax);
            jetons = kCases - 1 - static_cast<int>(i / kProfondeurMax);
        } else {
            profondeur = tirerProfondeur(alea);
            jetons = alea.entre(0, 99) < 35 ? alea.entre(kCases - 11, kCases - 1)
                                           : alea.entre(0, kCases - 1);
        }
        Grille grille;
        alea.remplir(grille, jetons, alea.entre(0, 1) == 1);
        const int joueur = alea.entre(1, 2);
        chercher(grille, joueur, profondeur, alea, bilan);
        if (::testing::Test::HasFatalFailure()) {
            std::printf("failure at position %ld of seed %llu\n", i,
                        static_cast<unsigned long long>(graine));
            break;
        }
        if (nombre >= 100000 && (i + 1) % 100000 == 0) {
            const std::chrono::duration<double> ecoule = std::chrono::steady_clock::now() - debut;
            std::printf("  %ld positions, %.0f s\n", i + 1, ecoule.count());
            std::fflush(stdout);
        }
    }
    const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
    setDureePause(pauseAvant);
    afficher(bilan, duree.count());
    if (nombre >= kProfondeurMax * 11) {
        for (int d = 1; d <= kProfondeurMax; ++d) {
            EXPECT_GT(bilan.parProfondeur[d], 0) << "depth " << d;
        }
    }
}
