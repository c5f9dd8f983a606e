// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// quartelo4_verifier: compares the game's search with the plain one on a
// large number of random positions and says how long it took.
//
//   quartelo4_verifier [number of positions, 1000000] [seed, 1] [threads, 2]
//                      [first position, 0]
//
// Position k is drawn from its own generator, seeded from the seed and k, so
// a reported position can be replayed alone whatever the number of threads:
// quartelo4_verifier 1 SEED 1 K.
// Each position is one of: a position of a real game (most of them), a nearly
// full board (1 to 11 free cells, where the values wrap around), a position
// where a side already has four in a line, or a stack of tokens that obeys
// gravity but that no game reaches. The depth runs from 1 to 12, the deep
// searches being rarer because the plain search is slow there. On every
// position the grades, the scores, the analysis (chosen column, seven values,
// playable flags, number of calls) and the board after the search are
// compared; one position in eight also compares a single alphaBeta node with
// random bounds. The exit status is 0 only when everything agreed.

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

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

std::uint64_t melanger(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// Depth 1 to 12, the deep ones rarer (per ten thousand).
int profondeurAuHasard(Alea& alea)
{
    constexpr int cumul[12] = {1100, 2200, 3300, 4400, 6000, 7500, 8800, 9650, 9850, 9950, 9980, 10000};
    const int x = tirer(alea, 10000);
    int d = 0;
    while (x >= cumul[d]) {
        ++d;
    }
    return d + 1;
}

struct Bilan {
    std::atomic<std::uint64_t> positions{0};
    std::atomic<std::uint64_t> appels{0};
    std::atomic<std::uint64_t> ecarts{0};
    std::atomic<std::uint64_t> parProfondeur[13] = {};
    std::atomic<std::uint64_t> parSorte[4] = {};
    std::mutex sortie;
};

void signaler(Bilan& bilan, std::uint64_t k, const std::string& quoi, const Plateau& p)
{
    const std::lock_guard<std::mutex> garde(bilan.sortie);
    std::printf("MISMATCH at position %llu: %s\n%s\n", static_cast<unsigned long long>(k),
                quoi.c_str(), comparaison::dessin(p).c_str());
    std::fflush(stdout);
    ++bilan.ecarts;
}

void verifierPosition(std::uint64_t graine, std::uint64_t k, Bilan& bilan)
{
    Alea alea(melanger(graine * 0x100000001B3ull + k));
    const int sorte = tirer(alea, 20);
    int trait = 1;
    Plateau p;
    int profondeur = profondeurAuHasard(alea);
    int genre = 0;
    if (sorte < 11) { // a game
        do {
            p = comparaison::partie(alea, tirer(alea, kCases), trait);
        } while (comparaison::casesLibres(p) == 0);
    } else if (sorte < 15) { // nearly full
        genre = 1;
        do {
            p = comparaison::partie(alea, kCases - 1 - tirer(alea, 11), trait);
        } while (comparaison::casesLibres(p) == 0);
        profondeur = 1 + tirer(alea, 12);
    } else if (sorte < 18) { // a side has four in a line
        genre = 2;
        do {
            p = comparaison::partie(alea, 7 + tirer(alea, 34), trait);
        } while (comparaison::casesLibres(p) == 0
                 || (!comparaison::aQuatre(p, 1) && !comparaison::aQuatre(p, 2)));
    } else { // a stack that no game reaches
        genre = 3;
        do {
            p = comparaison::empilement(alea);
        } while (comparaison::casesLibres(p) == 0);
        trait = 1 + tirer(alea, 2);
    }
    const int joueur = tirer(alea, 5) == 0 ? adversaire(trait) : trait;

    for (int j = 1; j <= 2; ++j) {
        if (evaluerJoueur(j, p.data()) != reference::evaluerJoueur(j, p.data())
            || evaluerPosition(j, p.data()) != reference::evaluerPosition(j, p.data())) {
            signaler(bilan, k, "grade or score of player " + std::to_string(j), p);
        }
    }

    Plateau a = p;
    Plateau b = p;
    const Analyse jeu = analyserPosition(joueur, a.data(), profondeur);
    const Analyse plain = reference::analyserPosition(joueur, b.data(), profondeur);
    std::string ecart;
    if (!comparaison::memesAnalyses(jeu, plain, ecart)) {
        signaler(bilan, k,
                 ecart + ", player " + std::to_string(joueur) + ", depth "
                     + std::to_string(profondeur),
                 p);
    }
    if (a != p || b != p) {
        signaler(bilan, k, "board not given back", p);
    }

    if (tirer(alea, 8) == 0) {
        int colonne = tirer(alea, kColonnes);
        while (!colonneJouable(p.data(), colonne)) {
            colonne = (colonne + 1) % kColonnes;
        }
        const auto borne = [&alea]() -> std::int32_t {
            switch (tirer(alea, 4)) {
            case 0:
                return kMin;
            case 1:
                return kMax;
            case 2:
                return tirer(alea, 2001) - 1000;
            default:
                return static_cast<std::int32_t>(static_cast<std::uint32_t>(alea()));
            }
        };
        const std::int32_t alpha = borne();
        const std::int32_t beta = borne();
        const bool maximiser = tirer(alea, 2) == 0;
        const int d = std::min(profondeur, 8) - 1;
        std::uint64_t n1 = 0;
        std::uint64_t n2 = 0;
        Plateau c = p;
        Plateau e = p;
        const std::int32_t v1 = rapide::alphaBeta(maximiser, joueur, c.data(), d, colonne, alpha, beta, n1);
        const std::int32_t v2 =
            reference::alphaBeta(maximiser, joueur, e.data(), d, colonne, alpha, beta, n2);
        if (v1 != v2 || n1 != n2 || c != p || e != p) {
            signaler(bilan, k,
                     "alphaBeta node, column " + std::to_string(colonne) + " bounds "
                         + std::to_string(alpha) + " " + std::to_string(beta) + ": "
                         + std::to_string(v1) + " vs " + std::to_string(v2),
                     p);
        }
    }

    ++bilan.positions;
    bilan.appels += plain.appels;
    ++bilan.parProfondeur[profondeur];
    ++bilan.parSorte[genre];
}

} // namespace

