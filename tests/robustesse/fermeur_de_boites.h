// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include "surveillant_de_boites.h"
#include "verification.h"

class VueJeu;
class QMessageBox;
class QWidget;

// Closes the end-of-game box as a user does, by pressing its Ok button, and
// checks on the way what the box and the window show while it is up.
class FermeurDeBoites {
public:
    FermeurDeBoites(const VueJeu& vue, essai::ImagesDuJeu& images);

    // What the checks made while a box is up may assume.
    void setContexte(const Contexte& contexte) { leContexte = contexte; }

    // Modal windows shown, message boxes or not.
    int nombre() const { return int(surveillant.boites.size()) + autresModales; }
    // Boxes that announced a draw.
    int nulles() const { return boitesNulles; }
    // Faults seen since the last call, emptied by it.
    QStringList prendreDefauts();

private:
    void verifier(QMessageBox* boite);

    const VueJeu& vue;
    essai::ImagesDuJeu& images;
    Contexte leContexte;
    // The timer only fires inside an event loop, that is inside the box's own.
    essai::SurveillantDeBoites surveillant{nullptr, 1};
    int autresModales = 0;
    int boitesNulles = 0;
    QStringList defauts;
};
