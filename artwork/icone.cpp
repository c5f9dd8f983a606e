// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dessins.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace dessins {

namespace {

// The small board of the icon, three columns by three rows; 0 empty,
// 1 red, 2 yellow, top row first.
constexpr int cases[3][3] = {
    {0, 0, 1},
    {0, 1, 2},
    {1, 2, 2},
};

}  // namespace

void dessinerIcone(QPainter& peintre, int cote, bool coinsArrondis) {
    const qreal c = cote;
    const QRectF tout(0, 0, c, c);
    QPainterPath forme;
    if (coinsArrondis)
        forme.addRoundedRect(tout.adjusted(c * 0.03, c * 0.03, -c * 0.03, -c * 0.03), c * 0.16, c * 0.16);
    else
        forme.addRect(tout);

    peintre.save();
    QLinearGradient tole(tout.topLeft(), tout.bottomRight());
    tole.setColorAt(0.0, palette::bleuPlateau().lighter(125));
    tole.setColorAt(1.0, palette::bleuPlateau().darker(125));
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(tole);
    peintre.drawPath(forme);
    if (coinsArrondis) {
        peintre.setBrush(Qt::NoBrush);
        peintre.setPen(QPen(palette::bleuPlateauSombre(), qMax<qreal>(1.0, c * 0.02)));
        peintre.drawPath(forme);
    }

    const qreal pas = c * 0.29;
    const qreal origine = c * 0.5 - pas;
    const qreal rayonTrou = pas * 0.42;
    for (int ligne = 0; ligne < 3; ++ligne) {
        for (int colonne = 0; colonne < 3; ++colonne) {
            const QPointF centre(origine + pas * colonne, origine + pas * ligne);
            QRadialGradient trou(centre + QPointF(rayonTrou * 0.2, rayonTrou * 0.3), rayonTrou);
            trou.setColorAt(0.0, palette::fondTrou().lighter(160));
            trou.setColorAt(1.0, palette::fondTrou());
            peintre.setPen(QPen(palette::bleuPlateauSombre(), qMax<qreal>(0.8, c * 0.012)));
            peintre.setBrush(trou);
            peintre.drawEllipse(centre, rayonTrou, rayonTrou);
            const int valeur = cases[ligne][colonne];
            if (valeur != 0)
                dessinerPion(peintre, centre, rayonTrou * 0.95, valeur == 1 ? Couleur::Rouge : Couleur::Jaune);
        }
    }
    peintre.restore();
}

}  // namespace dessins
