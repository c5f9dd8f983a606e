// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "echelles_essai.h"

#include <QtMath>

#include <limits>

#include "images_du_jeu.h"
#include "palette.h"

namespace essai {

qreal echelleDuLancement()
{
    bool lu = false;
    const qreal echelle = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&lu);
    return lu ? echelle : 1.0;
}

QImage dessinAttendu(const QString& nom, int cote)
{
    for (const ImageDuJeu& image : imagesDuJeu(qreal(cote) / palette::coteCase))
        if (image.nom == nom)
            return image.image;
    return QImage();
}

double psnr(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 0.0;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double somme = 0.0;
    for (int ligne = 0; ligne < x.height(); ++ligne)
        for (int colonne = 0; colonne < x.width(); ++colonne) {
            const QRgb p = x.pixel(colonne, ligne);
            const QRgb q = y.pixel(colonne, ligne);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)})
                somme += d * d;
        }
    if (somme == 0.0)
        return std::numeric_limits<double>::infinity();
    return 10.0 * std::log10(255.0 * 255.0 * 3.0 * x.width() * x.height() / somme);
}

}  // namespace essai
