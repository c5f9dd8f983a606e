// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class Quartelo4;

// The game window: the board on the left; on the right the status line, the
// options, the column buttons, the choice of who plays each side with the
// new-game button, and the quit button. Every move goes through jouer(int).
class Fenetre : public QWidget {
    Q_OBJECT

public:
    Fenetre(int profondeur, bool souris, bool rougeOrdi, bool jauneOrdi);
    ~Fenetre() override;

    void setRougeOrdi(bool ordi);
    void setJauneOrdi(bool ordi);
    void appliquerOptions(int difficulte, bool souris, bool rougeOrdi, bool jauneOrdi);
    void afficherFinDePartie();

    Quartelo4* getPlateau() const;

private slots:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

public slots:
    void setMouseActive(int etat);
    void setDifficulte(int index);
    void reinitialiser();
    bool jouer(int colonne);

private:
    QLabel* situation;
    QCheckBox* souris;
    QComboBox* difficulte;
    QRadioButton* rougeOrdi;
    QRadioButton* jauneOrdi;
    QRadioButton* rougeHumain;
    QRadioButton* jauneHumain;
    Quartelo4* plateau;
};
