// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QScreen;
class QWidget;

// Watches the device pixel ratio of a widget's screen and calls back when it
// differs from the one the widget was last drawn for: when the window is
// shown, when it moves to another screen, and when its screen's scale
// changes. Owned by the widget.
class SuiviDuRapport : public QObject {
    Q_OBJECT

public:
    SuiviDuRapport(QWidget* surveille, std::function<void()> changement);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void verifier();

    QWidget* surveille;
    std::function<void()> changement;
    qreal rapport;
    QPointer<QScreen> ecran;
};
