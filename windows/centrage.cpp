// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "centrage.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

QPoint coinCentre(const QSize& ecran, const QSize& fenetre)
{
    return QPoint(ecran.width() / 2 - fenetre.width() / 2, ecran.height() / 2 - fenetre.height() / 2);
}

void centrerSurEcranPrincipal(QWidget* fenetre)
{
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (ecran == nullptr)
        return;
    fenetre->move(coinCentre(ecran->geometry().size(), fenetre->size()));
}
