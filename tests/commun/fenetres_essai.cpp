// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetres_essai.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

namespace essai {

QGroupBox* groupe(const QWidget* fenetre, const QString& titre)
{
    return seulAvecTexte<QGroupBox>(fenetre, titre, [](const QGroupBox* g) { return g->title(); });
}

QPushButton* bouton(const QWidget* fenetre, const QString& texte)
{
    return boutonNomme<QPushButton>(fenetre, texte);
}

QRadioButton* radio(const QWidget* fenetre, const QString& titreGroupe, const QString& texte)
{
    return boutonNomme<QRadioButton>(groupe(fenetre, titreGroupe), texte);
}

QCheckBox* caseSouris(const QWidget* fenetre)
{
    return boutonNomme<QCheckBox>(fenetre, "Activer la souris");
}

QComboBox* listeDifficulte(const QWidget* fenetre)
{
    const QList<QComboBox*> listes = fenetre->findChildren<QComboBox*>();
    return listes.size() == 1 ? listes.first() : nullptr;
}

QLabel* situation(const QWidget* fenetre)
{
    QGroupBox* information = groupe(fenetre, "Information");
    if (!information)
        return nullptr;
    const QList<QLabel*> labels = information->findChildren<QLabel*>();
    return labels.size() == 1 ? labels.first() : nullptr;
}

QString texteSituation(const QWidget* fenetre)
{
    QLabel* label = situation(fenetre);
    return label ? label->text() : QStringLiteral("<pas de ligne de situation>");
}

void choisirDansListe(QComboBox* liste, const QString& texte)
{
    const int index = liste->findText(texte);
    QVERIFY2(index >= 0, qPrintable(texte));
    liste->showPopup();
    QAbstractItemView* vue = liste->view();
    QVERIFY(QTest::qWaitFor([&] { return vue->isVisible(); }, 2000));
    const QModelIndex item = vue->model()->index(index, liste->modelColumn(), liste->rootModelIndex());
    vue->scrollTo(item);
    const QRect rect = vue->visualRect(item);
    QVERIFY(!rect.isEmpty());
    QTest::mouseClick(vue->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QTRY_VERIFY_WITH_TIMEOUT(!vue->isVisible(), 2000);
}

QPoint positionCentree(const QSize& taille)
{
    const QRect ecran = QGuiApplication::primaryScreen()->geometry();
    return QPoint(ecran.width() / 2 - taille.width() / 2, ecran.height() / 2 - taille.height() / 2);
}

}  // namespace essai
