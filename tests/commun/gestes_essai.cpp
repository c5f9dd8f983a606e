// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gestes_essai.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "label.h"
#include "quartelo4.h"

namespace essai {

void cliquerCase(const Quartelo4* plateau, int colonne, int ligne)
{
    QTest::mouseClick(plateau->getLabel(ligne, colonne), Qt::LeftButton);
}

void jouerAuClic(const Quartelo4* plateau, const std::vector<int>& coups)
{
    for (int colonne : coups)
        cliquerCase(plateau, colonne, 1 + colonne % 6);
}

void cocher(QAbstractButton* bouton)
{
    QTest::mouseClick(bouton, Qt::LeftButton, Qt::NoModifier, QPoint(6, bouton->height() / 2));
}

void doubleClic(QWidget* widget, Qt::MouseButton bouton)
{
    QTest::mousePress(widget, bouton);
    QTest::mouseRelease(widget, bouton);
    QTest::mouseDClick(widget, bouton);
    QTest::mouseRelease(widget, bouton);
}

FinDeBoucle executerBoucle(const std::function<void()>& action, int delai)
{
    FinDeBoucle fin;
    QTimer declencheur;
    declencheur.setSingleShot(true);
    QObject::connect(&declencheur, &QTimer::timeout, [&] {
        fin.actionFaite = true;
        action();
    });
    QTimer garde;
    garde.setSingleShot(true);
    QObject::connect(&garde, &QTimer::timeout, [&] {
        fin.garde = true;
        QCoreApplication::exit(-1);
    });
    const QMetaObject::Connection connexion =
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { fin.aboutToQuit = true; });
    declencheur.start(0);
    garde.start(delai);
    fin.resultat = QApplication::exec();
    QObject::disconnect(connexion);
    return fin;
}

}  // namespace essai
