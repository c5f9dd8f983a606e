// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A game window as the widget tests use it: built with its options, shown,
// with a watcher that closes end-of-game boxes and records them.

#include <QTest>

#include <memory>

#include "fenetre.h"
#include "outils_essai.h"
#include "quartelo4.h"

namespace essai {

struct OptionsPartie {
    int profondeur = 8;
    bool souris = true;
    bool rougeOrdi = false;
    bool jauneOrdi = false;
};

// Builds the window in the current working directory and shows it.
class FenetreOuverte {
public:
    explicit FenetreOuverte(OptionsPartie options = {})
        : fenetre(options.profondeur, options.souris, options.rougeOrdi, options.jauneOrdi),
          boites(&fenetre)
    {
        fenetre.show();
        expose = QTest::qWaitForWindowExposed(&fenetre);
        plateau = fenetre.getPlateau();
    }

    Fenetre fenetre;
    SurveillantDeBoites boites;
    Quartelo4* plateau = nullptr;
    bool expose = false;
};

// The same in a temporary folder of distinct colour pictures.
class PartieEnCouleur {
public:
    explicit PartieEnCouleur(OptionsPartie options = {}, bool gagnantsAvecExtension = false)
        : images(gagnantsAvecExtension), ouverte(std::make_unique<FenetreOuverte>(options)),
          fenetre(ouverte->fenetre), plateau(ouverte->plateau), boites(ouverte->boites)
    {
    }

    bool pret() const { return images.pret() && ouverte->expose && plateau; }

    ImagesDeCouleur images;
    std::unique_ptr<FenetreOuverte> ouverte;
    Fenetre& fenetre;
    Quartelo4* plateau;
    SurveillantDeBoites& boites;
};

}  // namespace essai
