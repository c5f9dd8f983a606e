// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Games used by several widget tests, as lists of columns played from an
// empty board with red opening.

#include <vector>

namespace essai {

// A drawn game: 42 tokens, no line of four at any moment.
inline const std::vector<int> kPartieNulle = {5, 3, 2, 3, 1, 5, 3, 1, 0, 1, 4, 1, 2, 5, 0, 5, 6, 6, 2, 0, 6,
                                              0, 4, 2, 3, 0, 3, 4, 2, 3, 2, 6, 0, 4, 1, 1, 5, 4, 4, 5, 6, 6};

// 41 tokens without a line; the 42nd, yellow, fills the board and lines up
// column 1, rows 0 to 3.
inline const std::vector<int> kPleinGagnant = {2, 3, 3, 5, 6, 6, 4, 1, 2, 6, 2, 4, 5, 5, 1, 2, 3, 0, 4, 3, 4,
                                               5, 6, 4, 2, 1, 6, 2, 3, 5, 5, 6, 3, 0, 0, 1, 0, 0, 0, 1, 4, 1};

// Red lines up column 0 (rows 2 to 5) with its fourth token.
inline const std::vector<int> kRougeGagne = {0, 1, 0, 1, 0, 1, 0};

// Yellow lines up column 1 (rows 2 to 5) with its fourth token.
inline const std::vector<int> kJauneGagne = {0, 1, 0, 1, 0, 1, 2, 1};

}  // namespace essai
