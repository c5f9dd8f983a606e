// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;
class QWidget;

// What the game does differently from one platform to another, in one file
// per platform that the build chooses: plateforme_bureau.cpp on Linux and
// Windows, where the program owns its event loop and may hold it; and the
// browser's, where every wait must hand the page back to the browser
// (browser/plateforme_web.cpp). The computer's pause, attendre(), belongs
// to the same choice.
namespace plateforme {

// Once the application and its style are in place, before the windows.
void preparer(QApplication& application);

// Once a window of the game is built, before it is first shown.
void preparerFenetre(QWidget& fenetre);

// Whether the windows can be drawn, asked once they are built, before the
// first is shown. Where they cannot, the platform tells the user why, and
// the program ends without showing any.
bool peutDessiner();

// Shows one step of a falling token now, before the program goes on.
void montrerEtape(QWidget* plateau);

// Once the end-of-game message is closed, before the game goes on.
void apresMessage(QWidget* fenetre);

} // namespace plateforme
