// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pictures at a display scale: what the artwork program draws for a
// given number of device pixels, and how close a picture on screen is to it.

#include <QImage>
#include <QString>

namespace essai {

// The display scale of the run, from QT_SCALE_FACTOR (1 without it).
qreal echelleDuLancement();

// The picture of that name in images/ ("3.bmp", "pion_rouge_gagnant.bmp"),
// drawn by the artwork program with `cote` device pixels a side.
QImage dessinAttendu(const QString& nom, int cote);

// The peak signal-to-noise ratio of two pictures over red, green and blue,
// in dB; infinite when they are the same, 0 when their sizes differ.
double psnr(const QImage& a, const QImage& b);

}  // namespace essai
