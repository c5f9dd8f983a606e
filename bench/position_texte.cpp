// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "position_texte.h"

#include <cctype>
#include <sstream>
#include <vector>

namespace positions {
namespace {

std::vector<std::string> champs(const std::string& ligne)
{
    std::istringstream flux(ligne);
    std::vector<std::string> resultat;
    std::string champ;
    while (flux >> champ) {
        resultat.push_back(champ);
    }
    return resultat;
}

// A whole number written with digits only, within [minimum, maximum].
std::optional<int> entier(const std::string& texte, int minimum, int maximum)
{
    if (texte.empty() || texte.size() > 9) {
        return std::nullopt;
    }
    int valeur = 0;
    for (const char c : texte) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
        valeur = valeur * 10 + (c - '0');
    }
    if (valeur < minimum || valeur > maximum) {
        return std::nullopt;
    }
    return valeur;
}

std::string decrire(char c)
{
    const auto octet = static_cast<unsigned char>(c);
    if (octet >= 0x21 && octet < 0x7f) {
        return std::string("« ") + c + " »";
    }
    static const char chiffres[] = "0123456789abcdef";
    return std::string("d'octet 0x") + chiffres[octet >> 4] + chiffres[octet & 0xf];
}

// A field as the user typed it, cut short when very long.
std::string extrait(const std::string& champ)
{
    constexpr std::size_t kLongueurMax = 24;
    if (champ.size() <= kLongueurMax) {
        return champ;
    }
    return champ.substr(0, kLongueurMax) + "…";
}

bool lireGrille(const std::string& texte, Plateau& grille, std::string& erreur)
{
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c != '.' && c != 'R' && c != 'J') {
            erreur = "caractère " + decrire(c) + " inattendu en position " + std::to_string(i + 1)
                     + " du plateau : seuls « . », « R » et « J » sont permis";
            return false;
        }
    }
    if (texte.size() != static_cast<std::size_t>(kCases)) {
        erreur = "le plateau doit compter " + std::to_string(kCases) + " cases, il en compte "
                 + std::to_string(texte.size());
        return false;
    }
    for (int i = 0; i < kCases; ++i) {
        const char c = texte[static_cast<std::size_t>(i)];
        grille[static_cast<std::size_t>(i)] = c == 'R' ? 1 : c == 'J' ? 2 : 0;
    }
    // Gravity: no empty cell below a token.
    for (int c = 0; c < kColonnes; ++c) {
        bool jetonAuDessus = false;
        for (int r = 0; r < kLignes; ++r) {
            const bool vide = grille[static_cast<std::size_t>(c + kColonnes * r)] == 0;
            if (!vide) {
                jetonAuDessus = true;
            } else if (jetonAuDessus) {
                erreur = "le plateau ne respecte pas la gravité : dans la colonne "
                         + std::to_string(c) + ", la case de la ligne " + std::to_string(r)
                         + " est vide sous un jeton";
                return false;
            }
        }
    }
    bool jouable = false;
    for (int c = 0; c < kColonnes; ++c) {
        jouable = jouable || colonneJouable(grille.data(), c);
    }
    if (!jouable) {
        erreur = "le plateau est plein : aucune colonne jouable";
        return false;
    }
    return true;
}

} // namespace

bool ligneIgnoree(const std::string& ligne)
{
    for (const char c : ligne) {
        if (c == '#') {
            return true;
        }
        if (!std::isspace(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

std::optional<Position> lirePosition(const std::string& ligne, std::string& erreur)
{
    const std::vector<std::string> morceaux = champs(ligne);
    if (morceaux.size() < 3) {
        erreur = "trois champs attendus (PLATEAU JOUEUR PROFONDEUR), " + std::to_string(morceaux.size())
                 + " trouvé" + (morceaux.size() > 1 ? "s" : "");
        return std::nullopt;
    }
    if (morceaux.size() > 3) {
        erreur = "champ en trop après la profondeur : « " + extrait(morceaux[3]) + " »";
        return std::nullopt;
    }
    Position position;
    if (!lireGrille(morceaux[0], position.grille, erreur)) {
        return std::nullopt;
    }
    const std::optional<int> joueur = entier(morceaux[1], 1, 2);
    if (!joueur) {
        erreur = "joueur « " + extrait(morceaux[1]) + " » invalide : 1 (rouge) ou 2 (jaune) attendu";
        return std::nullopt;
    }
    const std::optional<int> profondeur = entier(morceaux[2], 1, kProfondeurMax);
    if (!profondeur) {
        erreur = "profondeur « " + extrait(morceaux[2]) + " » invalide : un entier de 1 à "
                 + std::to_string(kProfondeurMax) + " attendu";
        return std::nullopt;
    }
    position.joueur = *joueur;
    position.profondeur = *profondeur;
    return position;
}

std::string ecrireGrille(const Case* grille)
{
    std::string texte;
    for (int i = 0; i < kCases; ++i) {
        texte += grille[i] == 1 ? 'R' : grille[i] == 2 ? 'J' : '.';
    }
    return texte;
}

} // namespace positions
