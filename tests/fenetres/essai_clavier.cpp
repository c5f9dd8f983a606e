// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Keyboard play of the game window: every key of its table, in play and once
// the game is over, typed to the widget that has the focus.

#include <QtTest>

#include <cstdlib>
#include <set>

#include "fenetre.h"
#include "ordinateur.h"
#include "outils_essai.h"
#include "partie_essai.h"
#include "parties_essai.h"
#include "quartelo4.h"

using namespace essai;

namespace {

// The widget that receives the keys: the game window's focus widget.
QWidget* cible(Fenetre& fenetre)
{
    QWidget* focus = fenetre.focusWidget();
    return focus ? focus : &fenetre;
}

void touche(Fenetre& fenetre, Qt::Key cle, Qt::KeyboardModifiers modificateurs = Qt::NoModifier)
{
    QTest::keyClick(cible(fenetre), cle, modificateurs);
}

void touche(Fenetre& fenetre, char caractere)
{
    QTest::keyClick(cible(fenetre), caractere);
}

// Plays a list of columns with the digit keys and Return.
void jouerAuClavier(Fenetre& fenetre, const std::vector<int>& coups)
{
    for (int colonne : coups) {
        touche(fenetre, Qt::Key(Qt::Key_0 + colonne));
        touche(fenetre, Qt::Key_Return);
    }
}

}  // namespace

class EssaiClavier : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setDureePause(2); }

    void lePlateauALeFocus();
    void flechesAuxBords();
    void chiffres();
    void touchesSansEffet();
    void majusculeEtFleche();
    void touchesDeJeu_data();
    void touchesDeJeu();
    void colonnePleineAuClavier();
    void apresLaFin_data();
    void apresLaFin();
    void deplacementsApresLaFin();
    void sourisDesactiveeClavierActif();
    void tabulationAuHasard();
    void echapPendantLaPartie();
    void echapApresLaFin();
};

// After each operation of the window the board has the focus, so typed keys
// reach the window's handlers through it.
void EssaiClavier::lePlateauALeFocus()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Fenetre& fenetre = partie.fenetre;
    Quartelo4* plateau = partie.plateau;
    QVERIFY(fenetre.focusWidget() == plateau);
    QTest::mouseClick(bouton(&fenetre, "3"), Qt::LeftButton);
    QVERIFY(fenetre.focusWidget() == plateau);
    cocher(caseSouris(&fenetre));
    QVERIFY(fenetre.focusWidget() == plateau);
    cocher(caseSouris(&fenetre));
    QVERIFY(fenetre.focusWidget() == plateau);
    choisirDansListe(listeDifficulte(&fenetre), "Moyen");
    QVERIFY(fenetre.focusWidget() == plateau);
    QTest::mouseClick(bouton(&fenetre, "Nouvelle Partie"), Qt::LeftButton);
    QVERIFY(fenetre.focusWidget() == plateau);
    touche(fenetre, Qt::Key_5);
    QVERIFY(fenetre.focusWidget() == plateau);
    QCOMPARE(enTete(plateau), QString("01234x6"));
}

void EssaiClavier::flechesAuxBords()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Fenetre& fenetre = partie.fenetre;
    Quartelo4* plateau = partie.plateau;
    touche(fenetre, Qt::Key_Left);
    QCOMPARE(plateau->getColonneSelectionnee(), 0);
    QCOMPARE(enTete(plateau), QString("x123456"));
    for (int c = 1; c <= 6; ++c) {
        touche(fenetre, Qt::Key_Right);
        QCOMPARE(plateau->getColonneSelectionnee(), c);
        QCOMPARE(enTete(plateau), enTeteAvecCurseur(c, 1));
    }
    touche(fenetre, Qt::Key_Right);
    QCOMPARE(plateau->getColonneSelectionnee(), 6);
    QCOMPARE(enTete(plateau), QString("012345x"));
    for (int c = 5; c >= 0; --c) {
        touche(fenetre, Qt::Key_Left);
        QCOMPARE(enTete(plateau), enTeteAvecCurseur(c, 1));
    }
    touche(fenetre, Qt::Key_Left);
    QCOMPARE(enTete(plateau), QString("x123456"));
    QCOMPARE(nombreDeJetons(plateau), 0);
}

