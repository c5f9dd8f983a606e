// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's pause on the desktop: the program keeps the processor busy
// and answers nothing until it is over. (The browser's pause hands the page
// back to the browser instead: browser/plateforme_web.cpp.)

#include "ordinateur.h"

#include <chrono>
#include <ctime>

void attendre(int millisecondes)
{
    const std::clock_t t0 = std::clock();
    if (t0 == static_cast<std::clock_t>(-1)) {
        return; // no processor clock on this system: waiting on it would never end
    }
    const auto cible = static_cast<std::clock_t>(
        static_cast<double>(t0)
        + static_cast<double>(millisecondes) * static_cast<double>(CLOCKS_PER_SEC) / 1000.0);
    // Where clock() counts whole milliseconds of elapsed time (Windows), its
    // target can be reached a fraction of a millisecond early, so the wait
    // also lasts the full time by the steady clock. Where it counts the
    // processor time of this busy loop, that clock is already the slower one.
    const auto fin = std::chrono::steady_clock::now() + std::chrono::milliseconds(millisecondes);
    while (true) {
        const std::clock_t maintenant = std::clock();
        if (maintenant == static_cast<std::clock_t>(-1)) {
            break;
        }
        if (maintenant >= cible && std::chrono::steady_clock::now() >= fin) {
            break;
        }
    }
}
