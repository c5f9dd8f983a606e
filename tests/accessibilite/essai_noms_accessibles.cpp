// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader reads of the game, through Qt's accessibility
// interfaces: the names of the board's cells and headers after falls, full
// columns, a win, a draw and a new game; the events sent when they change;
// the group boxes named by their own titles; the column buttons played by
// their accessible Press action. The events sent are checked by
// essai_evenements_accessibles.cpp.

#include <QAccessible>
#include <QGroupBox>
#include <QtTest>

#include <vector>

#include "accessibles_essai.h"
#include "fenetre.h"
#include "fenetre_debut.h"
#include "label.h"
#include "ordinateur.h"
#include "outils_essai.h"
#include "partie_essai.h"
#include "parties_essai.h"
#include "quartelo4.h"

using namespace essai;

class EssaiNomsAccessibles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setDureePause(2);
        QAccessible::setActive(true);
    }

    void plateauVideAuDebut()
    {
        PartieEnCouleur partie;
        QVERIFY(partie.pret());
        QCOMPARE(nomsDesCases(partie.plateau), nomsAttendus(apresCoups({})));
        QCOMPARE(nomsDesCases(partie.plateau).first(), nomDeCase(0, 6, '.'));
        QCOMPARE(nomsDesCases(partie.plateau).last(), nomDeCase(6, 1, '.'));
        QCOMPARE(nomsDesEnTetes(partie.plateau), enTetesAttendus(0, 1));
        QCOMPARE(nomAccessible(partie.plateau), QString("plateau"));
    }

    // Each token lands in the bottom free cell, rows counted from 1 at the bottom.
    void nomsApresChaqueChute()
    {
        PartieEnCouleur partie;
        QVERIFY(partie.pret());
        const std::vector<int> coups = {3, 3, 4, 0, 3, 6, 6};
        std::vector<int> joues;
        for (int colonne : coups) {
            jouerParAction(&partie.fenetre, {colonne});
            joues.push_back(colonne);
            QCOMPARE(plateauVu(partie.plateau), apresCoups(joues));
            QCOMPARE(nomsDesCases(partie.plateau), nomsAttendus(apresCoups(joues)));
            const int suivant = joues.size() % 2 == 0 ? 1 : 2;
            QCOMPARE(nomsDesEnTetes(partie.plateau), enTetesAttendus(0, suivant));
        }
        QCOMPARE(nomAccessible(partie.plateau->getLabel(6, 3)), nomDeCase(3, 1, 'r'));
        QCOMPARE(nomAccessible(partie.plateau->getLabel(5, 3)), nomDeCase(3, 2, 'j'));
        QCOMPARE(nomAccessible(partie.plateau->getLabel(4, 3)), nomDeCase(3, 3, 'r'));
        // The board describes the last landing.
        QAccessibleInterface* plateau = QAccessible::queryAccessibleInterface(partie.plateau);
        QCOMPARE(plateau->text(QAccessible::Description), nomDeCase(6, 2, 'r'));
    }

    // The header under the cursor follows the mouse and the digit keys.
    void curseurNomme()
    {
        PartieEnCouleur partie;
        QVERIFY(partie.pret());
        QTest::mouseMove(partie.plateau->getLabel(2, 5));
        QTRY_COMPARE(partie.plateau->getColonneSelectionnee(), 5);
        QCOMPARE(nomsDesEnTetes(partie.plateau), enTetesAttendus(5, 1));
        QTest::keyClick(partie.plateau, Qt::Key_2);
        QCOMPARE(nomsDesEnTetes(partie.plateau), enTetesAttendus(2, 1));
        QTest::keyClick(partie.plateau, Qt::Key_Return);
        QCOMPARE(nomsDesEnTetes(partie.plateau), enTetesAttendus(0, 2));
        QCOMPARE(nomAccessible(partie.plateau->getLabel(6, 2)), nomDeCase(2, 1, 'r'));
    }

    void colonnePleine()
    {
        PartieEnCouleur partie;
        QVERIFY(partie.pret());
        const std::vector<int> pleine = {2, 2, 2, 2, 2, 2};
        jouerParAction(&partie.fenetre, pleine);
        const QStringList avant = nomsDesCases(partie.plateau);
        QCOMPARE(avant, nomsAttendus(apresCoups(pleine)));
        QCOMPARE(nomAccessible(partie.plateau->getLabel(1, 2)), nomDeCase(2, 6, 'j'));
        const QString situationAvant = texteSituation(&partie.fenetre);
        jouerParAction(&partie.fenetre, {2});
        QCOMPARE(nomsDesCases(partie.plateau), avant);
        QCOMPARE(texteSituation(&partie.fenetre), situationAvant);
        // Red is still to move; the cursor stands over the full column.
        QCOMPARE(nomsDesEnTetes(partie.plateau), enTetesAttendus(2, 1));
    }

    void victoire()
    {
        PartieEnCouleur partie;
        QVERIFY(partie.pret());
        jouerParAction(&partie.fenetre, kRougeGagne);
        QCOMPARE(partie.boites.boites.size(), 1);
        QCOMPARE(partie.boites.boites.first().texte, texteVainqueur("rouge"));
        const QString attendu = avecGagnants(apresCoups(kRougeGagne), {{2, 0}, {3, 0}, {4, 0}, {5, 0}});
        QCOMPARE(plateauVu(partie.plateau), attendu);
        QCOMPARE(nomsDesCases(partie.plateau), nomsAttendus(attendu));
        QCOMPARE(nombreDeGagnants(partie.plateau), 4);
        QCOMPARE(nomAccessible(partie.plateau->getLabel(3, 0)), nomDeCase(0, 4, 'R'));
        QCOMPARE(nomsDesEnTetes(partie.plateau), enTetesAttendus(0, 0));
        QAccessibleInterface* plateau = QAccessible::queryAccessibleInterface(partie.plateau);
        QCOMPARE(plateau->text(QAccessible::Description), nomDeCase(0, 4, 'R'));
        QCOMPARE(nomAccessible(situation(&partie.fenetre)), texteVainqueur("rouge"));
    }

    void victoireDuJauneParLeHaut()
    {
        PartieEnCouleur partie;
        QVERIFY(partie.pret());
        jouerParAction(&partie.fenetre, kPleinGagnant);
        QCOMPARE(partie.boites.boites.size(), 1);
        QCOMPARE(nombreDeGagnants(partie.plateau), 4);
        QCOMPARE(nomsDesCases(partie.plateau), nomsAttendus(plateauVu(partie.plateau)));
        for (int l = 1; l <= 4; ++l)
            QCOMPARE(nomAccessible(partie.plateau->getLabel(l, 1)), nomDeCase(1, 7 - l, 'J'));
    }

    void partieNulle()
    {
        PartieEnCouleur partie;
        QVERIFY(partie.pret());
        jouerParAction(&partie.fenetre, kPartieNulle);
        QCOMPARE(partie.boites.boites.size(), 1);
        QCOMPARE(partie.boites.boites.first().texte, kNulle);
        QCOMPARE(nomsDesCases(partie.plateau), nomsAttendus(apresCoups(kPartieNulle)));
        QCOMPARE(nombreDeGagnants(partie.plateau), 0);
        QCOMPARE(nomsDesEnTetes(partie.plateau), enTetesAttendus(0, 0));
        QCOMPARE(nomAccessible(situation(&partie.fenetre)), kNulle);
    }

    // After a red win yellow opens the new game, with an empty board.
    void nouvellePartie()
    {
        PartieEnCouleur partie;
        QVERIFY(partie.pret());
        jouerParAction(&partie.fenetre, kRougeGagne);
        QCOMPARE(partie.plateau->getGagnant(), 1);
        presser(bouton(&partie.fenetre, "Nouvelle Partie"));
        QTRY_COMPARE(nomsDesCases(partie.plateau), nomsAttendus(apresCoups({})));
        QCOMPARE(nomsDesEnTetes(partie.plateau), enTetesAttendus(0, 2));
        QCOMPARE(texteSituation(&partie.fenetre), texteTour("jaune"));
        QAccessibleInterface* plateau = QAccessible::queryAccessibleInterface(partie.plateau);
        QCOMPARE(plateau->text(QAccessible::Description), QString());
    }

    // The board is a table of 7 columns by 7 rows: the headers, then the
    // board rows from the top; its cells are the labels.
    void plateauEnTableau()
    {
        PartieEnCouleur partie;
        QVERIFY(partie.pret());
        jouerParAction(&partie.fenetre, {6});
        QAccessibleInterface* plateau = QAccessible::queryAccessibleInterface(partie.plateau);
        QCOMPARE(plateau->role(), QAccessible::Table);
        QAccessibleTableInterface* table = plateau->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 7);
        QCOMPARE(table->columnCount(), 7);
        QCOMPARE(plateau->childCount(), 49);
        QCOMPARE(table->rowDescription(0), QString());
        QCOMPARE(table->rowDescription(1), nomDeRangee(6));
        QCOMPARE(table->rowDescription(6), nomDeRangee(1));
        QCOMPARE(table->columnDescription(4), nomDeColonne(4));
        QCOMPARE(table->selectedCellCount(), 0);
        QVERIFY(!table->selectRow(2));
        QVERIFY(table->cellAt(7, 0) == nullptr);
        QVERIFY(table->cellAt(0, 7) == nullptr);
        QVERIFY(plateau->child(49) == nullptr);
        for (int l = 0; l < 7; ++l) {
            for (int c = 0; c < 7; ++c) {
                QAccessibleInterface* cellule = table->cellAt(l, c);
                QVERIFY(cellule);
                QCOMPARE(cellule->object(), static_cast<QObject*>(partie.plateau->getLabel(l, c)));
                QCOMPARE(plateau->child(l * 7 + c), cellule);
                QCOMPARE(plateau->indexOfChild(cellule), l * 7 + c);
                QCOMPARE(cellule->parent(), plateau);
                QCOMPARE(cellule->role(), QAccessible::Cell);
                QAccessibleTableCellInterface* position = cellule->tableCellInterface();
                QVERIFY(position);
                QCOMPARE(position->rowIndex(), l);
                QCOMPARE(position->columnIndex(), c);
                QCOMPARE(position->rowExtent(), 1);
                QCOMPARE(position->columnExtent(), 1);
                QCOMPARE(position->table(), plateau);
            }
        }
        QCOMPARE(table->cellAt(6, 6)->text(QAccessible::Name), nomDeCase(6, 1, 'r'));
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), nomDEnTete(0, 2));
    }

    void groupesDeLaFenetreDeJeu()
    {
        PartieEnCouleur partie;
        QVERIFY(partie.pret());
        const QStringList titres = {"Information", "Options", "Souris", "Difficulté", "Choix de la colonne",
                                    "Nouvelle partie", "Joueur rouge", "Joueur jaune", "Quitter la partie"};
        const QList<QGroupBox*> groupes = partie.fenetre.findChildren<QGroupBox*>();
        QCOMPARE(groupes.size(), titres.size());
        for (const QString& titre : titres) {
            QGroupBox* g = groupe(&partie.fenetre, titre);
            QVERIFY2(g, qPrintable(titre));
            QCOMPARE(nomAccessible(g), titre);
            QCOMPARE(QAccessible::queryAccessibleInterface(g)->role(), QAccessible::Grouping);
        }
        QCOMPARE(nomAccessible(situation(&partie.fenetre)), texteTour("rouge"));
    }

    void groupesDeLaFenetreDeDebut()
    {
        Fenetre fenetre(8, true, false, false);
        FenetreDebut debut(&fenetre);
        const QStringList titres = {"Options", "Souris", "Difficulté", "Joueur rouge", "Joueur jaune"};
        QCOMPARE(debut.findChildren<QGroupBox*>().size(), titres.size());
        for (const QString& titre : titres) {
            QGroupBox* g = groupe(&debut, titre);
            QVERIFY2(g, qPrintable(titre));
            QCOMPARE(nomAccessible(g), titre);
        }
    }

    // The column buttons read as their number, with their tooltip as the
    // description, and play through the Press action only once the event
    // loop runs, so the assistive technology's call returns at once.
    void boutonsDeColonne()
    {
        PartieEnCouleur partie;
        QVERIFY(partie.pret());
        for (int n = 0; n < 7; ++n) {
            QPushButton* b = bouton(&partie.fenetre, QString::number(n));
            QVERIFY(b);
            QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(b);
            QCOMPARE(interface->role(), QAccessible::Button);
            QCOMPARE(interface->text(QAccessible::Name), QString::number(n));
            QCOMPARE(interface->text(QAccessible::Description), QString("Jouer à la colonne %1").arg(n));
        }
        QPushButton* cinq = bouton(&partie.fenetre, "5");
        QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(cinq);
        interface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(nombreDeJetons(partie.plateau), 0);
        QVERIFY(!cinq->isDown());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(plateauVu(partie.plateau), apresCoups({5}));
        QCOMPARE(texteSituation(&partie.fenetre), texteColonne(5, "jaune"));
        QVERIFY(!cinq->isDown());
        // Any other action name does nothing.
        interface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(nombreDeJetons(partie.plateau), 1);
    }

    // Mouse play switched off leaves the buttons playing, as with the mouse.
    void boutonsSansSouris()
    {
        PartieEnCouleur partie(OptionsPartie{8, false, false, false});
        QVERIFY(partie.pret());
        jouerParAction(&partie.fenetre, {1, 1});
        QCOMPARE(plateauVu(partie.plateau), apresCoups({1, 1}));
        QCOMPARE(nomsDesCases(partie.plateau), nomsAttendus(apresCoups({1, 1})));
    }
};

QTEST_MAIN(EssaiNomsAccessibles)
#include "essai_noms_accessibles.moc"
