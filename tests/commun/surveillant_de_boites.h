// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The modal end-of-game box, closed from a timer as a user closes it: by
// pressing its Ok button.

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVector>

#include <functional>

class Fenetre;

namespace essai {

// What one box showed, and what the game window showed while it was up.
struct BoiteVue {
    QString titre;
    QString texte;
    int nombreDeBoutons = 0;
    QMessageBox::StandardButtons boutons;
    bool boutonOk = false;
    QWidget* parent = nullptr;
    QString situationPendant;  // the status line while the box is open
    QString enTetePendant;
    QString plateauPendant;
    int joueurCourantPendant = -1;
    int gagnantPendant = -1;
};

// Watches for modal message boxes from a timer (which fires inside the box's
// own event loop), records what they show and closes each one by clicking
// its Ok button, as a user would. With a followed window, what the window
// shows while the box is up is recorded too.
class SurveillantDeBoites {
public:
    explicit SurveillantDeBoites(Fenetre* fenetreSuivie = nullptr, int intervalle = 5);

    QVector<BoiteVue> boites;

    // Called with each box before it is closed.
    std::function<void(QMessageBox*)> pendant;
    // When set, a modal window that is not a message box is handed to it and
    // then closed; otherwise it is left alone.
    std::function<void(QWidget*)> autreModale;
    // Called when pressing the button left the box open; it is closed then.
    std::function<void()> resteeOuverte;

private:
    void verifier();

    Fenetre* fenetre;
    QTimer minuterie;
    QPointer<QWidget> enCours;
};

}  // namespace essai
