// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// Moves a top-level window to the middle of the primary screen:
// x = W/2 - w/2 and y = H/2 - h/2 with integer halvings, from the sizes of the
// screen and of the window only (the screen's own position is not added).
void centrerSurEcranPrincipal(QWidget* fenetre);
