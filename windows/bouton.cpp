// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bouton.h"

#include "fabrique_accessible.h"

Bouton::Bouton(int numeroColonne, QWidget* parent)
    : QPushButton(QString::number(numeroColonne, 10), parent), numero(numeroColonne)
{
    fabrique_accessible::installer();
}

// The column is played on the press of any mouse button. The press is not
// handed to QPushButton: the button never looks pressed and never emits its
// own clicked(). QWidget's default double-click handler calls this one again,
// so a double click plays twice.
void Bouton::mousePressEvent(QMouseEvent*)
{
    emit clicked(numero);
}

void Bouton::activer()
{
    emit clicked(numero);
}
