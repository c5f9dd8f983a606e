// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

#include "grille.h"

// Random boards that obey gravity, for runs of the computer player.
class PositionsAleatoires {
public:
    explicit PositionsAleatoires(std::uint64_t graine);

    // Fills `grille` with `jetons` tokens (0 to 41) dropped in turn by the two
    // sides, the opener drawn at random. With `sansLigne`, drops that would
    // make a line of four are avoided while another column is left, so that
    // most boards look like a game still in progress.
    void remplir(Case* grille, int jetons, bool sansLigne);

    // A whole number from `min` to `max`, both included.
    int entre(int min, int max);

    std::mt19937_64& generateur() { return alea; }

private:
    std::mt19937_64 alea;
};

// The seed from the environment variable `nom` when it is set and holds a
// number, `parDefaut` otherwise.
std::uint64_t graineDepuisEnvironnement(const char* nom, std::uint64_t parDefaut);

// A count from the environment variable `nom`, `parDefaut` when it is unset
// or not a positive number.
long nombreDepuisEnvironnement(const char* nom, long parDefaut);
