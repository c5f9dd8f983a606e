// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textes.h"

#include "grille.h"

namespace textes {

QString tour(const QString& couleur)
{
    return QStringLiteral("C'est au joueur ") + couleur + QStringLiteral(" de jouer");
}

QString colonneJouee(int colonne, const QString& couleur)
{
    return QStringLiteral("Colonne jouée : ") + QString::number(colonne) + QStringLiteral("\n")
        + tour(couleur);
}

QString finDePartie(const QString& couleurGagnant)
{
    if (couleurGagnant.isEmpty())
        return QStringLiteral("La partie est terminée,\n personne n'a gagné");
    return QStringLiteral("La partie est terminée,\n le vainqueur est le joueur \n") + couleurGagnant;
}

QStringList toutesLesSituations()
{
    QStringList liste;
    for (const QString& couleur : {QStringLiteral("rouge"), QStringLiteral("jaune")}) {
        liste << tour(couleur) << finDePartie(couleur);
        for (int colonne = 0; colonne < kColonnes; ++colonne)
            liste << colonneJouee(colonne, couleur);
    }
    liste << finDePartie(QString());
    return liste;
}

} // namespace textes
