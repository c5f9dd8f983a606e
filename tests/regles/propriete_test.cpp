// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Many positions reached by alternating random play: the search leaves the
// board as it was, always names a playable column, and its values agree with
// a second, deliberately different, computation of the same search.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <thread>
#include <vector>

#include "moteurs.h"

namespace essai {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Plays `coups` random moves from the empty board, red first (stops early on
// a full board). The position may already be won: the search does not care.
Plateau partieAleatoire(std::mt19937& aleas, int coups)
{
    Plateau p{};
    int joueur = 1;
    for (int k = 0; k < coups; ++k) {
        std::vector<int> libres;
        for (int c = 0; c < kColonnes; ++c) {
            if (colonneJouable(p.data(), c)) {
                libres.push_back(c);
            }
        }
        if (libres.empty()) {
            break;
        }
        placerJeton(libres[aleas() % libres.size()], joueur, p.data());
        joueur = adversaire(joueur);
    }
    return p;
}

// The same search told differently: boards are copied instead of restored,
// the arithmetic is done in 64 bits and reduced modulo 2^32 at the end, a
// maximising node looks at its first two moves explicitly, and a minimising
// node stops only on the lowest integer.
class RechercheNaive {
public:
    explicit RechercheNaive(int joueur_) : joueur(joueur_) {}

    std::uint64_t appels = 0;

    std::int32_t valeur(bool maximiser, Plateau p, int profondeur, int colonne, std::int32_t beta)
    {
        ++appels;
        placerJeton(colonne, maximiser ? joueur : adversaire(joueur), p.data());
        const int s = reference::evaluerPosition(joueur, p.data());
        if (profondeur == 0) {
            return s;
        }
        std::vector<int> coups;
        for (int c = 0; c < kColonnes; ++c) {
            if (p[static_cast<std::size_t>(c)] == 0) {
                coups.push_back(c);
            }
        }
        if (maximiser) {
            if (coups.empty()) {
                return kMin;
            }
            const std::int32_t premier =
                combiner(valeur(false, p, profondeur - 1, coups[0], beta), s, profondeur);
            if (premier >= beta || coups.size() == 1) {
                return premier;
            }
            const std::int32_t second =
                combiner(valeur(false, p, profondeur - 1, coups[1], premier), s, profondeur);
            return std::max(premier, second);
        }
        std::int32_t meilleur = kMax;
        for (int c : coups) {
            meilleur = std::min(meilleur, combiner(valeur(true, p, profondeur - 1, c, beta), s,
                                                   profondeur));
            if (meilleur == kMin) {
                break;
            }
            beta = std::min(beta, meilleur);
        }
        return meilleur;
    }

private:
    static std::int32_t combiner(std::int32_t enfant, int s, int profondeur)
    {
        const std::int64_t produit =
            (static_cast<std::int64_t>(enfant) + s) * static_cast<std::int64_t>(profondeur);
        std::int64_t reste = produit % (std::int64_t{1} << 32);
        if (reste < 0) {
            reste += std::int64_t{1} << 32;
        }
        if (reste >= (std::int64_t{1} << 31)) {
            reste -= std::int64_t{1} << 32;
        }
        return static_cast<std::int32_t>(reste);
    }

    int joueur;
};

void verifierPosition(const Plateau& p, int joueur, int profondeur, bool recalculer)
{
    SCOPED_TRACE(::testing::Message() << "player " << joueur << " depth " << profondeur << "\n"
                                      << dessin(p));
    Plateau copie = p;
    const Analyse ref = reference::analyserPosition(joueur, copie.data(), profondeur);
    ASSERT_EQ(copie, p) << "board changed by the reference search";
    const Analyse jeu = analyserPosition(joueur, copie.data(), profondeur);
    ASSERT_EQ(copie, p) << "board changed by the game's search";

    ASSERT_GE(ref.colonne, 0);
    ASSERT_LT(ref.colonne, kColonnes);
    EXPECT_TRUE(colonneJouable(p.data(), ref.colonne));
    EXPECT_EQ(jeu.colonne, ref.colonne);
    EXPECT_EQ(jeu.appels, ref.appels);
    for (int c = 0; c < kColonnes; ++c) {
        EXPECT_EQ(ref.jouable[c], colonneJouable(p.data(), c));
        EXPECT_EQ(jeu.jouable[c], ref.jouable[c]);
        if (ref.jouable[c]) {
            EXPECT_EQ(jeu.valeurs[c], ref.valeurs[c]) << "column " << c;
        }
    }

    // The chosen column holds the largest value, the first of equals, or the
    // first playable column when nothing beats the lowest integer.
    std::int32_t meilleur = kMin;
    int attendue = -1;
    for (int c = 0; c < kColonnes; ++c) {
        if (ref.jouable[c] && ref.valeurs[c] > meilleur) {
            meilleur = ref.valeurs[c];
            attendue = c;
        }
    }
    if (attendue < 0) {
        for (int c = kColonnes - 1; c >= 0; --c) {
            if (ref.jouable[c]) {
                attendue = c;
            }
        }
    }
    EXPECT_EQ(ref.colonne, attendue);

    if (!recalculer) {
        return;
    }
    RechercheNaive naive(joueur);
    for (int c = 0; c < kColonnes; ++c) {
        if (!ref.jouable[c]) {
            continue;
        }
        EXPECT_EQ(naive.valeur(true, p, profondeur - 1, c, kMax), ref.valeurs[c]) << "column " << c;
        // Each root column on its own, through alphaBeta itself.
        Plateau direct = p;
        EXPECT_EQ(alphaBeta(true, joueur, direct.data(), profondeur - 1, c, kMin, kMax),
                  ref.valeurs[c]);
        EXPECT_EQ(direct, p);
    }
    EXPECT_EQ(naive.appels, ref.appels);
}

TEST(Proprietes, PositionsDeMilieuDePartie)
{
    std::mt19937 aleas(20240611u);
    for (int essai = 0; essai < 150; ++essai) {
        const int coups = static_cast<int>(aleas() % 30);
        const Plateau p = partieAleatoire(aleas, coups);
        const int joueur = 1 + coups % 2;
        const int profondeur = 1 + static_cast<int>(aleas() % 5);
        verifierPosition(p, joueur, profondeur, essai % 3 == 0);
    }
}

TEST(Proprietes, FinsDePartie)
{
    // Few free cells, depths up to and beyond them: nodes without a move,
    // wrapped values and the fallback column.
    std::mt19937 aleas(424242u);
    for (int essai = 0; essai < 200; ++essai) {
        const int coups = 33 + static_cast<int>(aleas() % 9);
        const Plateau p = partieAleatoire(aleas, coups);
        const int joueur = 1 + static_cast<int>(aleas() % 2);
        const int profondeur = 1 + static_cast<int>(aleas() % 9);
        verifierPosition(p, joueur, profondeur, true);
    }
}

TEST(Proprietes, DeuxRecherchesDeReferenceEnMemeTemps)
{
    // Each search counts its own calls: two threads searching at once get
    // the very same results as one after the other.
    std::mt19937 aleas(9001u);
    std::vector<Plateau> plateaux;
    for (int k = 0; k < 8; ++k) {
        plateaux.push_back(partieAleatoire(aleas, 6 + 2 * k));
    }
    std::vector<Analyse> seules;
    for (Plateau p : plateaux) {
        seules.push_back(reference::analyserPosition(1, p.data(), 7));
    }
    std::vector<Analyse> ensemble(plateaux.size());
    std::vector<Plateau> copies = plateaux;
    const auto travail = [&](std::size_t debut) {
        for (std::size_t i = debut; i < copies.size(); i += 2) {
            ensemble[i] = reference::analyserPosition(1, copies[i].data(), 7);
        }
    };
    std::thread autre(travail, std::size_t{1});
    travail(0);
    autre.join();
    for (std::size_t i = 0; i < plateaux.size(); ++i) {
        EXPECT_EQ(copies[i], plateaux[i]);
        EXPECT_EQ(ensemble[i].appels, seules[i].appels) << "board " << i;
        EXPECT_EQ(ensemble[i].colonne, seules[i].colonne) << "board " << i;
        for (int c = 0; c < kColonnes; ++c) {
            EXPECT_EQ(ensemble[i].valeurs[c], seules[i].valeurs[c]) << "board " << i;
        }
    }
}

TEST(Proprietes, LesNotesNeDependentPasDeLaCouleur)
{
    std::mt19937 aleas(77u);
    for (int essai = 0; essai < 500; ++essai) {
        const Plateau p = partieAleatoire(aleas, static_cast<int>(aleas() % 43));
        Plateau echange = p;
        for (Case& c : echange) {
            c = c == 0 ? 0 : 3 - c;
        }
        for (int joueur = 1; joueur <= 2; ++joueur) {
            const int note = reference::evaluerJoueur(joueur, p.data());
            EXPECT_GE(note, 0);
            EXPECT_LE(note, 4);
            EXPECT_EQ(note, reference::evaluerJoueur(3 - joueur, echange.data()));
            EXPECT_EQ(evaluerJoueur(joueur, p.data()), note);
            EXPECT_EQ(evaluerPosition(joueur, p.data()),
                      reference::evaluerPosition(joueur, p.data()));
        }
    }
}

} // namespace
} // namespace essai
