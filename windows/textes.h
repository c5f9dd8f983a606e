// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The texts of the status line and of the end-of-game message.
namespace textes {

// "C'est au joueur rouge de jouer".
QString tour(const QString& couleur);

// The played column on the first line, then the side to move.
QString colonneJouee(int colonne, const QString& couleur);

// The end of the game; an empty winner's colour means nobody won.
QString finDePartie(const QString& couleurGagnant);

// Every text the status line may show, for the room it must keep.
QStringList toutesLesSituations();

} // namespace textes
