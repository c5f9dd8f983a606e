// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fichiers_images.h"

#include <QString>

namespace fichiers_images {

QPixmap caseVide()
{
    return QPixmap(QStringLiteral("images/emplacement_pour_pion.bmp"));
}

QPixmap pionJoue(int joueur)
{
    return QPixmap(joueur == 1 ? QStringLiteral("images/pion_rouge_joue.bmp")
                               : QStringLiteral("images/pion_jaune_joue.bmp"));
}

QPixmap pionGagnant(int joueur)
{
    return QPixmap(joueur == 1 ? QStringLiteral("images/pion_rouge_gagnant")
                               : QStringLiteral("images/pion_jaune_gagnant"));
}

QPixmap curseur(int joueur)
{
    return QPixmap(joueur == 1 ? QStringLiteral("images/pion_rouge.bmp")
                               : QStringLiteral("images/pion_jaune.bmp"));
}

QPixmap enTete(int colonne)
{
    return QPixmap(QStringLiteral("images/") + QString::number(colonne) + QStringLiteral(".bmp"));
}

} // namespace fichiers_images
