// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws every picture of the game and writes them out: the fifteen files of
// the images folder with their larger sizes (@2x, @3x), the icons of the
// desktop entry, and the picture of the Windows installer.
//
//   quartelo4_images <images folder> [<icons folder> [<installer folder>]]

#include "images_du_jeu.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    QTextStream erreurs(stderr);
    if (arguments.size() < 2 || arguments.size() > 4) {
        erreurs << "usage : quartelo4_images <dossier des images> [<dossier des icônes> [<dossier de l'installateur>]]\n";
        return 2;
    }
    QString erreur;
    if (!ecrireImages(imagesDuJeu() + imagesDuJeuAgrandies(), arguments.at(1), &erreur)) {
        erreurs << "quartelo4_images : " << erreur << "\n";
        return 1;
    }
    if (arguments.size() >= 3 && !ecrireImages(iconesDuBureau(), arguments.at(2), &erreur)) {
        erreurs << "quartelo4_images : " << erreur << "\n";
        return 1;
    }
    if (arguments.size() == 4 && !ecrireImages(imagesDeLInstallateur(), arguments.at(3), &erreur)) {
        erreurs << "quartelo4_images : " << erreur << "\n";
        return 1;
    }
    return 0;
}
