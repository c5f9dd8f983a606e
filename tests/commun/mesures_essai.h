// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the layout tests measure in a window: its controls, where each lies
// in its window, where the board's cells must lie, and a name for each
// control in the messages of a fault.

#include <QList>
#include <QRect>
#include <QString>

class QWidget;
class Quartelo4;

namespace essai {

// The side of a cell of the board: the game's pictures are 90 pixels wide,
// and a board without pictures keeps 630 by 630 pixels for its 7 by 7 cells.
constexpr int kCoteCase = 90;

// A widget's name for messages: group box "Options", button "3",
// label "…", or its class.
QString nomDuWidget(const QWidget* widget);

// A widget's rectangle in the coordinates of its window.
QRect dansLaFenetre(const QWidget* widget);

// Where a cell of the board (row 0 to 6, 0 the header; column 0 to 6) lies
// in its window when the 49 cells form one block of kCoteCase squares from
// the header's first cell.
QRect placeDeCase(const Quartelo4* plateau, int ligne, int colonne);

// The controls and boxes of a window: its buttons, combo boxes, group boxes,
// labels and the board, the board's cells aside (they are measured as a grid).
QList<QWidget*> controles(const QWidget* fenetre);

// Lets the window lay itself out as the user then sees it: runs the event
// loop for 20 ms (a new text lays the window out again from the event loop),
// then sends the window's layout request if one is still pending.
void laisserDisposer(QWidget* fenetre);

}  // namespace essai
