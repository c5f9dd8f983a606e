// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The game read and played as a screen reader does, through Qt's
// accessibility interfaces: the names the board's cells and headers carry,
// the names they must carry (the tests' own spelling, kept apart from the
// program's, so that a wrong name in the program is caught), and the
// buttons' Press action.

#include <QString>
#include <QStringList>

#include <vector>

class QAbstractButton;
class QObject;
class QWidget;
class Quartelo4;

namespace essai {

// The accessible name of an object, or "<pas d'interface>" when it has no
// accessible interface.
QString nomAccessible(QObject* objet);

// The names as they must read, spelled in accessibles_essai.cpp only.
// Columns are counted from 0 as the buttons are, rows from 1 at the bottom,
// as a person counts them.
QString nomDeColonne(int colonne);
QString nomDeRangee(int rangee);
// What a cell holds, by its picture code in plateau_texte.h ('.', 'r', 'j',
// 'R', 'J'): empty, a red or yellow token, a winning one.
QString contenuDeCase(char code);
// A cell: its column, its row, then what it holds.
QString nomDeCase(int colonne, int rangee, char code);
// A header: its column, then the token of `joueur` (1 red, 2 yellow) that
// is to be played there when the cursor stands on it; 0 for no cursor.
QString nomDEnTete(int colonne, int joueur);

// The 42 names that a board string (plateauVu's codes) gives, top row first.
QStringList nomsAttendus(const QString& plateau);
// The seven header names with the cursor of `joueur` (1, 2, or 0 for none) on `colonne`.
QStringList enTetesAttendus(int colonne, int joueur);

// The names the board carries: its 42 cells, top row first, and its seven
// headers; how many cells read as winning.
QStringList nomsDesCases(const Quartelo4* plateau);
QStringList nomsDesEnTetes(const Quartelo4* plateau);
int nombreDeGagnants(const Quartelo4* plateau);

// Builds every interface a screen reader would ask for: each widget of the
// window, with its name. Fails the running test when a widget has none.
void lireToutLeJeu(QWidget* fenetre);

// Activates a button as an assistive technology does, then lets the event
// loop deliver the activation, as it does for a screen reader's request.
// Fails the running test when the button has no Press action.
void presser(QAbstractButton* bouton);

// Plays a list of columns by pressing the column buttons that way.
void jouerParAction(QWidget* fenetre, const std::vector<int>& coups);

}  // namespace essai
