// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// With a screen reader at work (accessibility active, the buttons' and
// cells' interfaces built), the mouse and the keys act on the column buttons
// and on the board exactly as without one: a press of any button plays, a
// release plays nothing, a double click plays twice, a button never looks
// pressed, and a focused column button does not play on Space while Return
// still plays the cursor's column.

#include <QAccessible>
#include <QtTest>

#include <vector>

#include "accessibles_essai.h"
#include "fenetre.h"
#include "ordinateur.h"
#include "outils_essai.h"
#include "partie_essai.h"
#include "quartelo4.h"

using namespace essai;

class EssaiSourisInchangee : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setDureePause(2);
        QAccessible::setActive(true);
    }

    void boutonDeColonne()
    {
        PartieEnCouleur partie;
        QVERIFY(partie.pret());
        lireToutLeJeu(&partie.fenetre);
        QPushButton* trois = bouton(&partie.fenetre, "3");
        QVERIFY(trois);
        const QImage avant = trois->grab().toImage();

        // Each mouse button plays on its press and the button does not go down.
        QTest::mousePress(trois, Qt::LeftButton);
        QCOMPARE(grilleVue(partie.plateau), apresCoups({3}));
        QVERIFY(!trois->isDown());
        QCOMPARE(trois->grab().toImage(), avant);
        QTest::mouseRelease(trois, Qt::LeftButton);
        QCOMPARE(grilleVue(partie.plateau), apresCoups({3}));
        QTest::mousePress(trois, Qt::RightButton);
        QVERIFY(!trois->isDown());
        QTest::mouseRelease(trois, Qt::RightButton);
        QTest::mouseClick(trois, Qt::MiddleButton);
        QCOMPARE(grilleVue(partie.plateau), apresCoups({3, 3, 3}));
        QCOMPARE(texteSituation(&partie.fenetre), texteColonne(3, "jaune"));

        doubleClic(trois);
        QCOMPARE(plateauVu(partie.plateau), apresCoups({3, 3, 3, 3, 3}));
        QVERIFY(!trois->isDown());
        QCOMPARE(trois->grab().toImage(), avant);

        // A release alone plays nothing.
        QTest::mouseRelease(trois, Qt::LeftButton);
        QCOMPARE(plateauVu(partie.plateau), apresCoups({3, 3, 3, 3, 3}));
        QVERIFY(partie.boites.boites.isEmpty());
    }

    // A column button that holds the focus (right after a Tab press) takes
    // Space and Select for itself as any push button does: it goes down while
    // the key is held, and its own click places no token.
    void boutonAvecLeFocus()
    {
        FenetreOuverte partie;
        QVERIFY(partie.expose);
        lireToutLeJeu(&partie.fenetre);
        QPushButton* six = bouton(&partie.fenetre, "6");
        six->setFocus(Qt::TabFocusReason);
        QTest::keyPress(six, Qt::Key_Space);
        QVERIFY(six->isDown());
        QTest::keyRelease(six, Qt::Key_Space);
        QVERIFY(!six->isDown());
        QTest::keyClick(six, Qt::Key_Select);
        six->click();
        six->animateClick();
        QTest::qWait(250);
        QCOMPARE(nombreDeJetons(partie.plateau), 0);
        QCOMPARE(texteSituation(&partie.fenetre), texteTour("rouge"));

        // Return is not the button's: it goes on to the window, which plays
        // the column under the cursor (column 0), not the button's.
        six->setFocus(Qt::TabFocusReason);
        QTest::keyClick(six, Qt::Key_Return);
        QCOMPARE(grilleVue(partie.plateau), apresCoups({0}));
    }

    void caseDuPlateau()
    {
        PartieEnCouleur partie;
        QVERIFY(partie.pret());
        lireToutLeJeu(&partie.fenetre);
        Label* label = partie.plateau->getLabel(2, 4);
        QTest::mousePress(label, Qt::RightButton);
        QCOMPARE(plateauVu(partie.plateau), apresCoups({4}));
        QTest::mouseRelease(label, Qt::RightButton);
        QCOMPARE(plateauVu(partie.plateau), apresCoups({4}));
        doubleClic(partie.plateau->getLabel(0, 1));
        QCOMPARE(plateauVu(partie.plateau), apresCoups({4, 1, 1}));
        QCOMPARE(enTete(partie.plateau), enTeteAvecCurseur(0, 2));

        // Motion over any cell of a column puts the cursor above it.
        QTest::mouseMove(partie.plateau->getLabel(5, 6));
        QTRY_COMPARE(enTete(partie.plateau), enTeteAvecCurseur(6, 2));
    }
};

QTEST_MAIN(EssaiSourisInchangee)
#include "essai_souris_inchangee.moc"
