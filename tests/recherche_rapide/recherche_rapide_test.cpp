// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's search against the plain one: the same chosen column, the same
// seven root values and playable flags, the same number of alphaBeta calls,
// and the board given back untouched.

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "generateurs.h"
#include "ordinateur.h"
#include "recherche_rapide.h"
#include "reference.h"

namespace {

using comparaison::Alea;
using comparaison::Plateau;
using comparaison::tirer;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Searches the board with both engines; false (and a gtest failure) when they
// differ in anything or a board is not given back as it was.
bool memeRecherche(const Plateau& p, int joueur, int profondeur)
{
    Plateau pourReference = p;
    Plateau pourJeu = p;
    const Analyse attendue = reference::analyserPosition(joueur, pourReference.data(), profondeur);
    const Analyse obtenue = analyserPosition(joueur, pourJeu.data(), profondeur);
    std::string ecart;
    if (!comparaison::memesAnalyses(obtenue, attendue, ecart)) {
        ADD_FAILURE() << ecart << " (game vs plain), player " << joueur << ", depth "
                      << profondeur << ", board\n"
                      << comparaison::dessin(p);
        return false;
    }
    if (pourJeu != p || pourReference != p) {
        ADD_FAILURE() << "board changed by the search, depth " << profondeur << "\n"
                      << comparaison::dessin(p) << "became\n"
                      << comparaison::dessin(pourJeu);
        return false;
    }
    return true;
}

// How many positions to try at each depth from 1 to 12: the plain search
// costs about seven times more every two plies.
constexpr int kParProfondeur[13] = {0, 600, 600, 600, 500, 400, 300, 200, 120, 50, 30, 12, 8};

TEST(RechercheRapide, PositionsOfRealGamesAtEveryDepth)
{
    Alea alea(21);
    for (int profondeur = 1; profondeur <= 12; ++profondeur) {
        for (int k = 0; k < kParProfondeur[profondeur]; ++k) {
            int trait = 0;
            const Plateau p = comparaison::partie(alea, tirer(alea, 36), trait);
            if (comparaison::casesLibres(p) == 0) {
                continue;
            }
            // Mostly the side to move, as in a game; sometimes the other side.
            const int joueur = k % 5 == 4 ? adversaire(trait) : trait;
            if (!memeRecherche(p, joueur, profondeur)) {
                return;
            }
        }
    }
}

TEST(RechercheRapide, NearlyFullBoardsWhereTheValuesWrapAround)
{
    // With fewer free cells than the depth, nodes with no move return the
    // lowest or highest integer and their parents' sums and products wrap.
    Alea alea(22);
    int sansValeur = 0; // no column above the lowest integer: the fallback column
    int horsNormes = 0; // a root value that only a wrap can give
    for (int k = 0; k < 3000; ++k) {
        int trait = 0;
        Plateau p;
        do {
            p = comparaison::partie(alea, kCases - 1 - tirer(alea, 11), trait);
        } while (comparaison::casesLibres(p) == 0);
        const int profondeur = 1 + tirer(alea, 14);
        const int joueur = 1 + tirer(alea, 2);
        if (!memeRecherche(p, joueur, profondeur)) {
            return;
        }
        Plateau copie = p;
        const Analyse a = reference::analyserPosition(joueur, copie.data(), profondeur);
        bool auDessus = false;
        for (int i = 0; i < kColonnes; ++i) {
            if (a.jouable[i]) {
                auDessus = auDessus || a.valeurs[i] > kMin;
                horsNormes += (a.valeurs[i] > 1000000000 || a.valeurs[i] < -1000000000) ? 1 : 0;
            }
        }
        sansValeur += auDessus ? 0 : 1;
    }
    EXPECT_GT(sansValeur, 10) << "the fallback column was hardly tried";
    EXPECT_GT(horsNormes, 100) << "wrapped values were hardly met";
}

TEST(RechercheRapide, TheLastFreeCell)
{
    // One free cell: at depth 1 its value is the score; from depth 2 on the
    // value is the lowest integer and the column is chosen all the same.
    Alea alea(23);
    for (int k = 0; k < 200; ++k) {
        int trait = 0;
        const Plateau p = comparaison::partie(alea, kCases - 1, trait);
        ASSERT_EQ(comparaison::casesLibres(p), 1);
        for (int profondeur : {1, 2, 3, 12}) {
            if (!memeRecherche(p, 1 + k % 2, profondeur)) {
                return;
            }
        }
    }
}

TEST(RechercheRapide, BelowPositionsWithFourInALine)
{
    // The search goes on below a won position; the fast search must too.
    Alea alea(24);
    int essais = 0;
    while (essais < 400) {
        int trait = 0;
        const Plateau p = comparaison::partie(alea, 10 + tirer(alea, 25), trait);
        if (comparaison::casesLibres(p) == 0
            || (!comparaison::aQuatre(p, 1) && !comparaison::aQuatre(p, 2))) {
            continue;
        }
        const int profondeur = 1 + essais % 9;
        if (!memeRecherche(p, essais % 3 == 0 ? adversaire(trait) : trait, profondeur)) {
            return;
        }
        ++essais;
    }
}

TEST(RechercheRapide, BothSidesOnTheSameBoardOneAfterTheOther)
{
    // Nothing found for one side may leak into the next search.
    Alea alea(25);
    for (int k = 0; k < 40; ++k) {
        int trait = 0;
        const Plateau p = comparaison::partie(alea, tirer(alea, 20), trait);
        for (int joueur : {1, 2, 1}) {
            for (int profondeur : {7, 6}) {
                if (!memeRecherche(p, joueur, profondeur)) {
                    return;
                }
            }
        }
    }
}

// One alphaBeta node with both engines, any bounds.
bool memeNoeud(const Plateau& p, bool maximiser, int joueur, int profondeur, int colonne,
               std::int32_t alpha, std::int32_t beta)
{
    Plateau pourReference = p;
    Plateau pourRapide = p;
    Plateau pourJeu = p;
    std::uint64_t appelsReference = 0;
    std::uint64_t appelsRapide = 0;
    const std::int32_t attendue = reference::alphaBeta(maximiser, joueur, pourReference.data(),
                                                       profondeur, colonne, alpha, beta,
                                                       appelsReference);
    const std::int32_t rapide = rapide::alphaBeta(maximiser, joueur, pourRapide.data(), profondeur,
                                                  colonne, alpha, beta, appelsRapide);
    const std::int32_t jeu =
        alphaBeta(maximiser, joueur, pourJeu.data(), profondeur, colonne, alpha, beta);
    if (rapide != attendue || jeu != attendue || appelsRapide != appelsReference
        || pourRapide != pourReference || pourJeu != pourReference) {
        ADD_FAILURE() << "alphaBeta(" << maximiser << ", " << joueur << ", depth " << profondeur
                      << ", column " << colonne << ", " << alpha << ", " << beta << "): "
                      << rapide << " / " << jeu << " in " << appelsRapide << " calls instead of "
                      << attendue << " in " << appelsReference << " on\n"
                      << comparaison::dessin(p) << "boards after the calls:\n"
                      << comparaison::dessin(pourRapide) << "\n"
                      << comparaison::dessin(pourReference);
        return false;
    }
    return true;
}

std::int32_t borneAuHasard(Alea& alea)
{
    switch (tirer(alea, 5)) {
    case 0:
        return kMin;
    case 1:
        return kMax;
    case 2:
        return tirer(alea, 201) - 100;
    case 3:
        return tirer(alea, 200001) - 100000;
    default:
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(alea()));
    }
}

