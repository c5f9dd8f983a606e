// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts that the status line and the end-of-game box must show, spelled
// here once for every test. They are the tests' own spelling, kept apart from
// the program's, so that a wrong text in the program is caught.

#include <QString>

namespace essai {

// The end-of-game box's title, and its text (and the status line's) after a draw.
extern const QString kTitreFin;
extern const QString kNulle;
// The start of the status line after a move, before the column.
extern const QString kColonneJouee;

// The side's colour as the texts name it: "rouge" for 1, "jaune" for 2.
QString couleurDe(int joueur);

// By colour name.
QString texteVainqueur(const QString& couleur);
QString texteTour(const QString& couleur);
QString texteColonne(int colonne, const QString& couleur);

// By side (1 red, 2 yellow).
QString texteDebut(int joueur);              // = texteTour
QString texteCoup(int colonne, int joueur);  // = texteColonne
QString texteFin(int gagnant);               // texteVainqueur, or kNulle for 0

// Regular expressions of the status line while a game goes on, with the
// column and the colour captured: texteTour's form, and texteColonne's.
QString motifTour();
QString motifColonne();

}  // namespace essai
