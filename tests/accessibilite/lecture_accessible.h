// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game read and played as a screen reader does, through Qt's
// accessibility interfaces: names of the board's cells and headers, the
// names they must carry, and the buttons' Press action.

#include <QAbstractButton>
#include <QAccessible>
#include <QCoreApplication>
#include <QStringList>
#include <QTest>

#include <vector>

#include "outils_essai.h"
#include "quartelo4.h"

namespace accessible {

inline QString nomAccessible(QObject* objet)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(objet);
    return interface ? interface->text(QAccessible::Name) : QStringLiteral("<pas d'interface>");
}

// The name a cell must carry for one code of plateauVu ('.', 'r', 'j', 'R', 'J'),
// written out here on its own, rows counted from the bottom.
inline QString nomDeCase(int colonne, int ligneDuLabel, QChar code)
{
    QString contenu;
    switch (code.toLatin1()) {
    case '.': contenu = "vide"; break;
    case 'r': contenu = "pion rouge"; break;
    case 'j': contenu = "pion jaune"; break;
    case 'R': contenu = "pion rouge gagnant"; break;
    case 'J': contenu = "pion jaune gagnant"; break;
    default: contenu = "?"; break;
    }
    return QString("colonne %1, rangée %2 : %3").arg(colonne).arg(7 - ligneDuLabel).arg(contenu);
}

// The 42 names that a board string (plateauVu's codes) gives, top row first.
inline QStringList nomsAttendus(const QString& plateau)
{
    const QStringList lignes = plateau.split('\n');
    QStringList noms;
    for (int l = 1; l <= 6; ++l) {
        const QString ligne = lignes.value(l - 1);
        for (int c = 0; c < 7; ++c)
            noms << nomDeCase(c, l, c < ligne.size() ? ligne.at(c) : QChar('?'));
    }
    return noms;
}

inline QStringList nomsDesCases(const Quartelo4* plateau)
{
    QStringList noms;
    for (int l = 1; l <= 6; ++l)
        for (int c = 0; c < 7; ++c)
            noms << nomAccessible(plateau->getLabel(l, c));
    return noms;
}

// The seven header names with the cursor of `joueur` (1, 2, or 0 for none) on `colonne`.
inline QStringList enTetesAttendus(int colonne, int joueur)
{
    QStringList noms;
    for (int c = 0; c < 7; ++c) {
        QString nom = QString("colonne %1").arg(c);
        if (c == colonne && joueur != 0)
            nom += joueur == 1 ? " : pion rouge à jouer" : " : pion jaune à jouer";
        noms << nom;
    }
    return noms;
}

inline QStringList nomsDesEnTetes(const Quartelo4* plateau)
{
    QStringList noms;
    for (int c = 0; c < 7; ++c)
        noms << nomAccessible(plateau->getLabel(0, c));
    return noms;
}

inline int nombreDeGagnants(const Quartelo4* plateau)
{
    int n = 0;
    for (const QString& nom : nomsDesCases(plateau))
        n += nom.endsWith(" gagnant") ? 1 : 0;
    return n;
}

// Activates a button as an assistive technology does, then lets the event
// loop deliver the activation, as it does for a screen reader's request.
inline void presser(QAbstractButton* bouton)
{
    QVERIFY(bouton);
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(bouton);
    QVERIFY(interface);
    QAccessibleActionInterface* actions = interface->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

inline void jouerParAction(QWidget* fenetre, const std::vector<int>& coups)
{
    for (int colonne : coups)
        presser(essai::bouton(fenetre, QString::number(colonne)));
}

} // namespace accessible
