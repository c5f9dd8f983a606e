// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bouton_accessible.h"

#include <QMetaObject>

#include "bouton.h"

BoutonAccessible::BoutonAccessible(Bouton* b) : QAccessibleWidget(b, QAccessible::Button)
{
}

Bouton* BoutonAccessible::bouton() const
{
    return static_cast<Bouton*>(widget());
}

// The name is the number shown on the button; the group box around it
// would otherwise lend its title.
QString BoutonAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && bouton()->accessibleName().isEmpty())
        return bouton()->text();
    return QAccessibleWidget::text(t);
}

QStringList BoutonAccessible::actionNames() const
{
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

// The column is played from the event loop, as a click is: the assistive
// technology's call returns at once, even when the move ends the game and
// the end-of-game message waits for the player.
void BoutonAccessible::doAction(const QString& action)
{
    if (action != pressAction()) {
        QAccessibleWidget::doAction(action);
        return;
    }
    if (bouton()->isEnabled())
        QMetaObject::invokeMethod(bouton(), &Bouton::activer, Qt::QueuedConnection);
}
