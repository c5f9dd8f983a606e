// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dessins.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace dessins {

namespace {

palette::Teinte teinteDe(Couleur couleur) {
    return couleur == Couleur::Rouge ? palette::rouge() : palette::jaune();
}

QColor avecAlpha(QColor couleur, int alpha) {
    couleur.setAlpha(alpha);
    return couleur;
}

QPainterPath anneau(QPointF centre, qreal exterieur, qreal interieur) {
    QPainterPath chemin;
    chemin.addEllipse(centre, exterieur, exterieur);
    chemin.addEllipse(centre, interieur, interieur);
    chemin.setFillRule(Qt::OddEvenFill);
    return chemin;
}

// Light comes from the top left: a gradient across the disc along that axis.
QLinearGradient diagonale(QPointF centre, qreal rayon) {
    const qreal d = rayon * 0.75;
    return QLinearGradient(centre + QPointF(-d, -d), centre + QPointF(d, d));
}

// Red: a groove ring halfway on the face.
void dessinerSillon(QPainter& peintre, QPointF centre, qreal rayon, const palette::Teinte& teinte) {
    const qreal r = rayon * 0.44;
    const qreal epaisseur = qMax<qreal>(1.2, rayon * 0.055);
    peintre.setBrush(Qt::NoBrush);
    peintre.setPen(QPen(avecAlpha(teinte.clair, 150), epaisseur));
    peintre.drawEllipse(centre + QPointF(0.7, 0.9), r, r);
    peintre.setPen(QPen(avecAlpha(teinte.contour, 190), epaisseur));
    peintre.drawEllipse(centre, r, r);
}

// Yellow: a milled rim, short radial ridges all around.
void dessinerCannelures(QPainter& peintre, QPointF centre, qreal rayon, const palette::Teinte& teinte) {
    const int nombre = 24;
    const qreal debut = rayon * 0.80;
    const qreal fin = rayon * 0.95;
    const qreal epaisseur = qMax<qreal>(1.0, rayon * 0.05);
    for (int i = 0; i < nombre; ++i) {
        const qreal angle = 2.0 * M_PI * i / nombre;
        const QPointF direction(qCos(angle), qSin(angle));
        peintre.setPen(QPen(avecAlpha(teinte.sombre, 170), epaisseur, Qt::SolidLine, Qt::RoundCap));
        peintre.drawLine(centre + direction * debut, centre + direction * fin);
        peintre.setPen(QPen(avecAlpha(teinte.clair, 120), epaisseur * 0.6, Qt::SolidLine, Qt::RoundCap));
        const QPointF decalage(-0.6, -0.6);
        peintre.drawLine(centre + direction * debut + decalage, centre + direction * fin + decalage);
    }
}

}  // namespace

void dessinerPion(QPainter& peintre, QPointF centre, qreal rayon, Couleur couleur) {
    const palette::Teinte teinte = teinteDe(couleur);
    peintre.save();
    peintre.setPen(Qt::NoPen);

    // The body, slightly darker towards its edge.
    QRadialGradient corps(centre, rayon, centre + QPointF(-rayon * 0.3, -rayon * 0.35));
    corps.setColorAt(0.0, teinte.base.lighter(112));
    corps.setColorAt(0.75, teinte.base);
    corps.setColorAt(1.0, teinte.sombre);
    peintre.setBrush(corps);
    peintre.drawEllipse(centre, rayon, rayon);

    // The raised rim, lit from the top left.
    QLinearGradient rebord = diagonale(centre, rayon);
    rebord.setColorAt(0.0, avecAlpha(teinte.clair, 200));
    rebord.setColorAt(0.5, avecAlpha(teinte.base, 0));
    rebord.setColorAt(1.0, avecAlpha(teinte.sombre, 220));
    peintre.setBrush(rebord);
    peintre.drawPath(anneau(centre, rayon, rayon * 0.76));

    // The step down to the face, in the opposite light.
    QLinearGradient marche = diagonale(centre, rayon);
    marche.setColorAt(0.0, avecAlpha(teinte.sombre, 230));
    marche.setColorAt(0.5, avecAlpha(teinte.base, 60));
    marche.setColorAt(1.0, avecAlpha(teinte.clair, 230));
    peintre.setBrush(marche);
    peintre.drawPath(anneau(centre, rayon * 0.76, rayon * 0.70));

    // The face.
    QRadialGradient face(centre, rayon * 0.70, centre + QPointF(-rayon * 0.2, -rayon * 0.25));
    face.setColorAt(0.0, teinte.base.lighter(108));
    face.setColorAt(1.0, teinte.base.darker(106));
    peintre.setBrush(face);
    peintre.drawEllipse(centre, rayon * 0.70, rayon * 0.70);

    // The marks need room; on the tiny tokens of an icon they would be noise.
    if (rayon >= 14.0) {
        if (couleur == Couleur::Rouge)
            dessinerSillon(peintre, centre, rayon, teinte);
        else
            dessinerCannelures(peintre, centre, rayon, teinte);
    }

    // The gloss: a soft highlight on the upper left, kept inside the disc.
    QPainterPath disque;
    disque.addEllipse(centre, rayon * 0.96, rayon * 0.96);
    peintre.setClipPath(disque, Qt::IntersectClip);
    peintre.setPen(Qt::NoPen);
    QPainterPath reflet;
    reflet.addEllipse(QPointF(0, 0), rayon * 0.62, rayon * 0.34);
    QTransform placement;
    placement.translate(centre.x() - rayon * 0.30, centre.y() - rayon * 0.48);
    placement.rotate(-35.0);
    QLinearGradient brillance(centre + QPointF(-rayon * 0.5, -rayon * 0.8), centre + QPointF(0, -rayon * 0.05));
    brillance.setColorAt(0.0, QColor(255, 255, 255, 190));
    brillance.setColorAt(1.0, QColor(255, 255, 255, 0));
    peintre.setBrush(brillance);
    peintre.drawPath(placement.map(reflet));
    peintre.setClipping(false);

    // A crisp edge.
    peintre.setBrush(Qt::NoBrush);
    peintre.setPen(QPen(teinte.contour, qMax<qreal>(1.0, rayon * 0.04)));
    peintre.drawEllipse(centre, rayon, rayon);
    peintre.restore();
}

void dessinerEtoile(QPainter& peintre, QPointF centre, qreal rayon, Couleur couleur) {
    const palette::Teinte teinte = teinteDe(couleur);
    QPainterPath etoile;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? rayon : rayon * 0.45;
        const qreal angle = -M_PI / 2.0 + M_PI * i / 5.0;
        const QPointF point = centre + QPointF(r * qCos(angle), r * qSin(angle));
        if (i == 0)
            etoile.moveTo(point);
        else
            etoile.lineTo(point);
    }
    etoile.closeSubpath();

    peintre.save();
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(QColor(0, 0, 0, 90));
    peintre.drawPath(etoile.translated(1.0, 1.5));
    QLinearGradient blanc(centre + QPointF(0, -rayon), centre + QPointF(0, rayon));
    blanc.setColorAt(0.0, QColor(255, 255, 255));
    blanc.setColorAt(1.0, QColor(236, 240, 255));
    peintre.setBrush(blanc);
    peintre.setPen(QPen(teinte.contour, qMax<qreal>(1.2, rayon * 0.11), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    peintre.drawPath(etoile);
    peintre.restore();
}

}  // namespace dessins
