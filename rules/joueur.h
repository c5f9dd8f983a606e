// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One side of the game: its player number (1 red, 2 yellow) and whether the
// computer plays it.
class Joueur {
public:
    Joueur(int numero, bool ordinateur);

    int getNumero() const;
    bool estOrdinateur() const;
    void setOrdinateur(bool ordinateur);

private:
    int numero;
    bool ordinateur;
};
