// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QString>

// One picture and the file name it is saved under.
struct ImageDuJeu {
    QString nom;
    QImage image;
};

// The fifteen pictures that the game reads from its images folder, named as
// the game looks for them: board cells and headers of 90 by 90 pixels, the
// window icon of 64 by 64. All are opaque. With an echelle above 1 the same
// drawings fill as many more pixels (sides rounded to whole pixels), under
// the same names.
QList<ImageDuJeu> imagesDuJeu(qreal echelle = 1.0);

// The same pictures at twice and three times the size, for screens with
// that many device pixels per pixel, named as the game looks for them:
// "0@2x.bmp", "pion_rouge_gagnant@3x.bmp"...
QList<ImageDuJeu> imagesDuJeuAgrandies();

// The icons of the desktop entry, with a transparent outside, one per size
// folder of the icon theme: "64x64/quartelo4.png" and so on, from 16 by 16
// (the smallest a Windows icon holds) to 256 by 256.
QList<ImageDuJeu> iconesDuBureau();

// The picture of the Windows installer's welcome and finish pages, 164 by
// 314 pixels as NSIS shows it: a strip of the board with a few tokens.
QList<ImageDuJeu> imagesDeLInstallateur();

// Writes each picture into the folder, in the format of its name's extension
// (BMP pictures as 24 bits per pixel). Creates the folder and its
// sub-folders if needed. On failure returns false and describes it.
bool ecrireImages(const QList<ImageDuJeu>& images, const QString& dossier, QString* erreur);
