// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <limits>

// The arithmetic of search values, shared by the plain and the fast search.

constexpr std::int32_t kPlusPetit = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kPlusGrand = std::numeric_limits<std::int32_t>::max();

// Back from unsigned to signed 32 bits, two's complement, without relying on
// an implementation-defined conversion.
constexpr std::int32_t versSigne(std::uint32_t u)
{
    if (u <= static_cast<std::uint32_t>(kPlusGrand)) {
        return static_cast<std::int32_t>(u);
    }
    return -static_cast<std::int32_t>(~u) - 1;
}

// (valeurEnfant + score) * profondeur, wrapping around in 32 bits as the
// search values do: near the end of a game a child with no move returns the
// lowest or highest integer, and the sum and product then overflow.
constexpr std::int32_t ponderer(std::int32_t valeurEnfant, int score, int profondeur)
{
    const std::uint32_t somme =
        static_cast<std::uint32_t>(valeurEnfant) + static_cast<std::uint32_t>(score);
    return versSigne(somme * static_cast<std::uint32_t>(profondeur));
}

// Score of a position from two grades 0 to 4: a, the grade of the side whose
// score it is, gives the row; b, its opponent's, the column.
constexpr int kScoresPosition[5][5] = {
    {0, -1, -2, -3, -4},
    {0, -1, -2, -3, -4},
    {1, 0, -2, -3, -4},
    {2, 1, -2, -3, -4},
    {4, 4, 4, 4, -4},
};

static_assert(ponderer(kPlusGrand, 1, 1) == kPlusPetit, "the highest integer plus 1 wraps");
