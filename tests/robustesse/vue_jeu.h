// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "grille.h"

class Bouton;
class Fenetre;
class Label;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;
class Quartelo4;

// Everything that the user sees or may change at one moment, together with
// the board widget's state behind it.
struct EtatJeu {
    Grille grille{};
    int joueurCourant = 0;
    int gagnant = 0;
    int selection = 0;
    bool sourisPlateau = false;
    int profondeur = 0;
    bool rougeOrdiPlateau = false;
    bool jauneOrdiPlateau = false;

    QString situation;
    bool caseSouris = false;
    int indexDifficulte = 0;
    bool rougeOrdi = false;
    bool rougeHumain = false;
    bool jauneOrdi = false;
    bool jauneHumain = false;
    QWidget* focus = nullptr; // the game window's focus widget
    bool fenetreVisible = false;
};

// The widgets of a game window, found as a user finds them: by their texts
// and their group boxes.
class VueJeu {
public:
    explicit VueJeu(Fenetre* fenetre);

    // An empty text when every widget was found, else what is missing.
    QString erreur() const { return manque; }

    EtatJeu lire() const;

    Fenetre* fenetre = nullptr;
    Quartelo4* plateau = nullptr;
    QLabel* situation = nullptr;
    QCheckBox* souris = nullptr;
    QComboBox* difficulte = nullptr;
    QRadioButton* rougeOrdi = nullptr;
    QRadioButton* rougeHumain = nullptr;
    QRadioButton* jauneOrdi = nullptr;
    QRadioButton* jauneHumain = nullptr;
    Bouton* boutons[kColonnes] = {};
    QPushButton* nouvellePartie = nullptr;
    QPushButton* quitter = nullptr;

    Label* label(int ligne, int colonne) const;

private:
    QString manque;
};
