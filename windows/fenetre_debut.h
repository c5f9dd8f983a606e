// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class Fenetre;
class QCheckBox;
class QComboBox;
class QRadioButton;

// The start window: mouse play, difficulty and who plays each side; its
// "Nouvelle Partie" hands the choices to the game window and shows it.
class FenetreDebut : public QWidget {
    Q_OBJECT

public:
    explicit FenetreDebut(Fenetre* fenetre);

public slots:
    void lancer();

private:
    Fenetre* fenetre;
    QCheckBox* souris;
    QComboBox* difficulte;
    QRadioButton* rougeOrdi;
    QRadioButton* jauneOrdi;
    QRadioButton* rougeHumain;
    QRadioButton* jauneHumain;
};
