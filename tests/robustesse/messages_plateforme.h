// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Silences the offscreen platform's notes that it cannot raise a window,
// grab the keyboard or pass size hints on; every other message goes through.
void taireNotesDePlateforme();
