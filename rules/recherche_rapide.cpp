// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The fast search. See recherche_rapide.h for what it keeps identical and why.

#include "recherche_rapide.h"

#include <algorithm>
#include <iterator>
#include <mutex>

#include "bitboard.h"
#include "evaluation_rapide.h"
#include "reference.h"
#include "valeurs_recherche.h"

namespace rapide {
namespace {

// A node's result, with the range of beta [bas, haut] over which the node
// gives the same value and the same number of calls.
struct Resultat {
    std::int32_t valeur;
    std::int32_t bas;
    std::int32_t haut;
    std::uint64_t appels;
};

// ---- the table of searched nodes -------------------------------------------

// Nodes of depth 0 are not stored: their value is the score, which costs
// less to compute again than to look up.
constexpr int kProfondeurTable = 1;

// An entry is keyed by the board below the node. Within one search (one
// generation) the board also tells the node's depth and whose token it
// dropped, both following from the number of tokens; the player and alpha
// are those of the whole search.

struct Entree {
    std::uint64_t cle = 0;
    std::uint32_t generation = 0; // 0: never written
    std::int32_t valeur = 0;
    std::int32_t bas = 0;
    std::int32_t haut = 0;
    std::uint64_t appels = 0;
};

constexpr int kBitsTable = 16;
constexpr std::size_t kTailleTable = std::size_t{1} << kBitsTable;

// Direct-mapped, 2 MiB, in static storage: the search allocates nothing.
class Table {
public:
    // A new search: everything stored before no longer counts.
    void nouvelleRecherche()
    {
        if (++generation == 0) {
            std::fill(std::begin(entrees), std::end(entrees), Entree{});
            generation = 1;
        }
    }

    bool chercher(std::uint64_t cle, std::int32_t beta, Resultat& r) const
    {
        const Entree& e = entrees[indice(cle)];
        if (e.generation != generation || e.cle != cle || beta < e.bas || beta > e.haut) {
            return false;
        }
        r = Resultat{e.valeur, e.bas, e.haut, e.appels};
        return true;
    }

    void ranger(std::uint64_t cle, const Resultat& r)
    {
        entrees[indice(cle)] = Entree{cle, generation, r.valeur, r.bas, r.haut, r.appels};
    }

private:
    static std::size_t indice(std::uint64_t cle)
    {
        return static_cast<std::size_t>((cle * 0x9E3779B97F4A7C15ull) >> (64 - kBitsTable));
    }

    Entree entrees[kTailleTable];
    std::uint32_t generation = 0;
};

// ---- one search ----------------------------------------------------------

class Recherche {
public:
    Recherche(Table& table_, Position position_, int joueur_, std::int32_t alpha_)
        : table(table_), pos(position_), joueur(joueur_), alpha(alpha_)
    {
    }

    // The node that plays `colonne` (the computer's token when Max), with
    // `profondeur` moves still to search below it.
    template <bool Max>
    Resultat noeud(int colonne, int profondeur, std::int32_t beta)
    {
        const Bits jeton = pos.caseLibre(colonne);
        const Position avant = pos;
        if ((joueur == 1) == Max) {
            pos.rouges |= jeton;
        }
        pos.occupees |= jeton;

        Resultat r;
        const bool memorise = profondeur >= kProfondeurTable;
        if (memorise && table.chercher(pos.cle(), beta, r)) {
            ++retrouves;
        } else {
            r = Max ? maximum(profondeur, beta) : minimum(profondeur, beta);
            if (memorise) {
                table.ranger(pos.cle(), r);
            }
        }
        pos = avant;
        return r;
    }

    std::uint64_t visites = 0;
    std::uint64_t retrouves = 0;

private:
    int scoreIci() const
    {
        const Bits rouges = pos.rouges;
        const Bits jaunes = pos.occupees & ~pos.rouges;
        return joueur == 1 ? score(rouges, jaunes) : score(jaunes, rouges);
    }

    // The node has just dropped the computer's token: it examines the
    // opponent's replies, at most two of them.
    Resultat maximum(int profondeur, std::int32_t beta)
    {
        ++visites;
        const int s = scoreIci();
        Resultat r{s, kPlusPetit, kPlusGrand, 1};
        if (profondeur == 0) {
            return r;
        }
        std::int32_t meilleur = kPlusPetit;
        std::int32_t borne = beta;
        bool premier = true;
        for (int i = 0; i < kColonnes; ++i) {
            if (!pos.jouable(i)) {
                continue;
            }
            const Resultat f = noeud<false>(i, profondeur - 1, borne);
            r.appels += f.appels;
            const std::int32_t v = ponderer(f.valeur, s, profondeur);
            if (v > meilleur) {
                meilleur = v;
            }
            if (premier) {
                // Only the first child sees beta itself.
                r.bas = std::max(r.bas, f.bas);
                r.haut = std::min(r.haut, f.haut);
                premier = false;
                if (meilleur >= borne) {
                    r.haut = std::min(r.haut, meilleur); // beta <= meilleur
                    break;
                }
                r.bas = std::max(r.bas, meilleur + 1); // beta > meilleur
                borne = meilleur;
            } else if (meilleur >= borne) {
                break;
            } else {
                borne = meilleur;
            }
        }
        r.valeur = meilleur;
        return r;
    }

