// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

#include "grille.h"

class Fenetre;
class Joueur;
class Label;
class QGridLayout;

// The board widget: it owns the game in progress (board, side to move,
// winner, both players, search depth, mouse flag) and shows it as a 7 by 7
// grid of image cells, the top row holding the column headers and the cursor.
// Moves of the computer, clicks and the end-of-game message go through the
// game window `fenetre`; a board built without one (null) still plays the
// columns it is given and detects the end, but ignores clicks and never asks
// the computer for a move.
class Quartelo4 : public QWidget {
    Q_OBJECT

public:
    Quartelo4(Fenetre* fenetre, bool rougeOrdi, bool jauneOrdi);
    ~Quartelo4() override;

    void setSourisActive(bool active);
    void setProfondeur(int profondeur);
    void setRougeOrdinateur(bool ordinateur);
    void setJauneOrdinateur(bool ordinateur);

    bool estTerminee() const;
    int getColonneSelectionnee() const;
    QString getCouleurJoueurCourant() const;
    QString getCouleurGagnant() const;

    void selectionnerColonne(int colonne);
    bool jouerColonne(int colonne);
    void nouvellePartie(bool rougeOrdi, bool jauneOrdi);
    bool verifierFin();

    // Read-only views of the state, for the game window and for tests.
    bool estSourisActive() const;
    int getProfondeur() const;
    int getJoueurCourant() const;
    int getGagnant() const;
    const Case* getGrille() const;
    bool estRougeOrdinateur() const;
    bool estJauneOrdinateur() const;
    // Row 0 is the header row; row r + 1 shows board row r.
    Label* getLabel(int ligne, int colonne) const;

public slots:
    void clicSurLabel(int colonne);
    void moveSurLabel(int colonne);

private:
    // Every picture of a cell is shown with the name a screen reader reads
    // for it, so that the names follow the pictures step by step.
    void montrerCase(int ligneDuPlateau, int colonne, int joueur, bool gagnant);
    void montrerEnTete(int colonne, int joueurDuCurseur);

    Joueur* joueurRouge;
    Joueur* joueurJaune;
    Fenetre* fenetre;
    bool sourisActive;
    int profondeur;
    int colonneSelectionnee;
    int joueurCourant;
    int gagnant;
    Grille grille;
    Label* labels[7][7];
    QGridLayout* layoutGrille;
};
