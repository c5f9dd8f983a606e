// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Quartelo 4: four in a row for two sides, each played by a person or by the computer.

#include <QApplication>

#include <cstdlib>
#include <ctime>

#include "fenetre.h"
#include "fenetre_debut.h"
#include "plateforme.h"
#include "style_compact.h"

int main(int argc, char* argv[])
{
    // The column drawn when Tab is released comes from rand().
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    // Declared in this order, destroyed in the reverse one: the start
    // window, then the game window, then the application.
    QApplication application(argc, argv);
    // The name of the installed desktop entry, without ".desktop": Wayland
    // compositors match the windows to that entry (its name and icon).
    QGuiApplication::setDesktopFileName(QStringLiteral(QUARTELO4_ID));
    // The look must be in place before the windows measure their contents.
    installerStyle(application);
    plateforme::preparer(application);
    Fenetre fenetre(8, true, false, false);
    FenetreDebut fenetreDebut(&fenetre);
    plateforme::preparerFenetre(fenetre);
    plateforme::preparerFenetre(fenetreDebut);
    if (!plateforme::peutDessiner())
        return EXIT_FAILURE;
    fenetreDebut.setVisible(true);
    return application.exec();
}
