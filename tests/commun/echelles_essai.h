// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace essai {

// How close a picture on screen is to the art of the picture of `code`
// (images_essai.h) drawn at its size: the PSNR in dB over red, green and
// blue, infinite when they are the same.
double psnrAuDessin(const QImage& vue, char code);

// The larger drawing of that picture that a screen of this device pixel
// ratio reads: "images/3@2x.bmp" up to 2, "images/3@3x.bmp" above.
QString cheminAgrandi(char code, qreal rapport);

}  // namespace essai