void EssaiClavier::chiffres()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Fenetre& fenetre = partie.fenetre;
    Quartelo4* plateau = partie.plateau;
    for (int c : {4, 0, 6, 2, 5, 1, 3}) {
        touche(fenetre, Qt::Key(Qt::Key_0 + c));
        QCOMPARE(plateau->getColonneSelectionnee(), c);
        QCOMPARE(enTete(plateau), enTeteAvecCurseur(c, 1));
    }
    // The keypad's digits carry the same codes.
    touche(fenetre, Qt::Key_5, Qt::KeypadModifier);
    QCOMPARE(enTete(plateau), QString("01234x6"));
    QCOMPARE(nombreDeJetons(plateau), 0);
}

// 7, 8, 9, Up, letters and other keys change nothing.
void EssaiClavier::touchesSansEffet()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Fenetre& fenetre = partie.fenetre;
    Quartelo4* plateau = partie.plateau;
    jouerAuClavier(fenetre, {3});
    touche(fenetre, Qt::Key_2);
    const QString situationAvant = texteSituation(&fenetre);
    for (Qt::Key cle : {Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_Up, Qt::Key_A, Qt::Key_Q, Qt::Key_Z, Qt::Key_Home,
                        Qt::Key_End, Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_F1, Qt::Key_Minus}) {
        touche(fenetre, cle);
        QCOMPARE(enTete(plateau), QString("01y3456"));
        QCOMPARE(plateau->getColonneSelectionnee(), 2);
        QCOMPARE(grilleVue(plateau), apresCoups({3}));
        QCOMPARE(texteSituation(&fenetre), situationAvant);
        QVERIFY(fenetre.focusWidget() == plateau);
    }
    for (char lettre : {'a', 'x', 'j', 'r'}) {
        touche(fenetre, lettre);
        QCOMPARE(enTete(plateau), QString("01y3456"));
        QCOMPARE(grilleVue(plateau), apresCoups({3}));
    }
}

void EssaiClavier::majusculeEtFleche()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Fenetre& fenetre = partie.fenetre;
    Quartelo4* plateau = partie.plateau;
    touche(fenetre, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(enTete(plateau), QString("0x23456"));
    touche(fenetre, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(enTete(plateau), QString("01x3456"));
    touche(fenetre, Qt::Key_Left, Qt::ShiftModifier | Qt::AltModifier);
    QCOMPARE(enTete(plateau), QString("0x23456"));
    touche(fenetre, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(grilleVue(plateau), apresCoups({1}));
}

void EssaiClavier::touchesDeJeu_data()
{
    QTest::addColumn<int>("cle");
    QTest::addColumn<int>("modificateurs");
    QTest::newRow("Entree") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Entree du pave") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Bas") << int(Qt::Key_Down) << int(Qt::NoModifier);
    QTest::newRow("Espace") << int(Qt::Key_Space) << int(Qt::NoModifier);
}

// Two people, empty board: 4 then the key drops a red token into column 4,
// the cursor goes back to column 0, and the same key then plays column 0.
void EssaiClavier::touchesDeJeu()
{
    QFETCH(int, cle);
    QFETCH(int, modificateurs);
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Fenetre& fenetre = partie.fenetre;
    Quartelo4* plateau = partie.plateau;
    const auto jouer = [&] { touche(fenetre, Qt::Key(cle), Qt::KeyboardModifiers(modificateurs)); };

    touche(fenetre, Qt::Key_4);
    jouer();
    QCOMPARE(plateauVu(plateau), apresCoups({4}));
    QCOMPARE(texteSituation(&fenetre), texteColonne(4, "jaune"));
    QCOMPARE(enTete(plateau), QString("y123456"));
    QCOMPARE(plateau->getColonneSelectionnee(), 0);
    jouer();
    QCOMPARE(plateauVu(plateau), apresCoups({4, 0}));
    QCOMPARE(texteSituation(&fenetre), texteColonne(0, "rouge"));
    touche(fenetre, Qt::Key_Right);
    touche(fenetre, Qt::Key_Right);
    jouer();
    QCOMPARE(plateauVu(plateau), apresCoups({4, 0, 2}));
    QVERIFY(fenetre.focusWidget() == plateau);
}

void EssaiClavier::colonnePleineAuClavier()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Fenetre& fenetre = partie.fenetre;
    Quartelo4* plateau = partie.plateau;
    jouerAuClavier(fenetre, {6, 6, 6, 6, 6, 6});
    const QString avant = texteSituation(&fenetre);
    touche(fenetre, Qt::Key_6);
    touche(fenetre, Qt::Key_Space);
    QCOMPARE(grilleVue(plateau), apresCoups({6, 6, 6, 6, 6, 6}));
    QCOMPARE(texteSituation(&fenetre), avant);
    QCOMPARE(enTete(plateau), QString("012345x"));
    QCOMPARE(plateau->getJoueurCourant(), 1);
}