TEST(RechercheRapide, AlphaBetaWithAnyBounds)
{
    // The game only ever passes the lowest integer as alpha; the entry point
    // keeps its meaning for any alpha and beta, on either kind of node.
    Alea alea(26);
    for (int k = 0; k < 3000; ++k) {
        int trait = 0;
        const Plateau p = comparaison::partie(alea, tirer(alea, kCases), trait);
        int colonne = tirer(alea, kColonnes);
        if (comparaison::casesLibres(p) == 0) {
            continue;
        }
        while (!colonneJouable(p.data(), colonne)) {
            colonne = (colonne + 1) % kColonnes;
        }
        const int profondeur = tirer(alea, 9);
        if (!memeNoeud(p, tirer(alea, 2) == 0, 1 + tirer(alea, 2), profondeur, colonne,
                       borneAuHasard(alea), borneAuHasard(alea))) {
            return;
        }
    }
}

TEST(RechercheRapide, UnusualArgumentsBehaveAsInThePlainSearch)
{
    // A full column, a foreign cell value, a floating token, a player number
    // other than 1 and 2, a negative depth: the entry points keep the plain
    // search's behaviour, board changes included.
    Alea alea(27);
    for (int k = 0; k < 600; ++k) {
        int trait = 0;
        Plateau p = comparaison::partie(alea, 30 + tirer(alea, 8), trait);
        if (comparaison::casesLibres(p) == 0) {
            continue;
        }
        int colonne = tirer(alea, kColonnes);
        int joueur = 1 + tirer(alea, 2);
        int profondeur = tirer(alea, 6);
        switch (k % 5) {
        case 0: // maybe a full column: the plain search then takes a token away
            break;
        case 1:
            p[static_cast<std::size_t>(tirer(alea, kCases))] = 3;
            break;
        case 2: { // a token above an empty cell
            const int c = tirer(alea, kColonnes);
            p[static_cast<std::size_t>(c)] = 1;
            p[static_cast<std::size_t>(c + kColonnes * (kLignes - 1))] = 0;
            break;
        }
        case 3:
            joueur = tirer(alea, 2) == 0 ? 0 : 3;
            break;
        default:
            profondeur = -1 - tirer(alea, 3);
            break;
        }
        if (!memeNoeud(p, tirer(alea, 2) == 0, joueur, profondeur, colonne, kMin, kMax)) {
            return;
        }
        if (k % 5 != 0 && k % 5 != 4 && colonneJouable(p.data(), 0)) {
            Plateau a = p;
            Plateau b = p;
            const int d = 1 + tirer(alea, 4);
            std::string ecart;
            EXPECT_TRUE(comparaison::memesAnalyses(analyserPosition(joueur, a.data(), d),
                                                   reference::analyserPosition(joueur, b.data(), d),
                                                   ecart))
                << ecart << " on\n"
                << comparaison::dessin(p);
            EXPECT_EQ(a, b);
        }
    }
}

TEST(RechercheRapide, ChoisirColonnePlaysTheFastSearchColumn)
{
    const int pause = dureePause();
    setDureePause(0);
    Alea alea(28);
    for (int k = 0; k < 30; ++k) {
        int trait = 0;
        Plateau p = comparaison::partie(alea, tirer(alea, 30), trait);
        Plateau copie = p;
        const Joueur joueur(trait, true);
        const int colonne = choisirColonne(joueur, p.data(), 8);
        EXPECT_EQ(colonne, reference::analyserPosition(trait, copie.data(), 8).colonne);
        EXPECT_EQ(p, copie);
    }
    setDureePause(pause);
}

TEST(RechercheRapide, TheTableSparesWorkWithoutChangingTheCount)
{
    // At depth 12 most nodes of the plain tree are met again through another
    // order of the same moves; the count still is that of the plain tree.
    Grille vide{};
    const Analyse a = analyserPosition(1, vide, 12);
    const rapide::Statistiques s = rapide::statistiquesDerniereRecherche();
    EXPECT_EQ(a.appels, reference::analyserPosition(1, vide, 12).appels);
    EXPECT_GT(s.noeudsRetrouves, 0u);
    EXPECT_LT(s.noeudsVisites, a.appels / 4);
}

} // namespace
