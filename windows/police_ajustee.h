// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QObject>

#include <functional>

class QWidget;

// The font of a window of fixed size: the desktop's font wherever the
// window's contents fit in it, otherwise the same face at the largest size,
// in steps of half a point, at which every control of the window gets the
// room it asks for. The window takes it again each time the desktop's font
// changes while the game runs.
class PoliceAjustee : public QObject {
    Q_OBJECT

public:
    // Fits the font of `fenetre` now and whenever the application's font
    // changes; the object belongs to the window. `preparer` runs each time
    // the window has taken a new size of font, before the window is measured
    // (a window reserves there the room of texts it will show later).
    static void suivre(QWidget* fenetre, std::function<void()> preparer = {});

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    PoliceAjustee(QWidget* fenetre, std::function<void()> preparer);
    void ajuster();
    void invaliderDispositions() const;
    bool tient() const;

    QWidget* fenetre;
    std::function<void()> preparer;
    bool enCours = false;
};

// The font the desktop asks for: the application's font, or the game's own
// DejaVu Sans at the same size where the desktop names no face of its own
// (the toolkit's stand-in "Sans Serif"), or a sans face of the system's
// interface where it names one the system cannot give.
QFont policeDuBureau();