void EssaiClavier::apresLaFin_data()
{
    touchesDeJeu_data();
}

// Once the game is over, each play key starts a new game.
void EssaiClavier::apresLaFin()
{
    QFETCH(int, cle);
    QFETCH(int, modificateurs);
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Fenetre& fenetre = partie.fenetre;
    Quartelo4* plateau = partie.plateau;
    jouerAuClavier(fenetre, kRougeGagne);
    QVERIFY(plateau->estTerminee());
    QCOMPARE(partie.boites.boites.size(), 1);
    QCOMPARE(texteSituation(&fenetre), texteVainqueur("rouge"));

    touche(fenetre, Qt::Key(cle), Qt::KeyboardModifiers(modificateurs));
    QVERIFY(!plateau->estTerminee());
    QCOMPARE(nombreDeJetons(plateau), 0);
    QCOMPARE(plateauVu(plateau), apresCoups({}));
    QCOMPARE(texteSituation(&fenetre), texteTour("jaune"));
    QCOMPARE(enTete(plateau), QString("y123456"));
    QVERIFY(fenetre.focusWidget() == plateau);

    // In play again, the same key plays the selected column, for yellow.
    touche(fenetre, Qt::Key(cle), Qt::KeyboardModifiers(modificateurs));
    QCOMPARE(plateauVu(plateau), apresCoups({0}, 2));
    QCOMPARE(texteSituation(&fenetre), texteColonne(0, "rouge"));
}

// Once the game is over, Left, Right and the digits change nothing.
void EssaiClavier::deplacementsApresLaFin()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Fenetre& fenetre = partie.fenetre;
    Quartelo4* plateau = partie.plateau;
    jouerAuClavier(fenetre, kPartieNulle);
    QVERIFY(plateau->estTerminee());
    QCOMPARE(texteSituation(&fenetre), kNulle);
    const int selection = plateau->getColonneSelectionnee();
    for (Qt::Key cle : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_3, Qt::Key_6, Qt::Key_0, Qt::Key_Up}) {
        touche(fenetre, cle);
        QCOMPARE(enTete(plateau), QString("0123456"));
        QCOMPARE(plateau->getColonneSelectionnee(), selection);
        QCOMPARE(grilleVue(plateau), apresCoups(kPartieNulle));
        QCOMPARE(texteSituation(&fenetre), kNulle);
    }
    // Return after a draw: red opens.
    touche(fenetre, Qt::Key_Return);
    QCOMPARE(texteSituation(&fenetre), texteTour("rouge"));
    QCOMPARE(enTete(plateau), QString("x123456"));
    QCOMPARE(partie.boites.boites.size(), 1);
}

void EssaiClavier::sourisDesactiveeClavierActif()
{
    PartieEnCouleur partie({8, false});
    QVERIFY(partie.pret());
    Fenetre& fenetre = partie.fenetre;
    Quartelo4* plateau = partie.plateau;
    QVERIFY(!plateau->estSourisActive());
    cliquerCase(plateau, 3);
    QCOMPARE(nombreDeJetons(plateau), 0);
    touche(fenetre, Qt::Key_Right);
    touche(fenetre, Qt::Key_Right);
    QCOMPARE(enTete(plateau), QString("01x3456"));
    touche(fenetre, Qt::Key_Down);
    QCOMPARE(plateauVu(plateau), apresCoups({2}));
    jouerAuClavier(fenetre, {3, 2, 3, 2, 3, 2});  // red lines up column 2
    QVERIFY(plateau->estTerminee());
    // Over, with the mouse off: a click does nothing, a key starts a new game.
    cliquerCase(plateau, 1);
    QVERIFY(plateau->estTerminee());
    touche(fenetre, Qt::Key_Space);
    QVERIFY(!plateau->estTerminee());
    QCOMPARE(nombreDeJetons(plateau), 0);
}

