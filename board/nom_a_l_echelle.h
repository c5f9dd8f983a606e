// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The name of a picture drawn at facteur times its size, the one rule of
// the artwork program that writes these files and of the game that reads
// them: "@2x" before the extension ("images/0@2x.bmp"), or at the end of a
// name without one ("images/pion_rouge_gagnant@2x").
inline QString nomALEchelle(const QString& nom, int facteur)
{
    const QString suffixe = QLatin1Char('@') + QString::number(facteur) + QLatin1Char('x');
    const qsizetype point = nom.lastIndexOf(QLatin1Char('.'));
    const qsizetype barre = nom.lastIndexOf(QLatin1Char('/'));
    return point <= barre ? nom + suffixe : nom.left(point) + suffixe + nom.mid(point);
}
