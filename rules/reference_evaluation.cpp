// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Grading of a player's lines, rule by rule, as readable as possible.
//
// Words used below, for the graded player:
//   own       the cell holds one of the player's tokens;
//   opponent  the cell holds a token of the other player;
//   empty     the cell holds 0;
//   open      empty or own;
//   supported the cell is in the bottom row, or the cell below it is not empty
//             (a token dropped into that column would rest there).
// Rows run from 0 (top) to 5 (bottom), columns from 0 (left) to 6 (right).
// Every rule only reads cells that it names, and only those on the board.

#include "reference.h"
#include "valeurs_recherche.h"

#include <algorithm>
#include <cassert>

namespace reference {
namespace {

constexpr int kBas = kLignes - 1;     // the bottom row, 5
constexpr int kDroite = kColonnes - 1; // the rightmost column, 6

class Notation {
public:
    Notation(int joueur_, const Case* grille_) : joueur(joueur_), grille(grille_) {}

    // ---- cells -----------------------------------------------------------

    Case valeur(int r, int c) const
    {
        assert(r >= 0 && r < kLignes && c >= 0 && c < kColonnes);
        return grille[c + kColonnes * r];
    }
    bool propre(int r, int c) const { return valeur(r, c) == joueur; }
    bool vide(int r, int c) const { return valeur(r, c) == 0; }
    bool adverse(int r, int c) const { return !vide(r, c) && !propre(r, c); }
    bool ouverte(int r, int c) const { return vide(r, c) || propre(r, c); }
    bool soutenue(int r, int c) const { return r == kBas || valeur(r + 1, c) != 0; }

    // ---- the player's grade -------------------------------------------------

    int note() const
    {
        if (aQuatreAligne()) {
            return 4;
        }
        int meilleure = 0;
        for (int r = 0; r < kLignes; ++r) {
            for (int c = 0; c < kColonnes; ++c) {
                if (propre(r, c)) {
                    meilleure = std::max(meilleure, noteJeton(r, c));
                }
            }
        }
        return meilleure;
    }

private:
    // Four own cells from (r, c) in steps of (dr, dc).
    bool quatreDepuis(int r, int c, int dr, int dc) const
    {
        for (int k = 0; k < 4; ++k) {
            if (!propre(r + k * dr, c + k * dc)) {
                return false;
            }
        }
        return true;
    }

    bool aQuatreAligne() const
    {
        for (int r = 0; r < kLignes; ++r) {
            for (int c = 0; c < kColonnes; ++c) {
                const bool versDroite = c + 3 < kColonnes;
                const bool versBas = r + 3 < kLignes;
                const bool versGauche = c - 3 >= 0;
                if (versDroite && quatreDepuis(r, c, 0, 1)) return true;
                if (versBas && quatreDepuis(r, c, 1, 0)) return true;
                if (versBas && versDroite && quatreDepuis(r, c, 1, 1)) return true;
                if (versBas && versGauche && quatreDepuis(r, c, 1, -1)) return true;
            }
        }
        return false;
    }

    int noteJeton(int r, int c) const
    {
        return std::max({vertical(r, c), horizontal(r, c), diagonaleMontante(r, c),
                         diagonaleDescendante(r, c)});
    }

    // ---- vertical group ----------------------------------------------------
    // Cell above: (r - 1, c); cells below: (r + 1, c), (r + 2, c).

    int vertical(int r, int c) const
    {
        if (r == kBas || !propre(r + 1, c)) {
            return (r >= 1 && vide(r - 1, c)) ? 1 : 0;
        }
        if (r == 4) {
            return vide(3, c) ? 2 : 0;
        }
        if (!propre(r + 2, c)) {
            return (r >= 2 && vide(r - 1, c)) ? 2 : 0;
        }
        // The token and the two cells below it are own.
        return (r >= 1 && vide(r - 1, c)) ? 3 : 0;
    }

    // ---- horizontal group --------------------------------------------------
    // Right: (r, c + 1) to (r, c + 3); left: (r, c - 1) to (r, c - 3).

