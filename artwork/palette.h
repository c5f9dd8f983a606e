// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include "cote_case.h"

// The colours and sizes shared by every picture of the game.
namespace palette {

// Every board and header cell is a square of this side.
constexpr int coteCase = kCoteCase;

// The board: a blue sheet pierced with round slots.
inline QColor bleuPlateau() { return QColor(24, 82, 182); }
inline QColor bleuPlateauClair() { return QColor(86, 150, 240); }
inline QColor bleuPlateauSombre() { return QColor(10, 40, 110); }
inline QColor fondTrou() { return QColor(9, 20, 52); }

// The header strip above the board.
inline QColor fondEnteteHaut() { return QColor(238, 242, 249); }
inline QColor fondEnteteBas() { return QColor(206, 217, 236); }
inline QColor encreEntete() { return QColor(52, 72, 116); }
inline QColor traitEntete() { return QColor(150, 166, 196); }

// The tokens.
struct Teinte {
    QColor clair;
    QColor base;
    QColor sombre;
    QColor contour;
};
inline Teinte rouge() {
    return {QColor(255, 140, 120), QColor(214, 36, 36), QColor(128, 10, 18), QColor(82, 6, 12)};
}
inline Teinte jaune() {
    return {QColor(255, 250, 190), QColor(250, 204, 26), QColor(196, 128, 0), QColor(120, 74, 0)};
}

// The glow around the tokens of the winning line.
inline QColor halo() { return QColor(255, 248, 190); }
inline QColor haloBord() { return QColor(255, 190, 40); }

}  // namespace palette
