// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fichiers_images.h"

#include "nom_a_l_echelle.h"

#include <QString>
#include <QtMath>

namespace fichiers_images {

// On a screen of one device pixel per pixel (or less) the file is read
// under its own name, and nothing else is tried. Above, the @2x or @3x file
// is read first; without it, the base file as it is.
QPixmap charger(const QString& nom, qreal rapport)
{
    if (rapport <= 1.0)
        return QPixmap(nom);
    const int facteur = rapport > 2.0 ? 3 : 2;
    QPixmap image(nomALEchelle(nom, facteur));
    if (image.isNull())
        return QPixmap(nom);
    image.setDevicePixelRatio(facteur);
    if (qFuzzyCompare(rapport, qreal(facteur)))
        return image;
    // Between two sizes: the larger one brought down smoothly to the exact
    // device size, which the label then draws pixel for pixel.
    const QSize taille = image.deviceIndependentSize().toSize();
    QPixmap ajustee = image.scaled(qRound(taille.width() * rapport), qRound(taille.height() * rapport),
                                   Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ajustee.setDevicePixelRatio(rapport);
    return ajustee;
}

QString caseVide()
{
    return QStringLiteral("images/emplacement_pour_pion.bmp");
}

QString pionJoue(int joueur)
{
    return joueur == 1 ? QStringLiteral("images/pion_rouge_joue.bmp") : QStringLiteral("images/pion_jaune_joue.bmp");
}

QString pionGagnant(int joueur)
{
    return joueur == 1 ? QStringLiteral("images/pion_rouge_gagnant") : QStringLiteral("images/pion_jaune_gagnant");
}

QString curseur(int joueur)
{
    return joueur == 1 ? QStringLiteral("images/pion_rouge.bmp") : QStringLiteral("images/pion_jaune.bmp");
}

QString enTete(int colonne)
{
    return QStringLiteral("images/") + QString::number(colonne) + QStringLiteral(".bmp");
}

QIcon icone(qreal rapport)
{
    QIcon icone(QStringLiteral("images/icone.bmp"));
    if (rapport <= 1.0)
        return icone;
    for (int facteur : {2, 3})
        icone.addFile(nomALEchelle(QStringLiteral("images/icone.bmp"), facteur));
    return icone;
}

} // namespace fichiers_images
