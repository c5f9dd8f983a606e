// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "echelles_essai.h"

#include <cmath>

#include "images_du_jeu.h"
#include "images_essai.h"
#include "nom_a_l_echelle.h"

namespace essai {

double psnrAuDessin(const QImage& vue, char code)
{
    const QString nom = fichierDessine(code);
    QImage dessin;
    for (const ImageDuJeu& image : imagesDuJeu(vue.width() / 90.0))
        if (image.nom == nom)
            dessin = image.image.convertToFormat(QImage::Format_RGB32);
    if (dessin.size() != vue.size())
        return 0.0;
    double somme = 0.0;
    for (int y = 0; y < vue.height(); ++y)
        for (int x = 0; x < vue.width(); ++x)
            for (int decalage : {0, 8, 16}) {
                const int d = int((vue.pixel(x, y) >> decalage) & 0xff) - int((dessin.pixel(x, y) >> decalage) & 0xff);
                somme += d * d;
            }
    return 10.0 * std::log10(255.0 * 255.0 * 3.0 * vue.width() * vue.height() / somme);
}

QString cheminAgrandi(char code, qreal rapport)
{
    return nomALEchelle(QStringLiteral("images/") + fichierDessine(code), rapport > 2 ? 3 : 2);
}

}  // namespace essai
