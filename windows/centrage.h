// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Where a window of the given size stands in the middle of a screen of the
// given size: x = W/2 - w/2 and y = H/2 - h/2, with integer halvings.
QPoint coinCentre(const QSize& ecran, const QSize& fenetre);

// Moves a top-level window to the middle of the primary screen, from the
// sizes of the screen and of the window only (the screen's own position is
// not added).
void centrerSurEcranPrincipal(QWidget* fenetre);
