// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dessins.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace dessins {

namespace {

// Radii as fractions of the side of a square.
constexpr qreal rayonBiseau = 0.445;
constexpr qreal rayonTrou = 0.39;
constexpr qreal rayonPionJoue = 0.355;

QColor avecAlpha(QColor couleur, int alpha) {
    couleur.setAlpha(alpha);
    return couleur;
}

// The blue sheet and the bevelled lip of its slot, lit from the top left:
// the lip's lower right side faces the light.
void dessinerTole(QPainter& peintre, const QRectF& carre) {
    const QPointF centre = carre.center();
    const qreal cote = carre.width();
    peintre.fillRect(carre, palette::bleuPlateau());

    const qreal r = cote * rayonBiseau;
    QLinearGradient biseau(centre + QPointF(-r, -r) * 0.7, centre + QPointF(r, r) * 0.7);
    biseau.setColorAt(0.0, palette::bleuPlateauSombre());
    biseau.setColorAt(0.5, palette::bleuPlateau());
    biseau.setColorAt(1.0, palette::bleuPlateauClair());
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(biseau);
    peintre.drawEllipse(centre, r, r);
}

// The inside of the slot: dark, deeper in shadow under its upper edge.
void dessinerTrou(QPainter& peintre, const QRectF& carre) {
    const QPointF centre = carre.center();
    const qreal r = carre.width() * rayonTrou;
    QRadialGradient fond(centre + QPointF(r * 0.15, r * 0.2), r);
    fond.setColorAt(0.0, palette::fondTrou().lighter(150));
    fond.setColorAt(1.0, palette::fondTrou());
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(fond);
    peintre.drawEllipse(centre, r, r);

    QPainterPath trou;
    trou.addEllipse(centre, r, r);
    peintre.save();
    peintre.setClipPath(trou, Qt::IntersectClip);
    QRadialGradient ombre(centre + QPointF(r * 0.18, r * 0.25), r * 1.15);
    ombre.setColorAt(0.75, QColor(0, 0, 0, 0));
    ombre.setColorAt(1.0, QColor(0, 0, 0, 170));
    peintre.setBrush(ombre);
    peintre.drawEllipse(centre, r, r);
    peintre.restore();

    // A thin rim of light where the lip meets the slot, on the lit side.
    peintre.setBrush(Qt::NoBrush);
    peintre.setPen(QPen(avecAlpha(palette::bleuPlateauClair().lighter(125), 150), 1.2));
    peintre.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), -5 * 16, -80 * 16);
    peintre.setPen(QPen(avecAlpha(palette::bleuPlateauSombre().darker(150), 200), 1.2));
    peintre.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 95 * 16, 80 * 16);
}

// A token resting in the slot, with its shadow on the back of the slot.
void dessinerPionAssis(QPainter& peintre, const QRectF& carre, Couleur couleur) {
    const QPointF centre = carre.center() + QPointF(0.0, 0.6);
    const qreal r = carre.width() * rayonPionJoue;
    QRadialGradient ombre(centre + QPointF(1.5, 2.5), r * 1.1);
    ombre.setColorAt(0.85, QColor(0, 0, 0, 150));
    ombre.setColorAt(1.0, QColor(0, 0, 0, 0));
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(ombre);
    peintre.drawEllipse(centre + QPointF(1.5, 2.5), r * 1.1, r * 1.1);
    dessinerPion(peintre, centre, r, couleur);
}

}  // namespace

void dessinerEmplacement(QPainter& peintre, const QRectF& carre) {
    dessinerTole(peintre, carre);
    dessinerTrou(peintre, carre);
}

void dessinerPionJoue(QPainter& peintre, const QRectF& carre, Couleur couleur) {
    dessinerEmplacement(peintre, carre);
    dessinerPionAssis(peintre, carre, couleur);
}

void dessinerPionGagnant(QPainter& peintre, const QRectF& carre, Couleur couleur) {
    const QPointF centre = carre.center();
    const qreal cote = carre.width();

    // The square lights up: a glowing tile around the slot.
    peintre.fillRect(carre, palette::bleuPlateau());
    const QRectF tuile = carre.adjusted(cote * 0.025, cote * 0.025, -cote * 0.025, -cote * 0.025);
    QRadialGradient lueur(centre, cote * 0.68);
    lueur.setColorAt(0.0, palette::halo());
    lueur.setColorAt(0.62, palette::halo());
    lueur.setColorAt(1.0, palette::haloBord());
    peintre.setPen(QPen(palette::haloBord().darker(115), cote * 0.015));
    peintre.setBrush(lueur);
    peintre.drawRoundedRect(tuile, cote * 0.2, cote * 0.2);

    dessinerTrou(peintre, carre);

    // A bright ring around the slot.
    const qreal rAnneau = cote * 0.425;
    peintre.setBrush(Qt::NoBrush);
    peintre.setPen(QPen(QColor(255, 255, 255), cote * 0.05));
    peintre.drawEllipse(centre, rAnneau, rAnneau);
    peintre.setPen(QPen(QColor(230, 150, 0), cote * 0.016));
    peintre.drawEllipse(centre, rAnneau + cote * 0.033, rAnneau + cote * 0.033);

    dessinerPionAssis(peintre, carre, couleur);
    dessinerEtoile(peintre, carre.center() + QPointF(0.0, 0.6), cote * 0.2, couleur);
}

}  // namespace dessins
