#pragma once

#include <QPushButton>

// A column button: labelled with its column number, it plays that column on
// the press of any mouse button.
class Bouton : public QPushButton {
    Q_OBJECT

public:
    explicit Bouton(int numero, QWidget* parent = nullptr);

signals:
    void clicked(int numero);

private slots:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int numero;
};
