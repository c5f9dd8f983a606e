// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QPainter;

// The drawing of every picture of the game. Each function paints into the
// given rectangle of an antialiased painter; nothing here reads or writes
// files, so the same calls always give the same pixels.
namespace dessins {

enum class Couleur { Rouge, Jaune };

// A token seen from the front: a glossy disc with a raised rim. Red has a
// groove ring on its face, yellow a milled rim, so the two differ by more
// than their colour.
void dessinerPion(QPainter& peintre, QPointF centre, qreal rayon, Couleur couleur);

// The mark of a winning token: a star, drawn over a token.
void dessinerEtoile(QPainter& peintre, QPointF centre, qreal rayon, Couleur couleur);

// A square of the blue board with its empty round slot.
void dessinerEmplacement(QPainter& peintre, const QRectF& carre);
// The same square with a token seated in the slot.
void dessinerPionJoue(QPainter& peintre, const QRectF& carre, Couleur couleur);
// A token of the winning line: glowing ring around the slot and a star.
void dessinerPionGagnant(QPainter& peintre, const QRectF& carre, Couleur couleur);

// The header strip above the board; every header picture starts with it, so
// that the seven pictures join into one band.
void dessinerFondEntete(QPainter& peintre, const QRectF& carre);
// Header of a column without the cursor: a faint ring with the column number.
void dessinerEnteteColonne(QPainter& peintre, const QRectF& carre, int colonne);
// Header of the selected column: the token about to drop, with an arrow.
void dessinerCurseur(QPainter& peintre, const QRectF& carre, Couleur couleur);

// The outline of a digit 0 to 9 as strokes, centred on the origin, of the
// given height; to be stroked with a round pen.
QPainterPath traitsChiffre(int chiffre, qreal hauteur);

// The application icon: a small board holding a few tokens. With rounded
// corners the outside of the board is left transparent.
void dessinerIcone(QPainter& peintre, int cote, bool coinsArrondis);

}  // namespace dessins
