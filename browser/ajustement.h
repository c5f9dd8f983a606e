// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

class QApplication;
class QScreen;
class QWidget;

// The game's current window (the start window, then the game window) whole
// on the page, whatever its size: drawn at its own size where the page has
// room, smaller where it has not, never larger, and centred on the page.
// The page is Qt's screen; the window keeps its own size in its pixels, and
// the screen's scale factor draws it smaller, so that the canvas keeps the
// screen's device pixels (at least one per pixel of the game) and the
// pictures are read for the ratio they are drawn at. It follows the page
// live: a resized or turned screen, a split screen, the browser's zoom. The
// windows over it (the end-of-game message, a list opened) move with it.
class AjustementALaPage : public QObject {
public:
    explicit AjustementALaPage(QApplication& application);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void suivreEcran(QScreen* ecran);
    void ajuster();
    void changerFacteur(QScreen* ecran, qreal nouveau);
    void redessiner(QScreen* ecran);

    QPointer<QWidget> courante;
    QPointer<QScreen> ecranSuivi;
    qreal facteur = 1.0;
    // The current window's device pixels per pixel of its own, when last fitted.
    qreal rapport = 0.0;
    bool enCours = false;
};
