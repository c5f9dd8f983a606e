// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// quartelo4_bench: time of the computer player's search, without its pause,
// at the game's depths 8, 10 and 12, from the empty board and from each
// position of bench/corpus.txt.
//
// Benchmarks are named BM_<engine>/<position>/<depth>/real_time, for instance
// BM_Reference/corpus07/12/real_time. Times are wall-clock times, the time
// the game's player waits. Counters: `appels`, the alphaBeta calls of one
// search (the plain search's count, whichever engine), and `appels_par_s`,
// those calls per second. Another engine is one more line in kMoteurs below.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "ordinateur.h"
#include "position_texte.h"
#include "reference.h"

namespace {

using Moteur = Analyse (*)(int joueur, Case* grille, int profondeur);

struct MoteurNomme {
    const char* nom;
    Moteur analyser;
};

const MoteurNomme kMoteurs[] = {
    {"Reference", &reference::analyserPosition}, // the plain search, rule by rule
    {"Jeu", &analyserPosition},                  // what the game plays with
};

const int kProfondeurs[] = {8, 10, 12};

struct PositionNommee {
    std::string nom;
    positions::Position position;
};

// The empty board, red to move, then the corpus in file order.
bool lirePositions(std::vector<PositionNommee>& resultat)
{
    resultat.push_back({"vide", positions::Position{}});
    std::ifstream fichier(QUARTELO4_CORPUS);
    if (!fichier) {
        std::fprintf(stderr, "quartelo4_bench : impossible de lire %s\n", QUARTELO4_CORPUS);
        return false;
    }
    std::string ligne;
    int numero = 0;
    int rang = 0;
    while (std::getline(fichier, ligne)) {
        ++numero;
        if (positions::ligneIgnoree(ligne)) {
            continue;
        }
        std::string erreur;
        const auto position = positions::lirePosition(ligne, erreur);
        if (!position) {
            std::fprintf(stderr, "quartelo4_bench : %s, ligne %d : %s\n", QUARTELO4_CORPUS, numero,
                         erreur.c_str());
            return false;
        }
        ++rang;
        const std::string nom = (rang < 10 ? "corpus0" : "corpus") + std::to_string(rang);
        resultat.push_back({nom, *position});
    }
    return true;
}

void rechercher(benchmark::State& etat, Moteur analyser, positions::Position position,
                int profondeur)
{
    std::uint64_t appels = 0;
    for (auto _ : etat) {
        const Analyse analyse = analyser(position.joueur, position.grille.data(), profondeur);
        benchmark::DoNotOptimize(analyse.colonne);
        appels += analyse.appels;
    }
    etat.counters["appels"] =
        benchmark::Counter(static_cast<double>(appels), benchmark::Counter::kAvgIterations);
    etat.counters["appels_par_s"] =
        benchmark::Counter(static_cast<double>(appels), benchmark::Counter::kIsRate);
}

void enregistrer(const MoteurNomme& moteur, const std::vector<PositionNommee>& liste)
{
    for (const int profondeur : kProfondeurs) {
        for (const PositionNommee& p : liste) {
            const std::string nom = std::string("BM_") + moteur.nom + "/" + p.nom + "/"
                                    + std::to_string(profondeur);
            benchmark::RegisterBenchmark(nom.c_str(), rechercher, moteur.analyser, p.position,
                                         profondeur)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime(); // what the player waits for
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<PositionNommee> liste;
    if (!lirePositions(liste)) {
        return 1;
    }
    for (const MoteurNomme& moteur : kMoteurs) {
        enregistrer(moteur, liste);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
