// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lignes.h"

namespace {

Case valeurEn(const Case* grille, int ligne, int colonne)
{
    return grille[colonne + kColonnes * ligne];
}

bool dansLaGrille(int ligne, int colonne)
{
    return ligne >= 0 && ligne < kLignes && colonne >= 0 && colonne < kColonnes;
}

// Tests the line that starts at (ligne, colonne) and goes by steps (dl, dc).
bool essayer(const Case* grille, int ligne, int colonne, int dl, int dc, LigneDeQuatre& trouvee)
{
    const Case v = valeurEn(grille, ligne, colonne);
    if (v == 0) {
        return false;
    }
    for (int k = 1; k < 4; ++k) {
        if (valeurEn(grille, ligne + k * dl, colonne + k * dc) != v) {
            return false;
        }
    }
    trouvee.valeur = v;
    for (int k = 0; k < 4; ++k) {
        trouvee.cases[static_cast<std::size_t>(k)] = {ligne + k * dl, colonne + k * dc};
    }
    return true;
}

} // namespace

LigneDeQuatre premiereLigne(const Case* grille)
{
    LigneDeQuatre trouvee;
    for (int r = 0; r < kLignes; ++r) {
        for (int c = 0; c < kColonnes; ++c) {
            const int dl = r <= 2 ? 1 : -1; // down from the upper rows, up from the lower ones
            const int dc = c <= 2 ? 1 : -1; // right from the left columns, left from the right ones
            if (essayer(grille, r, c, dl, 0, trouvee) || essayer(grille, r, c, 0, dc, trouvee)
                || essayer(grille, r, c, dl, dc, trouvee)) {
                return trouvee;
            }
        }
    }
    return LigneDeQuatre{};
}

bool aUneLigne(const Case* grille, int joueur)
{
    const int directions[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
    for (int r = 0; r < kLignes; ++r) {
        for (int c = 0; c < kColonnes; ++c) {
            for (const auto& d : directions) {
                if (!dansLaGrille(r + 3 * d[0], c + 3 * d[1])) {
                    continue;
                }
                bool complete = true;
                for (int k = 0; k < 4 && complete; ++k) {
                    complete = valeurEn(grille, r + k * d[0], c + k * d[1]) == joueur;
                }
                if (complete) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool suitLaGravite(const Case* grille)
{
    for (int c = 0; c < kColonnes; ++c) {
        bool jetonAuDessus = false;
        for (int r = 0; r < kLignes; ++r) {
            const Case v = valeurEn(grille, r, c);
            if (v < 0 || v > 2) {
                return false;
            }
            if (v != 0) {
                jetonAuDessus = true;
            } else if (jetonAuDessus) {
                return false; // a hole below a token
            }
        }
    }
    return true;
}

int compterJetons(const Case* grille, int joueur)
{
    int n = 0;
    for (int i = 0; i < kCases; ++i) {
        n += grille[i] == joueur ? 1 : 0;
    }
    return n;
}

bool estPleine(const Case* grille)
{
    for (int c = 0; c < kColonnes; ++c) {
        if (grille[c] == 0) {
            return false;
        }
    }
    return true;
}
