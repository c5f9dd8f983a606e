// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a person does with the mouse, and the application's event loop run
// around an action.

#include <Qt>

#include <functional>
#include <vector>

class QAbstractButton;
class QWidget;
class Quartelo4;

namespace essai {

// A click of the left button on a cell of the board (row 1 to 6, or 0 for
// the header), as a person clicks.
void cliquerCase(const Quartelo4* plateau, int colonne, int ligne = 3);

// Plays a list of columns by clicking the board.
void jouerAuClic(const Quartelo4* plateau, const std::vector<int>& coups);

// A click on a check box or a radio button where its indicator is drawn,
// which toggles it whatever the width the layout gave it.
void cocher(QAbstractButton* bouton);

// A double click as the windowing system delivers it: press, release, then
// the second press as a double-click event, and its release.
void doubleClic(QWidget* widget, Qt::MouseButton bouton = Qt::LeftButton);

struct FinDeBoucle {
    int resultat = -2;       // what exec() returned
    bool actionFaite = false;
    bool aboutToQuit = false;
    bool garde = false;      // the loop had to be ended by the test's own guard
};

// Runs the application's event loop, performs `action` from inside it, and
// returns how the loop ended. A guard ends the loop with -1 after `delai` ms.
FinDeBoucle executerBoucle(const std::function<void()>& action, int delai = 5000);

}  // namespace essai
