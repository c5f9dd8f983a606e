// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

// A column button: labelled with its column number, it plays that column on
// the press of any mouse button.
class Bouton : public QPushButton {
    Q_OBJECT

public:
    explicit Bouton(int numero, QWidget* parent = nullptr);

    // Plays the column as a press does. Assistive technologies reach it
    // through the button's accessible Press action; no key or mouse input does.
    void activer();

signals:
    void clicked(int numero);

private slots:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int numero;
};
