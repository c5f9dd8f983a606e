// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class Bouton;

// What assistive technologies see of a column button: a push button named
// by its number, described by its tooltip, whose Press action plays the
// column. The action is the only way to the button's activation besides the
// mouse: the keyboard and the mouse keep the behaviour they have.
class BoutonAccessible : public QAccessibleWidget {
public:
    explicit BoutonAccessible(Bouton* bouton);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    Bouton* bouton() const;
};
