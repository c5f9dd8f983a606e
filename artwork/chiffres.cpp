// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dessins.h"

#include <QTransform>

namespace dessins {

// The digits are drawn on a grid 10 units wide and 16 high, origin at the
// top left, then scaled to the asked height and centred on the origin.
QPainterPath traitsChiffre(int chiffre, qreal hauteur) {
    QPainterPath c;
    switch (chiffre) {
    case 0:
        c.addRoundedRect(QRectF(0, 0, 10, 16), 5, 5);
        break;
    case 1:
        c.moveTo(2, 3.5);
        c.lineTo(6, 0);
        c.lineTo(6, 16);
        break;
    case 2:
        c.moveTo(0.3, 4.2);
        c.arcTo(QRectF(0.3, 0, 9.4, 9.4), 160, -190);
        c.lineTo(0, 16);
        c.lineTo(10, 16);
        break;
    case 3:
        c.moveTo(0.6, 2.2);
        c.arcTo(QRectF(0.8, 0, 8.6, 7.6), 150, -240);
        c.arcTo(QRectF(0, 7.6, 10, 8.4), 90, -270 + 30);
        break;
    case 4:
        c.moveTo(7.5, 16);
        c.lineTo(7.5, 0);
        c.lineTo(0, 11);
        c.lineTo(10, 11);
        break;
    case 5:
        c.moveTo(9.3, 0);
        c.lineTo(1.3, 0);
        c.lineTo(0.8, 7.2);
        c.arcTo(QRectF(0, 5.8, 10, 10.2), 140, -280 + 10);
        break;
    case 6:
        c.addEllipse(QRectF(0, 6, 10, 10));
        c.moveTo(8.6, 0.6);
        c.cubicTo(QPointF(3, -1), QPointF(0, 4.5), QPointF(0, 11));
        break;
    case 7:
        c.moveTo(0, 0);
        c.lineTo(10, 0);
        c.lineTo(3.5, 16);
        break;
    case 8:
        c.addEllipse(QRectF(0.8, 0, 8.4, 7.4));
        c.addEllipse(QRectF(0, 7.4, 10, 8.6));
        break;
    case 9:
        c.addEllipse(QRectF(0, 0, 10, 10));
        c.moveTo(10, 5);
        c.cubicTo(QPointF(10, 11.5), QPointF(7, 17), QPointF(1.4, 15.4));
        break;
    default:
        break;
    }
    const qreal echelle = hauteur / 16.0;
    QTransform t;
    t.scale(echelle, echelle);
    t.translate(-5, -8);
    return t.map(c);
}

}  // namespace dessins
