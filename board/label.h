// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// One image cell of the board. It knows its column and reports presses and
// motion over itself with that column; mouse tracking is on, so motion is
// reported without a pressed button.
class Label : public QLabel {
    Q_OBJECT

public:
    Label(int colonne, const QString& texte, QWidget* parent = nullptr,
          Qt::WindowFlags flags = Qt::WindowFlags());

    // A cell without a picture keeps the room of one: a seventh of the
    // board's starting side of 630 pixels each way. A cell with a picture
    // takes the size of its picture.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Shows the picture of that name (see fichiers_images.h), read anew for
    // the device pixel ratio of the label's screen.
    void montrerImage(const QString& nom);
    // Reads the picture shown again: the screen's ratio has changed.
    void rechargerImage();

signals:
    void clicked(int colonne);
    void moved(int colonne);

private slots:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int colonne;
    QString nomImage;
};
