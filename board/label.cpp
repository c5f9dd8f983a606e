// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label.h"

#include "cote_case.h"
#include "fichiers_images.h"

namespace {

constexpr int kCoteSansImage = kCoteCase;

} // namespace

Label::Label(int numeroColonne, const QString& texte, QWidget* parent, Qt::WindowFlags flags)
    : QLabel(texte, parent, flags), colonne(numeroColonne)
{
    // Motion is reported without a pressed button, so the cursor above the
    // board can follow the mouse.
    setMouseTracking(true);
}

// A move is made on the press, whatever the button. QWidget's default
// double-click handler calls this one again, so a double click plays twice.
void Label::mousePressEvent(QMouseEvent*)
{
    emit clicked(colonne);
}

void Label::mouseMoveEvent(QMouseEvent*)
{
    emit moved(colonne);
}

QSize Label::sizeHint() const
{
    if (pixmap().isNull())
        return QSize(kCoteSansImage, kCoteSansImage);
    return QLabel::sizeHint();
}

QSize Label::minimumSizeHint() const
{
    if (pixmap().isNull())
        return QSize(kCoteSansImage, kCoteSansImage);
    return QLabel::minimumSizeHint();
}

void Label::montrerImage(const QString& nom)
{
    nomImage = nom;
    setPixmap(fichiers_images::charger(nom, devicePixelRatio()));
}

void Label::rechargerImage()
{
    if (!nomImage.isEmpty())
        montrerImage(nomImage);
}
