// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Keyboard play of the game window. The board widget keeps the focus and
// handles no keys, so the keys typed on it come here.

#include <QCoreApplication>
#include <QKeyEvent>

#include <cstdlib>

#include "fenetre.h"
#include "quartelo4.h"

namespace {

bool estToucheDeJeu(int touche)
{
    return touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Down
        || touche == Qt::Key_Space;
}

} // namespace

// Escape quits at once. Return, Enter, Down and Space play the selected
// column, or start a new game once the game is over. While the game runs,
// Left and Right move the cursor (it does not wrap) and 0 to 6 put it on
// that column. The modifiers are not looked at.
void Fenetre::keyPressEvent(QKeyEvent* event)
{
    const int touche = event->key();

    if (touche == Qt::Key_Escape)
        QCoreApplication::quit();

    if (estToucheDeJeu(touche)) {
        if (plateau->estTerminee())
            reinitialiser();
        else
            jouer(plateau->getColonneSelectionnee());
    }

    if (!plateau->estTerminee()) {
        const int selection = plateau->getColonneSelectionnee();
        if (touche == Qt::Key_Left)
            plateau->selectionnerColonne(selection - 1);
        else if (touche == Qt::Key_Right)
            plateau->selectionnerColonne(selection + 1);
        else if (touche >= Qt::Key_0 && touche <= Qt::Key_6)
            plateau->selectionnerColonne(touche - Qt::Key_0);
    }

    plateau->setFocus(Qt::OtherFocusReason);
}

// A Tab press moves the focus along the window's widgets before it gets
// here; its release puts the cursor on a column drawn at random and gives
// the focus back to the board, whether or not the game is over.
void Fenetre::keyReleaseEvent(QKeyEvent* event)
{
    const int touche = event->key();
    if (touche == Qt::Key_Tab || touche == Qt::Key_Backtab)
        plateau->selectionnerColonne(std::rand() % kColonnes);
    plateau->setFocus(Qt::OtherFocusReason);
}
