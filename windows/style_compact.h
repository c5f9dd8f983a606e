// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

class QApplication;

// The look of the game: Fusion on every desktop, with margins and spacing
// tighter than usual, so that the two fixed-size windows hold all their
// options at a readable size, and the titles of the top-level group boxes in
// bold, so that the sections of a window stand out from the boxes inside them.
class StyleCompact : public QProxyStyle {
    Q_OBJECT

public:
    StyleCompact();

    int pixelMetric(PixelMetric metrique, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl controle, const QStyleOptionComplex* option,
                         SubControl sousControle, const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& taille,
                           const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl controle, const QStyleOptionComplex* option,
                            QPainter* peintre, const QWidget* widget = nullptr) const override;
};

// Gives the application the game's style, and its font where the desktop
// names none (see policeDuBureau). Call it once the application object
// exists and before any window is built.
void installerStyle(QApplication& application);
