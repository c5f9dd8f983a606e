// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The pictures of the board, read from the folder images/ of the working
// directory: their names, and how one is read for a screen.
namespace fichiers_images {

// The empty slot of a board cell.
QString caseVide();

// A token lying in the board, also drawn at each step of its fall:
// red for player 1, yellow otherwise.
QString pionJoue(int joueur);

// A token of the winning line: red for player 1, yellow otherwise. The name
// has no extension; the image reader tries the known suffixes.
QString pionGagnant(int joueur);

// The cursor above the selected column: red for player 1, yellow otherwise.
QString curseur(int joueur);

// The header picture of column 0 to 6, shown when no cursor stands above it.
QString enTete(int colonne);

// Loads the picture of a name anew, for a screen of `rapport` device pixels
// per pixel. At 1, the file of that name and nothing else. Above 1, its
// larger drawing when the folder has it, "images/0@2x.bmp" for a ratio up
// to 2 and "images/0@3x.bmp" above; at a ratio between sizes, scaled down
// smoothly to the exact number of device pixels. Without it, the file of
// that name. A missing or unreadable file gives an empty pixmap, and the
// label that shows it stays blank.
QPixmap charger(const QString& nom, qreal rapport);

// The windows' icon, "images/icone.bmp"; on a screen of more than one
// device pixel per pixel, with its larger drawings too.
QIcon icone(qreal rapport);

} // namespace fichiers_images
