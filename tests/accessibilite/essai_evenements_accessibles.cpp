// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The accessibility events the game sends while it is played, so that a
// screen reader can announce the moves and the result. Qt hands events on
// only while an assistive technology listens, which takes a platform with an
// accessibility bridge: this test runs on X, inside session_atspi.sh.

#include <QAccessible>
#include <QtTest>

#include <vector>

#include "accessibles_essai.h"
#include "label.h"
#include "ordinateur.h"
#include "outils_essai.h"
#include "partie_essai.h"
#include "quartelo4.h"

using namespace essai;

namespace {

// Records the accessibility events the program sends.
// The object may be gone when the test reads the list (the end-of-game
// box is), so its class is noted at once.
struct Evenement {
    QAccessible::Event type;
    QObject* objet;
    QString classe;
};
std::vector<Evenement> evenements;

void enregistrer(QAccessibleEvent* evenement)
{
    QObject* objet = evenement->object();
    evenements.push_back({evenement->type(), objet, objet ? objet->metaObject()->className() : ""});
}

int nombreDEvenements(QAccessible::Event type, QObject* objet)
{
    int n = 0;
    for (const Evenement& e : evenements)
        n += e.type == type && e.objet == objet ? 1 : 0;
    return n;
}

} // namespace

class EssaiEvenementsAccessibles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setDureePause(2);
        QAccessible::installUpdateHandler(&enregistrer);
        // The bridge comes up once it has reached the accessibility bus.
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 20000);
    }

    void init() { evenements.clear(); }

    // One move: the landing cell, the fall's cells, the header row, the board
    // and the status line all tell the screen reader that they changed.
    void evenementsDUnCoup()
    {
        PartieEnCouleur partie;
        QVERIFY(partie.pret());
        QLabel* ligneDeSituation = situation(&partie.fenetre);
        QVERIFY(ligneDeSituation);
        evenements.clear();
        jouerParAction(&partie.fenetre, {4});
        Quartelo4* plateau = partie.plateau;
        // The token passed rows 6 to 2 (counted from the bottom) and stays in row 1.
        for (int l = 1; l <= 5; ++l)
            QCOMPARE(nombreDEvenements(QAccessible::NameChanged, plateau->getLabel(l, 4)), 2);
        QCOMPARE(nombreDEvenements(QAccessible::NameChanged, plateau->getLabel(6, 4)), 1);
        QCOMPARE(nombreDEvenements(QAccessible::NameChanged, plateau->getLabel(6, 3)), 0);
        // The cursor left column 0 for the fall and came back in yellow.
        QCOMPARE(nombreDEvenements(QAccessible::NameChanged, plateau->getLabel(0, 0)), 2);
        QCOMPARE(nombreDEvenements(QAccessible::NameChanged, plateau->getLabel(0, 4)), 0);
        QCOMPARE(nombreDEvenements(QAccessible::DescriptionChanged, plateau), 1);
        QVERIFY(nombreDEvenements(QAccessible::NameChanged, ligneDeSituation) >= 1);
        QCOMPARE(nomAccessible(ligneDeSituation), texteColonne(4, "jaune"));

        // A move that only moves the cursor sends only the header's changes.
        evenements.clear();
        QTest::keyClick(plateau, Qt::Key_3);
        QCOMPARE(nombreDEvenements(QAccessible::NameChanged, plateau->getLabel(0, 0)), 1);
        QCOMPARE(nombreDEvenements(QAccessible::NameChanged, plateau->getLabel(0, 3)), 1);
        int nomsChanges = 0;
        for (const Evenement& e : evenements)
            nomsChanges += e.type == QAccessible::NameChanged ? 1 : 0;
        QCOMPARE(nomsChanges, 2);
    }

    void evenementsDeLaFin()
    {
        PartieEnCouleur partie;
        QVERIFY(partie.pret());
        jouerParAction(&partie.fenetre, {0, 1, 0, 1, 0, 1});
        evenements.clear();
        jouerParAction(&partie.fenetre, {0});
        for (int l = 3; l <= 6; ++l)
            QVERIFY(nombreDEvenements(QAccessible::NameChanged, partie.plateau->getLabel(l, 0)) >= 1);
        QVERIFY(nombreDEvenements(QAccessible::NameChanged, situation(&partie.fenetre)) >= 1);
        // The end-of-game box is read as the alert it is.
        bool alerte = false;
        for (const Evenement& e : evenements)
            alerte = alerte || (e.type == QAccessible::Alert && e.classe == "QMessageBox");
        QVERIFY(alerte);
    }

};

QTEST_MAIN(EssaiEvenementsAccessibles)
#include "essai_evenements_accessibles.moc"
