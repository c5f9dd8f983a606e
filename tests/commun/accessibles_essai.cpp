// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibles_essai.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include "fenetres_essai.h"
#include "grille.h"
#include "images_essai.h"
#include "label.h"
#include "quartelo4.h"
#include "textes_essai.h"

namespace essai {

namespace {

// Between a cell or a header and what it holds.
const QString kDeuxPoints = QStringLiteral(" : ");
// The end of a winning token's name.
const QString kGagnant = QStringLiteral(" gagnant");

// The token of a side, as the names call it.
QString pion(int joueur)
{
    return QStringLiteral("pion ") + couleurDe(joueur);
}

}  // namespace

QString nomAccessible(QObject* objet)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(objet);
    return interface ? interface->text(QAccessible::Name) : QStringLiteral("<pas d'interface>");
}

QString nomDeColonne(int colonne)
{
    return QStringLiteral("colonne %1").arg(colonne);
}

QString nomDeRangee(int rangee)
{
    return QStringLiteral("rangée %1").arg(rangee);
}

QString contenuDeCase(char code)
{
    if (code == '.')
        return QStringLiteral("vide");
    for (int joueur = 1; joueur <= 2; ++joueur) {
        if (code == imageJouee(joueur))
            return pion(joueur);
        if (code == imageGagnante(joueur))
            return pion(joueur) + kGagnant;
    }
    return QStringLiteral("?");
}

// "colonne 3, rangée 1 : pion rouge gagnant"
QString nomDeCase(int colonne, int rangee, char code)
{
    return nomDeColonne(colonne) + QStringLiteral(", ") + nomDeRangee(rangee) + kDeuxPoints + contenuDeCase(code);
}

// "colonne 3", or "colonne 3 : pion rouge à jouer" under the cursor
QString nomDEnTete(int colonne, int joueur)
{
    if (joueur == 0)
        return nomDeColonne(colonne);
    return nomDeColonne(colonne) + kDeuxPoints + pion(joueur) + QStringLiteral(" à jouer");
}

QStringList nomsAttendus(const QString& plateau)
{
    const QStringList lignes = plateau.split('\n');
    QStringList noms;
    for (int l = 1; l <= kLignes; ++l) {
        const QString ligne = lignes.value(l - 1);
        for (int c = 0; c < kColonnes; ++c)
            noms << nomDeCase(c, kLignes + 1 - l, c < ligne.size() ? ligne.at(c).toLatin1() : '?');
    }
    return noms;
}

QStringList enTetesAttendus(int colonne, int joueur)
{
    QStringList noms;
    for (int c = 0; c < kColonnes; ++c)
        noms << nomDEnTete(c, c == colonne ? joueur : 0);
    return noms;
}

QStringList nomsDesCases(const Quartelo4* plateau)
{
    QStringList noms;
    for (int l = 1; l <= kLignes; ++l)
        for (int c = 0; c < kColonnes; ++c)
            noms << nomAccessible(plateau->getLabel(l, c));
    return noms;
}

QStringList nomsDesEnTetes(const Quartelo4* plateau)
{
    QStringList noms;
    for (int c = 0; c < kColonnes; ++c)
        noms << nomAccessible(plateau->getLabel(0, c));
    return noms;
}

int nombreDeGagnants(const Quartelo4* plateau)
{
    int n = 0;
    for (const QString& nom : nomsDesCases(plateau))
        n += nom.endsWith(kGagnant) ? 1 : 0;
    return n;
}

void lireToutLeJeu(QWidget* fenetre)
{
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(w);
        QVERIFY(interface);
        (void)interface->text(QAccessible::Name);
    }
}

void presser(QAbstractButton* bouton)
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

void jouerParAction(QWidget* fenetre, const std::vector<int>& coups)
{
    for (int colonne : coups)
        presser(bouton(fenetre, QString::number(colonne)));
}

}  // namespace essai
