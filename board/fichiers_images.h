// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>

// The pictures of the board, read from the folder images/ of the working
// directory. Every call loads the file anew; a missing or unreadable file
// gives an empty pixmap, and the label that shows it stays blank.
namespace fichiers_images {

// The empty slot of a board cell.
QPixmap caseVide();

// A token lying in the board, also drawn at each step of its fall:
// red for player 1, yellow otherwise.
QPixmap pionJoue(int joueur);

// A token of the winning line: red for player 1, yellow otherwise. The name
// has no extension; the image reader tries the known suffixes.
QPixmap pionGagnant(int joueur);

// The cursor above the selected column: red for player 1, yellow otherwise.
QPixmap curseur(int joueur);

// The header picture of column 0 to 6, shown when no cursor stands above it.
QPixmap enTete(int colonne);

} // namespace fichiers_images
