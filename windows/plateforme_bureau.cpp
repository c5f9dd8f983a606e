// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// On the desktop the program holds its event loop while it works: a step
// of a fall is painted at once, and input waits in the system's queue.

#include "plateforme.h"

#include <QWidget>

namespace plateforme {

void preparer(QApplication&)
{
}

void preparerFenetre(QWidget&)
{
}

bool peutDessiner()
{
    return true;
}

void montrerEtape(QWidget* plateau)
{
    plateau->repaint();
}

void apresMessage(QWidget*)
{
}

} // namespace plateforme