int main(int argc, char** argv)
{
    const std::uint64_t nombre = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    const std::uint64_t graine = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const int fils = argc > 3 ? std::max(1, std::atoi(argv[3])) : 2;
    const std::uint64_t premiere = argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 0;

    Bilan bilan;
    std::atomic<std::uint64_t> suivante{0};
    const auto debut = std::chrono::steady_clock::now();
    const auto travail = [&]() {
        while (true) {
            const std::uint64_t k = suivante++;
            if (k >= nombre) {
                return;
            }
            verifierPosition(graine, premiere + k, bilan);
            if ((k + 1) % 100000 == 0) {
                const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
                const std::lock_guard<std::mutex> garde(bilan.sortie);
                std::printf("%llu positions checked, %.0f s\n", static_cast<unsigned long long>(k + 1), s);
                std::fflush(stdout);
            }
        }
    };
    std::vector<std::thread> travailleurs;
    for (int t = 1; t < fils; ++t) {
        travailleurs.emplace_back(travail);
    }
    travail();
    for (std::thread& t : travailleurs) {
        t.join();
    }
    const double secondes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();

    std::printf("positions: %llu (games %llu, nearly full %llu, four in a line %llu, stacks %llu)\n",
                static_cast<unsigned long long>(bilan.positions.load()),
                static_cast<unsigned long long>(bilan.parSorte[0].load()),
                static_cast<unsigned long long>(bilan.parSorte[1].load()),
                static_cast<unsigned long long>(bilan.parSorte[2].load()),
                static_cast<unsigned long long>(bilan.parSorte[3].load()));
    std::printf("per depth:");
    for (int d = 1; d <= 12; ++d) {
        std::printf(" %d:%llu", d, static_cast<unsigned long long>(bilan.parProfondeur[d].load()));
    }
    std::printf("\nplain-search calls compared: %llu\n",
                static_cast<unsigned long long>(bilan.appels.load()));
    std::printf("seed %llu, %d threads, %.1f s\n", static_cast<unsigned long long>(graine), fils,
                secondes);
    std::printf("mismatches: %llu\n", static_cast<unsigned long long>(bilan.ecarts.load()));
    return bilan.ecarts.load() == 0 && bilan.positions.load() == nombre ? 0 : 1;
}
