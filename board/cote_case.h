// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A cell of the board, a slot or a column header, in the game's pixels: a
// square of this side. Seven of them make the board's 630 pixels across;
// every picture of a cell is drawn at this size (and at two and three times
// it).
constexpr int kCoteCase = 90;
