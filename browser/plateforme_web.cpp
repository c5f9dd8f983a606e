// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in the browser. The page draws and answers only while the program
// hands it back, so every wait of the game (the computer's half-second pause,
// each step of a fall) suspends the program (emscripten's Asyncify) and lets
// the browser draw. Input that reaches the windows meanwhile is held, then
// handed on one event at a time, in order, once the game is done with what
// it was doing, as the desktop's queue does: it never starts a second move
// inside the first, which would ask for a second suspension while one is
// pending. The page is told when the program quits. The windows are the
// page's content: without a frame, whole on the page at any size of it
// (ajustement.cpp), and read by screen readers (miroir_accessible.cpp).

#include <QApplication>
#include <QFont>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <deque>
#include <memory>

#include <emscripten.h>

#include "ajustement.h"
#include "miroir_accessible.h"
#include "ordinateur.h"
#include "plateforme.h"

namespace {

// Until the browser has drawn a frame after this call, and started the next.
EM_ASYNC_JS(void, attendreUneImage, (), {
    await new Promise(function(suite) {
        requestAnimationFrame(function() { requestAnimationFrame(suite); });
    });
});

// Whether the page can draw the windows: it asks for WebGL on the program's
// canvas (which makes the context the windows are then drawn with), and
// says so where there is none. The first context waits for the browser's
// graphics to start: the windows are built meanwhile.
EM_JS(int, pageDessine, (), {
    return !Module.quartelo4Dessine || Module.quartelo4Dessine() ? 1 : 0;
});

// The page shows that the game is closed, and how to start it again.
EM_JS(void, signalerFermeture, (), {
    if (Module.quartelo4Ferme)
        setTimeout(Module.quartelo4Ferme, 0);
});

// A touch is not held: no widget of the game takes one, and the toolkit
// turns it into the mouse events that are. An action asked for by a screen
// reader is input too.
bool estUneEntree(QObject* objet, QEvent::Type type)
{
    if (type == MiroirAccessible::Action::type())
        return true;
    if (!objet->isWindowType())
        return false;
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Enter:
    case QEvent::Leave:
        return true;
    default:
        return false;
    }
}

class Garde : public QObject {
public:
    // Runs `attente`, which suspends the program, holding the input that
    // arrives meanwhile.
    template <typename Attente>
    void suspendre(Attente attente)
    {
        ++enAttente;
        attente();
        --enAttente;
        if (enAttente == 0 && !retenues.empty())
            prevoirRelache();
    }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (objet == qApp && evenement->type() == QEvent::Quit)
            signalerFermeture();
        // A window shown takes the keys, as a desktop's window manager
        // gives them; the browser's Qt only does so on a click.
        if (evenement->type() == QEvent::Show && objet->isWidgetType()
            && static_cast<QWidget*>(objet)->isWindow())
            static_cast<QWidget*>(objet)->activateWindow();
        if (evenement == enEnvoi || !estUneEntree(objet, evenement->type()))
            return false;
        // Behind input already held, new input waits its turn too.
        if (enAttente == 0 && retenues.empty())
            return false;
        retenues.push_back({objet, std::unique_ptr<QEvent>(evenement->clone())});
        if (enAttente == 0)
            prevoirRelache();
        return true;
    }

    bool event(QEvent* evenement) override
    {
        if (evenement->type() != kRelache)
            return QObject::event(evenement);
        relachePrevue = false;
        // Posted events may be delivered while the program is suspended;
        // the end of the wait asks again.
        if (enAttente > 0 || retenues.empty())
            return true;
        Retenue retenue = std::move(retenues.front());
        retenues.pop_front();
        // The next one is asked for first: should this one open the
        // end-of-game message, its event loop hands on the rest, as the
        // desktop's would.
        if (!retenues.empty())
            prevoirRelache();
        if (retenue.cible && !bloqueeParUnMessage(retenue.cible)) {
            enEnvoi = retenue.evenement.get();
            QCoreApplication::sendEvent(retenue.cible, retenue.evenement.get());
            enEnvoi = nullptr;
        }
        return true;
    }

private:
    struct Retenue {
        QPointer<QObject> cible;
        std::unique_ptr<QEvent> evenement;
    };

    static inline const QEvent::Type kRelache = static_cast<QEvent::Type>(QEvent::registerEventType());

    void prevoirRelache()
    {
        if (relachePrevue)
            return;
        relachePrevue = true;
        QCoreApplication::postEvent(this, new QEvent(kRelache));
    }

    // Input for a window behind a modal message goes nowhere, as the
    // toolkit does with input that it delivers itself. (A screen reader's
    // action looks for itself.)
    static bool bloqueeParUnMessage(QObject* cible)
    {
        const QWidget* modale = QApplication::activeModalWidget();
        return modale != nullptr && cible->isWindowType() && modale->windowHandle() != cible;
    }

    std::deque<Retenue> retenues;
    int enAttente = 0;
    bool relachePrevue = false;
    QEvent* enEnvoi = nullptr;
};

Garde* garde = nullptr;

} // namespace

namespace plateforme {

// The browser hands no desktop font to the program: the windows take the
// game's own, DejaVu Sans (which Qt embeds) at 9 points, as on a desktop that
// names none.
void preparer(QApplication& application)
{
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPointSizeF(9);
    police.setStyleHint(QFont::SansSerif);
    QApplication::setFont(police);
    garde = new Garde();
    garde->setParent(&application);
    application.installEventFilter(garde);
    new AjustementALaPage(application);
    new MiroirAccessible(application);
}

// The browser's tab holds the title, and the page holds the windows where
// they stand: no title bar, nothing to move, maximise or resize. (The hints
// a window gets at construction would keep the title bar.)
void preparerFenetre(QWidget& fenetre)
{
    fenetre.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
}

bool peutDessiner()
{
    return pageDessine() != 0;
}

void montrerEtape(QWidget* plateau)
{
    plateau->repaint();
    if (garde != nullptr)
        garde->suspendre([] { attendreUneImage(); });
}

// After the message, the browser gives the keys back to no window: the game
// window takes them again, as the desktop's window manager gives them.
void apresMessage(QWidget* fenetre)
{
    fenetre->activateWindow();
}

} // namespace plateforme

// The computer's pause: the same half second, during which the page draws
// the board and keeps answering.
void attendre(int millisecondes)
{
    if (millisecondes <= 0)
        return;
    if (garde != nullptr)
        garde->suspendre([millisecondes] { emscripten_sleep(static_cast<unsigned>(millisecondes)); });
    else
        emscripten_sleep(static_cast<unsigned>(millisecondes));
}
