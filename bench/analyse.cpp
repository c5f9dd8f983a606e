// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// quartelo4_analyse: the computer player's analysis of positions read from
// the standard input, without the pause that the game makes.

#include <cstdint>
#include <iostream>
#include <string>

#include "ordinateur.h"
#include "position_texte.h"

namespace {

const char* const kUsage =
    "Usage : quartelo4_analyse [--help] < POSITIONS\n"
    "\n"
    "Analyse des positions de Quartelo 4 avec la recherche de l'ordinateur (sans sa\n"
    "pause de 500 ms). Lit l'entrée standard, une position par ligne :\n"
    "\n"
    "  PLATEAU JOUEUR PROFONDEUR\n"
    "\n"
    "  PLATEAU     42 caractères, la ligne du haut d'abord, chaque ligne de la\n"
    "              colonne 0 à la colonne 6 : « . » case vide, « R » jeton rouge,\n"
    "              « J » jeton jaune. Aucune case vide sous un jeton, au moins\n"
    "              une colonne jouable.\n"
    "  JOUEUR      le camp qui joue : 1 (rouge) ou 2 (jaune).\n"
    "  PROFONDEUR  la profondeur de recherche, de 1 à 42. Le jeu joue à 8, 10\n"
    "              ou 12 ; deux coups de plus coûtent environ sept fois plus.\n"
    "\n"
    "Les lignes vides et celles qui commencent par « # » sont ignorées.\n"
    "\n"
    "Pour chaque position, une ligne sur la sortie standard :\n"
    "\n"
    "  COLONNE V0 V1 V2 V3 V4 V5 V6 APPELS\n"
    "\n"
    "  COLONNE     la colonne que l'ordinateur joue ;\n"
    "  V0 à V6     la valeur de chaque colonne, « - » pour une colonne pleine ;\n"
    "  APPELS      le nombre d'appels de alphaBeta, ceux de la racine compris.\n"
    "\n"
    "Une ligne mal formée est signalée sur la sortie d'erreur avec son numéro,\n"
    "sans ligne sur la sortie standard, et la lecture continue. Code de sortie :\n"
    "0 si toutes les lignes étaient bonnes, 1 sinon, 2 pour un argument inconnu.\n"
    "\n"
    "Exemple :\n"
    "  echo '.......................................... 1 2' | quartelo4_analyse\n"
    "  0 -1 -1 -1 -1 -1 -1 -1 21\n";

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::cout << kUsage;
            return 0;
        }
        std::cerr << "quartelo4_analyse : argument inconnu « " << argument << " »\n\n" << kUsage;
        return 2;
    }

    bool erreurs = false;
    std::string ligne;
    long numero = 0;
    while (std::getline(std::cin, ligne)) {
        ++numero;
        if (!ligne.empty() && ligne.back() == '\r') {
            ligne.pop_back(); // a file written with Windows line ends
        }
        if (positions::ligneIgnoree(ligne)) {
            continue;
        }
        std::string erreur;
        std::optional<positions::Position> position = positions::lirePosition(ligne, erreur);
        if (!position) {
            std::cerr << "quartelo4_analyse : ligne " << numero << " : " << erreur << '\n';
            erreurs = true;
            continue;
        }
        const Analyse analyse =
            analyserPosition(position->joueur, position->grille.data(), position->profondeur);
        std::cout << analyse.colonne;
        for (int c = 0; c < kColonnes; ++c) {
            std::cout << ' ';
            if (analyse.jouable[c]) {
                std::cout << analyse.valeurs[c];
            } else {
                std::cout << '-';
            }
        }
        std::cout << ' ' << analyse.appels << std::endl; // one result at a time
    }
    if (std::cin.bad()) {
        std::cerr << "quartelo4_analyse : erreur de lecture de l'entrée standard\n";
        return 1;
    }
    return erreurs ? 1 : 0;
}
