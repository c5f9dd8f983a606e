// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dessins.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace dessins {

namespace {

// Where the cursor token floats, as fractions of the side of a square.
constexpr qreal hauteurPion = 0.39;
constexpr qreal rayonPion = 0.32;

QColor avecAlpha(QColor couleur, int alpha) {
    couleur.setAlpha(alpha);
    return couleur;
}

// The arrow under the ring or the cursor, pointing down at the column.
QPainterPath fleche(const QRectF& carre) {
    const qreal cote = carre.width();
    const qreal x = carre.center().x();
    const qreal haut = carre.top() + cote * 0.78;
    const qreal bas = carre.top() + cote * 0.91;
    const qreal demi = cote * 0.11;
    QPainterPath chemin;
    chemin.moveTo(x - demi, haut);
    chemin.lineTo(x + demi, haut);
    chemin.lineTo(x, bas);
    chemin.closeSubpath();
    return chemin;
}

}  // namespace

void dessinerFondEntete(QPainter& peintre, const QRectF& carre) {
    QLinearGradient fond(carre.topLeft(), carre.bottomLeft());
    fond.setColorAt(0.0, palette::fondEnteteHaut());
    fond.setColorAt(1.0, palette::fondEnteteBas());
    peintre.fillRect(carre, fond);

    // The top edge of the board, catching the light.
    const qreal bord = carre.height() * 0.045;
    QLinearGradient arete(QPointF(0, carre.bottom() - bord), QPointF(0, carre.bottom()));
    arete.setColorAt(0.0, palette::bleuPlateauSombre());
    arete.setColorAt(0.35, palette::bleuPlateauClair());
    arete.setColorAt(1.0, palette::bleuPlateau());
    peintre.fillRect(QRectF(carre.left(), carre.bottom() - bord, carre.width(), bord), arete);
}

void dessinerEnteteColonne(QPainter& peintre, const QRectF& carre, int colonne) {
    dessinerFondEntete(peintre, carre);
    const qreal cote = carre.width();
    const QPointF centre(carre.center().x(), carre.top() + cote * hauteurPion);
    const qreal r = cote * rayonPion;

    // A faint ring where the cursor token appears.
    peintre.setPen(QPen(palette::traitEntete(), cote * 0.022, Qt::DashLine, Qt::RoundCap));
    peintre.setBrush(avecAlpha(QColor(255, 255, 255), 140));
    peintre.drawEllipse(centre, r, r);

    // The column number.
    const qreal hauteur = cote * 0.30;
    const QPainterPath chiffre = traitsChiffre(colonne, hauteur).translated(centre);
    peintre.setBrush(Qt::NoBrush);
    peintre.setPen(QPen(avecAlpha(QColor(255, 255, 255), 230), cote * 0.085, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    peintre.drawPath(chiffre.translated(0.8, 1.2));
    peintre.setPen(QPen(palette::encreEntete(), cote * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    peintre.drawPath(chiffre);

    // A quiet arrow: the column drops down here.
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(avecAlpha(palette::traitEntete(), 150));
    peintre.drawPath(fleche(carre));
}

void dessinerCurseur(QPainter& peintre, const QRectF& carre, Couleur couleur) {
    dessinerFondEntete(peintre, carre);
    const qreal cote = carre.width();
    const QPointF centre(carre.center().x(), carre.top() + cote * hauteurPion);
    const qreal r = cote * rayonPion;
    const palette::Teinte teinte = couleur == Couleur::Rouge ? palette::rouge() : palette::jaune();

    // The shadow that the floating token casts below it.
    const QPointF ombreCentre = centre + QPointF(cote * 0.03, cote * 0.06);
    QRadialGradient ombre(ombreCentre, r * 1.15);
    ombre.setColorAt(0.7, QColor(20, 30, 60, 110));
    ombre.setColorAt(1.0, QColor(20, 30, 60, 0));
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(ombre);
    peintre.drawEllipse(ombreCentre, r * 1.15, r * 1.15);

    dessinerPion(peintre, centre, r, couleur);

    // A bold arrow in the token's colour.
    peintre.setBrush(teinte.base);
    peintre.setPen(QPen(teinte.contour, cote * 0.02, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    peintre.drawPath(fleche(carre));
}

}  // namespace dessins
