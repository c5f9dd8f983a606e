// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustement.h"

#include <QApplication>
#include <QBackingStore>
#include <QEvent>
#include <QPixmapCache>
#include <QScreen>
#include <QToolTip>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include <emscripten.h>
#include <emscripten/val.h>

#include "centrage.h"
#include "cote_case.h"

namespace {

// However small the page, the game is drawn at a tenth of its size at least.
constexpr qreal kFacteurMinimal = 0.1;

// The canvas's pixels per CSS pixel, at least, that Qt's screen reads.
EM_JS(void, fixerRapportMinimal, (double rapport), {
    Module.qtDevicePixelRatioFloor = rapport;
});

// The screen's device pixels per CSS pixel, as Qt's screen reckons them
// before any floor.
EM_JS(double, rapportDeLEcran, (), {
    const vue = window.visualViewport;
    return Math.min(devicePixelRatio * (vue ? vue.scale : 1), devicePixelRatio);
});

// The start window and the game window: top-level, standing by themselves.
// The end-of-game message stands over the game window, and a list or a
// tooltip is a popup.
bool estFenetreDuJeu(const QWidget* widget)
{
    return widget->isWindow() && widget->parentWidget() == nullptr && widget->windowType() == Qt::Window;
}

} // namespace

AjustementALaPage::AjustementALaPage(QApplication& application)
    : QObject(&application)
{
    application.installEventFilter(this);
    suivreEcran(QGuiApplication::primaryScreen());
    connect(&application, &QGuiApplication::primaryScreenChanged, this, &AjustementALaPage::suivreEcran);
}

void AjustementALaPage::suivreEcran(QScreen* ecran)
{
    if (ecranSuivi)
        disconnect(ecranSuivi, nullptr, this, nullptr);
    ecranSuivi = ecran;
    if (ecran != nullptr)
        connect(ecran, &QScreen::geometryChanged, this, &AjustementALaPage::ajuster);
}

// A window of the game that is shown becomes the one the page holds, before
// it is drawn.
bool AjustementALaPage::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::Show && objet->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(objet);
        if (estFenetreDuJeu(widget)) {
            courante = widget;
            ajuster();
        }
    }
    return QObject::eventFilter(objet, evenement);
}

void AjustementALaPage::ajuster()
{
    QScreen* ecran = QGuiApplication::primaryScreen();
    QWindow* fenetre = courante ? courante->windowHandle() : nullptr;
    if (enCours || ecran == nullptr || ecran->handle() == nullptr || fenetre == nullptr || fenetre->handle() == nullptr)
        return;
    // The page's room in its own pixels (the canvas's), and the window's size
    // in the game's. A page without width or height for a moment (during a
    // resize, or hidden) keeps the last fit.
    const QSize page = ecran->handle()->geometry().size();
    const QSize taille = courante->size();
    if (page.isEmpty() || taille.isEmpty())
        return;
    qreal voulu = std::clamp(std::min(qreal(page.width()) / taille.width(), qreal(page.height()) / taille.height()),
                             kFacteurMinimal, qreal(1));
    // Drawn smaller with more than one device pixel per pixel of the game, a
    // cell takes a whole number of them, so that no seam of the window shows
    // between two cells of the board.
    const qreal appareil = rapportDeLEcran();
    if (voulu < 1 && appareil * voulu > 1)
        voulu = std::floor(appareil * voulu * kCoteCase) / (kCoteCase * appareil);
    const bool autreFacteur = !qFuzzyCompare(voulu, facteur);
    enCours = true;
    if (autreFacteur) {
        // A list or a tooltip open at the old size would stand astray.
        if (QWidget* liste = QApplication::activePopupWidget())
            liste->close();
        QToolTip::hideText();
    }
    // The windows over it, where they stand now in the game's pixels.
    std::vector<std::pair<QPointer<QWindow>, QRect>> dessus;
    for (QWindow* autre : QGuiApplication::topLevelWindows())
        if (autre != fenetre && autre->isVisible() && autre->transientParent() == fenetre && autre->handle() != nullptr)
            dessus.emplace_back(autre, autre->geometry());
    const QPoint avant = fenetre->geometry().topLeft();
    if (autreFacteur)
        changerFacteur(ecran, voulu);
    // In the middle of the page, by the desktop's rule, and the others with
    // it. The window first, whose size the new factor reads from its old one;
    // then the widget, which keeps the place that Qt gives its window when
    // it shows it.
    const QRect cible(coinCentre(ecran->geometry().size(), taille), taille);
    fenetre->setGeometry(cible);
    courante->move(cible.topLeft());
    const QPoint decalage = cible.topLeft() - avant;
    for (const auto& [autre, geometrie] : dessus)
        if (autre)
            autre->setGeometry(geometrie.translated(decalage));
    // A new factor, or a new ratio of the canvas's pixels to the game's (the
    // browser's zoom): everything drawn anew.
    const qreal nouveauRapport = fenetre->devicePixelRatio();
    if (autreFacteur || !qFuzzyCompare(nouveauRapport, rapport)) {
        rapport = nouveauRapport;
        redessiner(ecran);
    }
    enCours = false;
}

// The screen's scale factor: its size in the game's pixels. QPainter draws
// no finer than one device pixel per pixel of the game: where the screen has
// fewer (a ratio of 1 and a game drawn smaller), the canvas holds one per
// pixel of the game and the browser brings it down to the screen's.
void AjustementALaPage::changerFacteur(QScreen* ecran, qreal nouveau)
{
    facteur = nouveau;
    QHighDpiScaling::setScreenFactor(ecran, facteur);
    fixerRapportMinimal(1.0 / facteur);
    emscripten::val::module_property("qtResizeAllScreens")(emscripten::val::undefined());
}

// The windows told of their new ratio (the board reads its pictures again
// for it), and drawn again whole into images of their size in the canvas's
// pixels: Qt resizes a window's image only when the window's size or ratio
// changes, and a new factor may leave the ratio as it was (one canvas pixel
// per pixel of the game, before and after).
void AjustementALaPage::redessiner(QScreen* ecran)
{
    // The style keeps the controls it drew under keys that do not say at
    // which ratio.
    QPixmapCache::clear();
    const QDpi dpi = ecran->handle()->logicalDpi();
    QWindowSystemInterface::handleScreenLogicalDotsPerInchChange(ecran, dpi.first, dpi.second);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible())
            continue;
        if (QBackingStore* image = widget->backingStore())
            image->resize(widget->size());
        widget->update();
    }
}
