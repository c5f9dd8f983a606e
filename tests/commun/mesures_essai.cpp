// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mesures_essai.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include "label.h"
#include "quartelo4.h"

namespace essai {

QString nomDuWidget(const QWidget* widget)
{
    if (const auto* g = qobject_cast<const QGroupBox*>(widget))
        return QStringLiteral("group box \"%1\"").arg(g->title());
    if (const auto* b = qobject_cast<const QAbstractButton*>(widget))
        return QStringLiteral("button \"%1\"").arg(b->text());
    if (const auto* l = qobject_cast<const QLabel*>(widget))
        return QStringLiteral("label \"%1\"").arg(l->text());
    return QString::fromLatin1(widget->metaObject()->className());
}

QRect dansLaFenetre(const QWidget* widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

QRect placeDeCase(const Quartelo4* plateau, int ligne, int colonne)
{
    const QPoint origine = dansLaFenetre(plateau->getLabel(0, 0)).topLeft();
    return QRect(origine + QPoint(colonne * kCoteCase, ligne * kCoteCase), QSize(kCoteCase, kCoteCase));
}

QList<QWidget*> controles(const QWidget* fenetre)
{
    QList<QWidget*> resultat;
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (qobject_cast<Label*>(w))
            continue;
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QGroupBox*>(w)
            || qobject_cast<QLabel*>(w) || qobject_cast<Quartelo4*>(w))
            resultat.append(w);
    }
    return resultat;
}

void laisserDisposer(QWidget* fenetre)
{
    QTest::qWait(20);
    QCoreApplication::sendPostedEvents(fenetre, QEvent::LayoutRequest);
}

}  // namespace essai