    // The node has just dropped the opponent's token: it examines the
    // computer's next moves, up to seven.
    Resultat minimum(int profondeur, std::int32_t beta)
    {
        ++visites;
        const int s = scoreIci();
        Resultat r{s, kPlusPetit, kPlusGrand, 1};
        if (profondeur == 0) {
            return r;
        }
        std::int32_t meilleur = kPlusGrand;
        for (int i = 0; i < kColonnes; ++i) {
            if (!pos.jouable(i)) {
                continue;
            }
            // The child receives min(beta, meilleur): beta itself while beta is
            // not above the best value so far, that value otherwise.
            const std::int32_t borne = std::min(beta, meilleur);
            const Resultat f = noeud<true>(i, profondeur - 1, borne);
            if (beta <= meilleur) {
                r.bas = std::max(r.bas, f.bas);
                r.haut = std::min({r.haut, f.haut, meilleur});
            } else {
                r.bas = std::max(r.bas, meilleur + 1);
            }
            r.appels += f.appels;
            const std::int32_t v = ponderer(f.valeur, s, profondeur);
            if (v < meilleur) {
                meilleur = v;
            }
            if (alpha >= meilleur) {
                break;
            }
        }
        r.valeur = meilleur;
        return r;
    }

    Table& table;
    Position pos;
    const int joueur;
    const std::int32_t alpha;
};

// ---- shared state ----------------------------------------------------------

std::mutex verrou; // one search at a time
Statistiques derniere;

Table tableDesNoeuds; // shared by the searches, one at a time (under verrou)

// The board as bit sets, when it is one that they describe: cells 0, 1 or 2
// and no token above an empty cell.
bool lirePosition(const Case* grille, Position& p)
{
    Bits rouges = 0;
    Bits jaunes = 0;
    if (!lireJetons(grille, rouges, jaunes)) {
        return false;
    }
    const Bits occupees = rouges | jaunes;
    // Every occupied cell above the bottom row rests on an occupied cell.
    if ((occupees & ~kLigneBas & ~(occupees << 1)) != 0) {
        return false;
    }
    p.rouges = rouges;
    p.occupees = occupees;
    return true;
}

bool joueurValide(int joueur)
{
    return joueur == 1 || joueur == 2;
}

} // namespace

std::int32_t alphaBeta(bool maximiser, int joueur, Case* grille, int profondeur, int colonne,
                       std::int32_t alpha, std::int32_t beta, std::uint64_t& appels)
{
    Position p;
    if (!joueurValide(joueur) || profondeur < 0 || colonne < 0 || colonne >= kColonnes
        || !lirePosition(grille, p) || !p.jouable(colonne)) {
        return reference::alphaBeta(maximiser, joueur, grille, profondeur, colonne, alpha, beta,
                                    appels);
    }
    const std::lock_guard<std::mutex> garde(verrou);
    tableDesNoeuds.nouvelleRecherche();
    Recherche recherche(tableDesNoeuds, p, joueur, alpha);
    const Resultat r = maximiser ? recherche.noeud<true>(colonne, profondeur, beta)
                                 : recherche.noeud<false>(colonne, profondeur, beta);
    appels += r.appels;
    derniere = Statistiques{recherche.visites, recherche.retrouves};
    return r.valeur;
}

Analyse analyserPosition(int joueur, Case* grille, int profondeur)
{
    Position p;
    if (!joueurValide(joueur) || profondeur < 1 || !lirePosition(grille, p)) {
        return reference::analyserPosition(joueur, grille, profondeur);
    }
    const std::lock_guard<std::mutex> garde(verrou);
    tableDesNoeuds.nouvelleRecherche();
    Recherche recherche(tableDesNoeuds, p, joueur, kPlusPetit);

    Analyse analyse;
    std::int32_t meilleur = kPlusPetit;
    for (int i = 0; i < kColonnes; ++i) {
        analyse.jouable[i] = p.jouable(i);
        if (!analyse.jouable[i]) {
            continue;
        }
        const Resultat r = recherche.noeud<true>(i, profondeur - 1, kPlusGrand);
        analyse.valeurs[i] = r.valeur;
        analyse.appels += r.appels;
        if (r.valeur > meilleur) {
            meilleur = r.valeur;
            analyse.colonne = i;
        }
    }
    if (analyse.colonne < 0) {
        for (int i = 0; i < kColonnes; ++i) {
            if (analyse.jouable[i]) {
                analyse.colonne = i;
                break;
            }
        }
    }
    derniere = Statistiques{recherche.visites, recherche.retrouves};
    return analyse;
}

Statistiques statistiquesDerniereRecherche()
{
    const std::lock_guard<std::mutex> garde(verrou);
    return derniere;
}

} // namespace rapide