// Releasing Tab puts the cursor on a column drawn at random, 0 to 6, and
// gives the focus back to the board. The press itself moves the focus along
// the window's widgets first, as the toolkit does.
void EssaiClavier::tabulationAuHasard()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Fenetre& fenetre = partie.fenetre;
    Quartelo4* plateau = partie.plateau;
    fenetre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fenetre));
    QVERIFY(QApplication::focusWidget() == plateau);

    std::srand(20240607);
    // The columns that a release moved the cursor to (away from where it was).
    std::set<int> atteintes;
    int immobile = 0;
    bool focusAilleurs = false;
    for (int i = 0; i < 210; ++i) {
        // The cursor is put first on a column that changes from one release to the next.
        const int depart = i % 7;
        touche(fenetre, Qt::Key(Qt::Key_0 + depart));
        QCOMPARE(plateau->getColonneSelectionnee(), depart);
        const Qt::Key cle = i % 3 == 0 ? Qt::Key_Backtab : Qt::Key_Tab;
        const Qt::KeyboardModifiers mods = cle == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::keyPress(QApplication::focusWidget(), cle, mods);
        focusAilleurs = focusAilleurs || QApplication::focusWidget() != plateau;
        QTest::keyRelease(QApplication::focusWidget(), cle, mods);
        QVERIFY(QApplication::focusWidget() == plateau);
        const int colonne = plateau->getColonneSelectionnee();
        QVERIFY(colonne >= 0 && colonne <= 6);
        QCOMPARE(enTete(plateau), enTeteAvecCurseur(colonne, 1));
        if (colonne != depart)
            atteintes.insert(colonne);
        else
            ++immobile;
    }
    // The press moved the focus away; the release brought it back.
    QVERIFY(focusAilleurs);
    // Every column, 0 included, was drawn; a draw equal to where the cursor
    // stood happens about one time in seven, not more.
    QCOMPARE(atteintes.size(), size_t(7));
    QVERIFY2(immobile < 60, qPrintable(QString::number(immobile)));
    QCOMPARE(nombreDeJetons(plateau), 0);

    // The column drawn is then the one that Return plays.
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab);
    const int tiree = plateau->getColonneSelectionnee();
    touche(fenetre, Qt::Key_Return);
    QCOMPARE(grilleVue(plateau), apresCoups({tiree}));

    // Over: the release still changes the selection, but no cursor is shown.
    const int autre = tiree == 0 ? 2 : 0;
    jouerAuClavier(fenetre, {1, autre, 1, autre, 1, autre, 1});  // yellow lines up column 1
    QVERIFY(plateau->estTerminee());
    // The end box has been closed: the game window is active again.
    fenetre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fenetre));
    QTRY_VERIFY(QApplication::focusWidget() == plateau);
    std::set<int> apres;
    for (int i = 0; i < 60; ++i) {
        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() == plateau);
        QCOMPARE(enTete(plateau), QString("0123456"));
        apres.insert(plateau->getColonneSelectionnee());
    }
    QVERIFY(apres.size() > 1);
    QVERIFY(plateau->estTerminee());
}

// Escape ends the event loop at once, and nothing else happens.
void EssaiClavier::echapPendantLaPartie()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Fenetre& fenetre = partie.fenetre;
    Quartelo4* plateau = partie.plateau;
    jouerAuClavier(fenetre, {3, 4});
    touche(fenetre, Qt::Key_5);
    const FinDeBoucle fin = executerBoucle([&] { touche(fenetre, Qt::Key_Escape); });
    QVERIFY(fin.actionFaite);
    QVERIFY(!fin.garde);
    QVERIFY(fin.aboutToQuit);
    QCOMPARE(fin.resultat, 0);
    QCOMPARE(grilleVue(plateau), apresCoups({3, 4}));
    QCOMPARE(enTete(plateau), QString("01234x6"));
    QCOMPARE(texteSituation(&fenetre), texteColonne(4, "rouge"));
    QVERIFY(partie.boites.boites.isEmpty());
}

void EssaiClavier::echapApresLaFin()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Fenetre& fenetre = partie.fenetre;
    Quartelo4* plateau = partie.plateau;
    jouerAuClavier(fenetre, kJauneGagne);
    QVERIFY(plateau->estTerminee());
    const FinDeBoucle fin = executerBoucle([&] { touche(fenetre, Qt::Key_Escape); });
    QVERIFY(fin.actionFaite);
    QVERIFY(!fin.garde);
    QCOMPARE(fin.resultat, 0);
    // No new game was started.
    QVERIFY(plateau->estTerminee());
    QCOMPARE(grilleVue(plateau), apresCoups(kJauneGagne));
    QCOMPARE(texteSituation(&fenetre), texteVainqueur("jaune"));
}

QTEST_MAIN(EssaiClavier)
#include "essai_clavier.moc"
