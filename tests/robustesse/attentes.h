// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

struct EtatJeu;
class QWidget;

// What one user event may change, by what it reaches in the game.
enum class Genre {
    Rien,          // nothing of the game may change (a release, a key that means nothing)
    Libre,         // an event handled by a widget other than the board: only the invariants
    AppuiLabel,    // a press (or the press of a double click) on a board label
    Survol,        // the mouse moves over a board label
    AppuiBouton,   // a press of any mouse button on a column button
    ToucheJeu,     // a key pressed while the board widget has the focus
    TabAppui,      // Tab or Backtab pressed: the focus moves on
    TabRelache,    // Tab or Backtab released
    CaseSouris,    // a click on "Activer la souris"
    Difficulte,    // an item chosen in the difficulty list
    Radio,         // a click on one of the four radio buttons
    Nouvelle,      // a click on "Nouvelle Partie"
    Lancement,     // "Nouvelle Partie" of the start window
    Quitter,       // Escape or "Quitter", inside the application's event loop
};

struct Evenement {
    Genre genre = Genre::Rien;
    int colonne = -1;  // label or button column
    int touche = 0;    // Qt::Key of ToucheJeu
    int index = -1;    // difficulty item
    int radio = -1;    // 0 red computer, 1 red human, 2 yellow computer, 3 yellow human
    // Lancement: the start window's choices.
    bool sourisDebut = true;
    bool rougeDebut = false;
    bool jauneDebut = false;
};

// What the test keeps track of from one event to the next.
struct Suivi {
    int ouvreur = 1;        // side that opened the game in progress, 0 when unknown
    bool rougeOrdi = false; // who the board widget believes plays each side
    bool jauneOrdi = false;
};

// The side that opens the game that the event starts, when it starts one
// (and the opener of the game in progress otherwise).
int ouvreurPendant(const Evenement& evenement, const EtatJeu& avant, const Suivi& suivi);

// Compares the states before and after one event with what the event must
// do, given the number of end-of-game boxes shown during it; updates `suivi`.
QStringList verifierEvenement(const Evenement& evenement, const EtatJeu& avant,
                              const EtatJeu& apres, int boites, QWidget* plateau, Suivi& suivi);
