// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's own accessibility interfaces: the board as a table
// (PlateauAccessible), its labels as the table's cells (CaseAccessible) and
// the column buttons (BoutonAccessible). Qt builds them when an assistive
// technology, or the program's own accessible events, first ask for them.
namespace fabrique_accessible {

// Makes Qt use these interfaces; later calls do nothing. To be called
// before the first accessible name is set on a board or a button.
void installer();

} // namespace fabrique_accessible