    int horizontal(int r, int c) const
    {
        if (c == kDroite) {
            return tripleGauche(r, c);
        }
        if (propre(r, c + 1)) {
            if (c == 5) {
                return paireGauche(r, c);
            }
            if (propre(r, c + 2)) {
                int note = 0;
                if (c <= 3 && vide(r, c + 3) && soutenue(r, c + 3)) note = 3;
                if (c >= 1 && vide(r, c - 1) && soutenue(r, c - 1)) note = 3;
                return note;
            }
            if (adverse(r, c + 2)) {
                return c >= 2 ? paireGauche(r, c) : 0;
            }
            // (r, c + 2) is empty: it counts only when a token would rest there.
            if (!soutenue(r, c + 2)) {
                return 0;
            }
            int note = 0;
            if (c <= 3 && ouverte(r, c + 3) && soutenue(r, c + 3)) note = 2;
            if (c >= 1 && vide(r, c - 1) && soutenue(r, c - 1)) note = 2;
            return note;
        }
        if (adverse(r, c + 1)) {
            return c >= 3 ? tripleGauche(r, c) : 0;
        }
        // (r, c + 1) is empty.
        if (c <= 4 && ouverte(r, c + 2)) {
            if (c <= 3 && ouverte(r, c + 3)) {
                return (soutenue(r, c + 1) && soutenue(r, c + 2) && soutenue(r, c + 3)) ? 1 : 0;
            }
            // c = 4, or (r, c + 3) is the opponent's.
            return (c >= 1 && vide(r, c - 1) && soutenue(r, c + 1) && soutenue(r, c + 2)
                    && soutenue(r, c - 1))
                       ? 1
                       : 0;
        }
        // c = 5, or (r, c + 2) is the opponent's.
        if (c >= 2 && ouverte(r, c - 1) && ouverte(r, c - 2) && soutenue(r, c + 1)
            && soutenue(r, c - 1) && soutenue(r, c - 2)) {
            return 1;
        }
        return 0;
    }

    int paireGauche(int r, int c) const
    {
        return (vide(r, c - 1) && ouverte(r, c - 2) && soutenue(r, c - 1) && soutenue(r, c - 2))
                   ? 2
                   : 0;
    }

    int tripleGauche(int r, int c) const
    {
        for (int k = 1; k <= 3; ++k) {
            if (!ouverte(r, c - k) || !soutenue(r, c - k)) {
                return 0;
            }
        }
        return 1;
    }

    // ---- rising diagonal group (tokens in rows 1 to 5) ----------------------
    // Up-right: (r - 1, c + 1) to (r - 3, c + 3); down-left: (r + 1, c - 1) to
    // (r + 3, c - 3).

    int diagonaleMontante(int r, int c) const
    {
        if (r < 1) {
            return 0;
        }
        if (c == kDroite) {
            return tripleBasGauche(r, c);
        }
        if (propre(r - 1, c + 1)) {
            if (r >= 2 && c <= 4) {
                if (propre(r - 2, c + 2)) {
                    int note = 0;
                    if (r >= 3 && c <= 3 && vide(r - 3, c + 3) && soutenue(r - 3, c + 3)) note = 3;
                    if (r <= 4 && c >= 1 && vide(r + 1, c - 1) && soutenue(r + 1, c - 1)) note = 3;
                    return note;
                }
                if (vide(r - 2, c + 2)) {
                    if (!soutenue(r - 2, c + 2)) {
                        return 0;
                    }
                    if (r >= 3 && c <= 3 && ouverte(r - 3, c + 3)) {
                        return soutenue(r - 3, c + 3) ? 2 : 0;
                    }
                    return (r <= 4 && c >= 1 && vide(r + 1, c - 1) && soutenue(r + 1, c - 1)) ? 2
                                                                                               : 0;
                }
                // (r - 2, c + 2) is the opponent's.
                return r <= 3 ? paireBasGauche(r, c) : 0;
            }
            // r = 1 or c = 5.
            return r <= 3 ? paireBasGauche(r, c) : 0;
        }
        if (adverse(r - 1, c + 1)) {
            return tripleBasGauche(r, c);
        }
        // (r - 1, c + 1) is empty.
        if (r >= 2 && c <= 4) {
            if (ouverte(r - 2, c + 2)) {
                if (r >= 3 && c <= 3 && ouverte(r - 3, c + 3)) {
                    return (soutenue(r - 1, c + 1) && soutenue(r - 2, c + 2)
                            && soutenue(r - 3, c + 3))
                               ? 1
                               : 0;
                }
                // Only the cell down-left is looked at here.
                return (r <= 4 && c >= 1 && ouverte(r + 1, c - 1) && soutenue(r + 1, c - 1)) ? 1
                                                                                              : 0;
            }
            // (r - 2, c + 2) is the opponent's.
            return r <= 3 ? simpleBasGauche(r, c) : 0;
        }
        // r = 1 or c = 5.
        return r <= 3 ? simpleBasGauche(r, c) : 0;
    }

