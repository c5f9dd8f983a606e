// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suivi_du_rapport.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <utility>

SuiviDuRapport::SuiviDuRapport(QWidget* widget, std::function<void()> rappel)
    : QObject(widget), surveille(widget), changement(std::move(rappel)), rapport(widget->devicePixelRatio())
{
    widget->installEventFilter(this);
}

// Qt tells a widget that its window went to another screen by
// ScreenChangeInternal; a change of scale on the same screen comes as the
// screen's change of logical resolution.
bool SuiviDuRapport::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == surveille && (evenement->type() == QEvent::Show || evenement->type() == QEvent::ScreenChangeInternal))
        verifier();
    return QObject::eventFilter(objet, evenement);
}

void SuiviDuRapport::verifier()
{
    QScreen* actuel = surveille->screen();
    if (actuel != ecran) {
        if (ecran)
            disconnect(ecran, nullptr, this, nullptr);
        ecran = actuel;
        if (ecran)
            connect(ecran, &QScreen::logicalDotsPerInchChanged, this, &SuiviDuRapport::verifier);
    }
    const qreal nouveau = surveille->devicePixelRatio();
    if (qFuzzyCompare(nouveau, rapport))
        return;
    rapport = nouveau;
    changement();
}
