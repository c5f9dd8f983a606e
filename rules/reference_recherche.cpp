// The search, node by node, as plainly as it can be written.

#include "reference.h"

#include <limits>

namespace reference {
namespace {

constexpr std::int32_t kPlusPetit = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kPlusGrand = std::numeric_limits<std::int32_t>::max();

// Back from unsigned to signed 32 bits, two's complement, without relying on
// an implementation-defined conversion.
std::int32_t versSigne(std::uint32_t u)
{
    if (u <= static_cast<std::uint32_t>(kPlusGrand)) {
        return static_cast<std::int32_t>(u);
    }
    return -static_cast<std::int32_t>(~u) - 1;
}

// (valeurEnfant + score) * profondeur, wrapping around in 32 bits as the
// search values do: near the end of a game a child with no move returns the
// lowest or highest integer, and the sum and product then overflow.
std::int32_t ponderer(std::int32_t valeurEnfant, int score, int profondeur)
{
    const std::uint32_t somme =
        static_cast<std::uint32_t>(valeurEnfant) + static_cast<std::uint32_t>(score);
    return versSigne(somme * static_cast<std::uint32_t>(profondeur));
}

} // namespace

std::int32_t alphaBeta(bool maximiser, int joueur, Case* grille, int profondeur, int colonne,
                       std::int32_t alpha, std::int32_t beta, std::uint64_t& appels)
{
    ++appels;

    // The node's move: the computer's token when maximising, else the opponent's.
    placerJeton(colonne, maximiser ? joueur : adversaire(joueur), grille);
    // Always the computer's score, whoever just played.
    const int s = evaluerPosition(joueur, grille);

    if (profondeur == 0) {
        retirerJeton(colonne, grille);
        return s;
    }

    if (maximiser) {
        std::int32_t meilleur = kPlusPetit;
        std::int32_t borne = beta;
        for (int i = 0; i < kColonnes; ++i) {
            if (!colonneJouable(grille, i)) {
                continue;
            }
            const std::int32_t v = ponderer(
                alphaBeta(false, joueur, grille, profondeur - 1, i, alpha, borne, appels), s,
                profondeur);
            if (v > meilleur) {
                meilleur = v;
            }
            if (meilleur >= borne) {
                break;
            }
            borne = meilleur;
        }
        retirerJeton(colonne, grille);
        return meilleur;
    }

    std::int32_t meilleur = kPlusGrand;
    for (int i = 0; i < kColonnes; ++i) {
        if (!colonneJouable(grille, i)) {
            continue;
        }
        const std::int32_t v = ponderer(
            alphaBeta(true, joueur, grille, profondeur - 1, i, alpha, beta, appels), s, profondeur);
        if (v < meilleur) {
            meilleur = v;
        }
        if (alpha >= meilleur) {
            break;
        }
        if (meilleur < beta) {
            beta = meilleur; // the following children get the lowered bound
        }
    }
    retirerJeton(colonne, grille);
    return meilleur;
}

std::int32_t alphaBeta(bool maximiser, int joueur, Case* grille, int profondeur, int colonne,
                       std::int32_t alpha, std::int32_t beta)
{
    std::uint64_t appels = 0;
    return alphaBeta(maximiser, joueur, grille, profondeur, colonne, alpha, beta, appels);
}

Analyse analyserPosition(int joueur, Case* grille, int profondeur)
{
    Analyse analyse;
    std::int32_t meilleur = kPlusPetit;
    for (int i = 0; i < kColonnes; ++i) {
        analyse.jouable[i] = colonneJouable(grille, i);
        if (!analyse.jouable[i]) {
            continue;
        }
        // Every column is searched with the full bounds.
        const std::int32_t v = alphaBeta(true, joueur, grille, profondeur - 1, i, kPlusPetit,
                                         kPlusGrand, analyse.appels);
        analyse.valeurs[i] = v;
        if (v > meilleur) {
            meilleur = v;
            analyse.colonne = i;
        }
    }
    // No value above the lowest integer (the last free cell of the board, at a
    // depth of 2 or more): the lowest-numbered playable column, never a full one.
    if (analyse.colonne < 0) {
        for (int i = 0; i < kColonnes; ++i) {
            if (analyse.jouable[i]) {
                analyse.colonne = i;
                break;
            }
        }
    }
    return analyse;
}

} // namespace reference