    int paireBasGauche(int r, int c) const
    {
        return (c >= 2 && vide(r + 1, c - 1) && ouverte(r + 2, c - 2) && soutenue(r + 1, c - 1)
                && soutenue(r + 2, c - 2))
                   ? 2
                   : 0;
    }

    int simpleBasGauche(int r, int c) const
    {
        return (c >= 2 && ouverte(r + 1, c - 1) && ouverte(r + 2, c - 2) && soutenue(r + 1, c - 1)
                && soutenue(r + 2, c - 2))
                   ? 1
                   : 0;
    }

    int tripleBasGauche(int r, int c) const
    {
        if (r > 2 || c < 3) {
            return 0;
        }
        for (int k = 1; k <= 3; ++k) {
            if (!ouverte(r + k, c - k) || !soutenue(r + k, c - k)) {
                return 0;
            }
        }
        return 1;
    }

    // ---- falling diagonal group --------------------------------------------
    // Down-right: (r + 1, c + 1) to (r + 3, c + 3); up-left: (r - 1, c - 1) to
    // (r - 3, c - 3). A token of the bottom row only gets the up-left triple.

    int diagonaleDescendante(int r, int c) const
    {
        if (r == kBas) {
            return tripleHautGauche(r, c);
        }
        if (c == kDroite) {
            return r >= 3 ? tripleHautGauche(r, c) : 0;
        }
        if (propre(r + 1, c + 1)) {
            if (r == 4) {
                return paireHautGauche(r, c);
            }
            if (c == 5) {
                return r >= 2 ? paireHautGauche(r, c) : 0;
            }
            if (propre(r + 2, c + 2)) {
                int note = 0;
                if (r <= 2 && c <= 3 && vide(r + 3, c + 3) && soutenue(r + 3, c + 3)) note = 3;
                if (r >= 1 && c >= 1 && vide(r - 1, c - 1) && soutenue(r - 1, c - 1)) note = 3;
                return note;
            }
            if (vide(r + 2, c + 2)) {
                if (!soutenue(r + 2, c + 2)) {
                    return 0;
                }
                int note = 0;
                // Here an own token in (r + 3, c + 3) does not count.
                if (r <= 2 && c <= 3 && vide(r + 3, c + 3) && soutenue(r + 3, c + 3)) note = 2;
                if (r >= 1 && c >= 1 && vide(r - 1, c - 1) && soutenue(r - 1, c - 1)) note = 2;
                return note;
            }
            // (r + 2, c + 2) is the opponent's.
            return r >= 2 ? paireHautGauche(r, c) : 0;
        }
        if (adverse(r + 1, c + 1)) {
            return r >= 3 ? tripleHautGauche(r, c) : 0;
        }
        // (r + 1, c + 1) is empty.
        if (r <= 3 && c <= 4 && ouverte(r + 2, c + 2)) {
            if (r <= 2 && c <= 3 && ouverte(r + 3, c + 3)) {
                return (soutenue(r + 1, c + 1) && soutenue(r + 2, c + 2) && soutenue(r + 3, c + 3))
                           ? 1
                           : 0;
            }
            return (r >= 1 && c >= 1 && ouverte(r - 1, c - 1) && soutenue(r - 1, c - 1)) ? 1 : 0;
        }
        // r = 4, or c = 5, or (r + 2, c + 2) is the opponent's.
        return r >= 2 ? simpleHautGauche(r, c) : 0;
    }

    int paireHautGauche(int r, int c) const
    {
        return (c >= 2 && vide(r - 1, c - 1) && ouverte(r - 2, c - 2) && soutenue(r - 1, c - 1)
                && soutenue(r - 2, c - 2))
                   ? 2
                   : 0;
    }

    int simpleHautGauche(int r, int c) const
    {
        return (c >= 2 && ouverte(r - 1, c - 1) && ouverte(r - 2, c - 2) && soutenue(r - 1, c - 1)
                && soutenue(r - 2, c - 2))
                   ? 1
                   : 0;
    }

    int tripleHautGauche(int r, int c) const
    {
        if (c < 3) {
            return 0;
        }
        for (int k = 1; k <= 3; ++k) {
            if (!ouverte(r - k, c - k) || !soutenue(r - k, c - k)) {
                return 0;
            }
        }
        return 1;
    }

    int joueur;
    const Case* grille;
};

} // namespace

int evaluerJoueur(int joueur, const Case* grille)
{
    return Notation(joueur, grille).note();
}

int evaluerPosition(int joueur, const Case* grille)
{
    const int a = evaluerJoueur(joueur, grille);
    const int b = evaluerJoueur(adversaire(joueur), grille);
    return kScoresPosition[a][b];
}

} // namespace reference
