// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textes_accessibles.h"

#include "grille.h"

namespace textes_accessibles {

int rangee(int ligneDuPlateau)
{
    return kLignes - ligneDuPlateau;
}

QString nomDeRangee(int ligneDuPlateau)
{
    return QStringLiteral("rangée ") + QString::number(rangee(ligneDuPlateau));
}

QString contenu(int joueur, bool gagnant)
{
    QString texte;
    switch (joueur) {
    case 1:
        texte = QStringLiteral("pion rouge");
        break;
    case 2:
        texte = QStringLiteral("pion jaune");
        break;
    default:
        return QStringLiteral("vide");
    }
    if (gagnant)
        texte += QStringLiteral(" gagnant");
    return texte;
}

QString caseDuPlateau(int colonne, int ligneDuPlateau, int joueur, bool gagnant)
{
    return enTete(colonne) + QStringLiteral(", ") + nomDeRangee(ligneDuPlateau) + QStringLiteral(" : ")
        + contenu(joueur, gagnant);
}

QString enTete(int colonne)
{
    return QStringLiteral("colonne ") + QString::number(colonne);
}

QString enTeteAvecCurseur(int colonne, int joueur)
{
    return enTete(colonne) + QStringLiteral(" : ") + contenu(joueur, false) + QStringLiteral(" à jouer");
}

QString plateau()
{
    return QStringLiteral("plateau");
}

} // namespace textes_accessibles
