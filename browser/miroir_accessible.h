// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QTimer>

class QAccessibleEvent;
class QApplication;

// What screen readers read of the game in the browser: the windows' Qt
// accessibility, the same interfaces that serve AT-SPI on the desktop,
// mirrored into the page as elements with ARIA roles (miroir.js), over the
// widgets they stand for, and kept current from Qt's accessibility events.
// Each pass hands the page one message: the elements it sees, in order,
// each with its role, name, states, place and actions (miroir.js reads it).
// The board is a table of its headers and cells, the group boxes are read by
// their titles, the labels are live regions, the end-of-game message is an
// alert dialog. An element activated in the page (a click, Enter or Space)
// has its widget act as its Press or Toggle action does; the difficulty box
// takes the choice made in its list.
class MiroirAccessible : public QObject {
public:
    explicit MiroirAccessible(QApplication& application);
    ~MiroirAccessible() override;

    // An action asked for in the page: the game's input like a click, held
    // while the game waits in the middle of a move.
    class Action : public QEvent {
    public:
        Action(unsigned element, int choix);
        Action* clone() const override;

        static Type type();

        const unsigned element;
        // The item chosen in a list, or -1 for the element's own action.
        const int choix;
    };

protected:
    bool event(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    static void recevoir(QAccessibleEvent* evenement);
    void planifier();
    void synchroniser();
    void agir(const Action& action);
    void suivreEcran(QScreen* ecran);

    QTimer minuterie;
    // The elements whose text is announced again, even when it is the same.
    QSet<unsigned> aAnnoncer;
    QPointer<QScreen> ecranSuivi;
    QAccessible::UpdateHandler handlerPrecedent = nullptr;
};
