// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "centrage.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

void centrerSurEcranPrincipal(QWidget* fenetre)
{
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (ecran == nullptr)
        return;
    const QRect geometrie = ecran->geometry();
    fenetre->move(geometrie.width() / 2 - fenetre->width() / 2,
                  geometrie.height() / 2 - fenetre->height() / 2);
}
