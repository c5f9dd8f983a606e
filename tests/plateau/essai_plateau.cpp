// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The board widget: its cells, the fall of a token, turns, the cursor and the
// mouse, driven through the real game window.

#include <QGridLayout>
#include <QSignalSpy>
#include <QtTest>

#include <climits>

#include "fenetre.h"
#include "label.h"
#include "ordinateur.h"
#include "outils_essai.h"
#include "partie_essai.h"
#include "quartelo4.h"

using namespace essai;

namespace {

// Records, at every painting of the cells of one column, what the header row
// and that column show, so that the steps of a fall can be read back.
class EnregistreurDeChute : public QObject {
public:
    EnregistreurDeChute(Quartelo4* plateauSuivi, int colonneSuivie) : plateau(plateauSuivi), colonne(colonneSuivie)
    {
        for (int r = 1; r <= 6; ++r)
            plateau->getLabel(r, colonne)->installEventFilter(this);
    }

    // Distinct successive states, as "header|column top to bottom".
    QStringList etapes;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Paint) {
            QString colonneVue;
            for (int r = 1; r <= 6; ++r)
                colonneVue += QChar(codeLabel(plateau->getLabel(r, colonne)));
            const QString etat = enTete(plateau) + '|' + colonneVue;
            if (etapes.isEmpty() || etapes.last() != etat)
                etapes << etat;
        }
        return QObject::eventFilter(objet, evenement);
    }

private:
    Quartelo4* plateau;
    int colonne;
};

QString colonneAvec(char code, int ligne)
{
    QString texte(6, '.');
    texte[ligne] = QChar(code);
    return texte;
}

}  // namespace

class EssaiPlateau : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setDureePause(1); }

    void etatInitialDuPlateau();
    void plateauSeulEtSesCases();
    void chuteDansUneColonneVide();
    void chuteSurCinqJetons();
    void colonnePleineRefusee();
    void tourEtCurseurApresChaqueCoup();
    void pasDeCurseurApresUnCoupFinal();
    void selectionHorsLimites();
    void survolDeplaceLeCurseur();
    void sourisDesactivee();
    void jouerColonneHorsLimites();
    void doubleClicSurUneCase();
    void clicApresLaFinLanceUneNouvellePartie();
    void changementDOrdinateurPendantLeTour();
    void imagesDuDossierDuJeu();
};

void EssaiPlateau::etatInitialDuPlateau()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;

    QCOMPARE(enTete(plateau), QString("x123456"));
    QCOMPARE(plateauVu(plateau), apresCoups({}));
    QCOMPARE(grilleVue(plateau), apresCoups({}));
    QCOMPARE(plateau->getJoueurCourant(), 1);
    QCOMPARE(plateau->getGagnant(), 0);
    QCOMPARE(plateau->getColonneSelectionnee(), 0);
    QVERIFY(!plateau->estTerminee());
    QCOMPARE(plateau->getCouleurJoueurCourant(), QString("rouge"));
    QVERIFY(plateau->getCouleurGagnant().isNull());
    QVERIFY(plateau->estSourisActive());
    QCOMPARE(plateau->getProfondeur(), 8);
    QVERIFY(!plateau->estRougeOrdinateur());
    QVERIFY(!plateau->estJauneOrdinateur());
    QCOMPARE(plateau->findChildren<Label*>().size(), 49);
    QCOMPARE(plateau->metaObject()->className(), "Quartelo4");
}

// A board on its own (no window): its starting size, its zero spacing, and
// the signals of every cell.
void EssaiPlateau::plateauSeulEtSesCases()
{
    ImagesDeCouleur images;
    QVERIFY(images.pret());
    Quartelo4 plateau(nullptr, false, false);
    // Without a window the board must not call back: the mouse is switched off.
    plateau.setSourisActive(false);
    QCOMPARE(plateau.size(), QSize(630, 630));
    auto* grille = qobject_cast<QGridLayout*>(plateau.layout());
    QVERIFY(grille);
    QCOMPARE(grille->horizontalSpacing(), 0);
    QCOMPARE(grille->verticalSpacing(), 0);
    QCOMPARE(grille->count(), 49);
    QCOMPARE(enTete(&plateau), QString("x123456"));

    for (int r = 0; r <= 6; ++r)
        for (int c = 0; c < 7; ++c) {
            Label* label = plateau.getLabel(r, c);
            QVERIFY(label);
            QCOMPARE(label->parentWidget(), &plateau);
            QVERIFY(label->hasMouseTracking());
            QCOMPARE(label->metaObject()->className(), "Label");
            int ligneGrille = -1, colonneGrille = -1, l1 = 0, l2 = 0;
            grille->getItemPosition(grille->indexOf(label), &ligneGrille, &colonneGrille, &l1, &l2);
            QCOMPARE(ligneGrille, r);
            QCOMPARE(colonneGrille, c);

            QSignalSpy clics(label, &Label::clicked);
            QSignalSpy mouvements(label, &Label::moved);
            QTest::mousePress(label, Qt::LeftButton);
            QTest::mouseRelease(label, Qt::LeftButton);
            QTest::mousePress(label, Qt::RightButton);
            QTest::mouseRelease(label, Qt::RightButton);
            QMouseEvent mouvement(QEvent::MouseMove, QPointF(2, 2), label->mapToGlobal(QPointF(2, 2)),
                                  Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(label, &mouvement);
            QCOMPARE(clics.size(), 2);
            QCOMPARE(clics.at(0).at(0).toInt(), c);
            QCOMPARE(clics.at(1).at(0).toInt(), c);
            QCOMPARE(mouvements.size(), 1);
            QCOMPARE(mouvements.at(0).at(0).toInt(), c);

            // A double click reaches the press handler a second time.
            clics.clear();
            doubleClic(label);
            QCOMPARE(clics.size(), 2);
        }
    // The mouse being off, nothing moved on the board.
    QCOMPARE(enTete(&plateau), QString("x123456"));
    QCOMPARE(plateauVu(&plateau), apresCoups({}));
}

void EssaiPlateau::chuteDansUneColonneVide()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;
    QCoreApplication::processEvents();

    EnregistreurDeChute chute(plateau, 3);
    cliquerCase(plateau, 3, 6);
    const QStringList attendu = {
        "0123456|" + colonneAvec('r', 0), "0123456|" + colonneAvec('r', 1),
        "0123456|" + colonneAvec('r', 2), "0123456|" + colonneAvec('r', 3),
        "0123456|" + colonneAvec('r', 4), "0123456|" + colonneAvec('r', 5),
    };
    QCOMPARE(chute.etapes, attendu);

    // Landed in row 5; the cells it passed through are empty again.
    QCOMPARE(plateauVu(plateau), apresCoups({3}));
    QCOMPARE(codeLabel(plateau->getLabel(6, 3)), 'r');
    QCOMPARE(codeLabel(plateau->getLabel(5, 3)), '.');
    QCOMPARE(grilleVue(plateau), apresCoups({3}));
    QCOMPARE(enTete(plateau), QString("y123456"));
}

void EssaiPlateau::chuteSurCinqJetons()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;
    jouerAuClic(plateau, {3, 3, 3, 3, 3});
    QCOMPARE(plateau->getJoueurCourant(), 2);
    QCoreApplication::processEvents();

    EnregistreurDeChute chute(plateau, 3);
    cliquerCase(plateau, 3, 6);
    // Row 0 is the lowest empty cell: drawn once, with the five tokens below untouched.
    QCOMPARE(chute.etapes, QStringList{"0123456|jrjrjr"});
    QCOMPARE(plateauVu(plateau), apresCoups({3, 3, 3, 3, 3, 3}));
    QCOMPARE(codeLabel(plateau->getLabel(1, 3)), 'j');
    // Above the landing cell, the header of column 3 shows its own picture.
    QCOMPARE(codeLabel(plateau->getLabel(0, 3)), '3');
    QCOMPARE(enTete(plateau), QString("x123456"));
    QCOMPARE(grilleVue(plateau), apresCoups({3, 3, 3, 3, 3, 3}));
    QCOMPARE(plateau->getJoueurCourant(), 1);
}

void EssaiPlateau::colonnePleineRefusee()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;
    const std::vector<int> coups = {2, 2, 2, 2, 2, 2};
    jouerAuClic(plateau, coups);
    const QString situationAvant = texteSituation(&partie.fenetre);
    QCOMPARE(situationAvant, texteColonne(2, "rouge"));

    // Red clicks the full column.
    cliquerCase(plateau, 2, 4);
    QCOMPARE(enTete(plateau), QString("01x3456"));
    QCOMPARE(plateau->getColonneSelectionnee(), 2);
    QCOMPARE(plateauVu(plateau), apresCoups(coups));
    QCOMPARE(grilleVue(plateau), apresCoups(coups));
    QCOMPARE(plateau->getJoueurCourant(), 1);
    QCOMPARE(texteSituation(&partie.fenetre), situationAvant);
    QVERIFY(!plateau->jouerColonne(2));
    QCOMPARE(plateauVu(plateau), apresCoups(coups));

    // Red plays elsewhere; yellow clicks the full column: the yellow cursor shows.
    cliquerCase(plateau, 5);
    const QString situationJaune = texteSituation(&partie.fenetre);
    QCOMPARE(situationJaune, texteColonne(5, "jaune"));
    cliquerCase(plateau, 2, 1);
    QCOMPARE(enTete(plateau), QString("01y3456"));
    QCOMPARE(plateau->getColonneSelectionnee(), 2);
    QCOMPARE(plateauVu(plateau), apresCoups({2, 2, 2, 2, 2, 2, 5}));
    QCOMPARE(plateau->getJoueurCourant(), 2);
    QCOMPARE(texteSituation(&partie.fenetre), situationJaune);
    QVERIFY(partie.boites.boites.isEmpty());
}

void EssaiPlateau::tourEtCurseurApresChaqueCoup()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;
    const std::vector<int> coups = {3, 6, 5, 1, 4, 4, 0, 2, 6, 5, 0, 1};
    std::vector<int> joues;
    int pas = 0;
    for (int colonne : coups) {
        const int joueur = plateau->getJoueurCourant();
        // The person points at the column (never twice at the same spot, or
        // there would be no motion), then clicks it.
        QTest::mouseMove(plateau->getLabel(2, colonne), QPoint(4 + pas++ % 9, 6));
        QCOMPARE(enTete(plateau), enTeteAvecCurseur(colonne, joueur));
        cliquerCase(plateau, colonne, 2);
        joues.push_back(colonne);
        const int suivant = 3 - joueur;
        QCOMPARE(plateau->getJoueurCourant(), suivant);
        QCOMPARE(plateau->getCouleurJoueurCourant(), QString(suivant == 1 ? "rouge" : "jaune"));
        QCOMPARE(plateau->getColonneSelectionnee(), 0);
        QCOMPARE(enTete(plateau), enTeteAvecCurseur(0, suivant));
        QCOMPARE(plateauVu(plateau), apresCoups(joues));
        QCOMPARE(grilleVue(plateau), apresCoups(joues));
        QCOMPARE(texteSituation(&partie.fenetre), texteColonne(colonne, suivant == 1 ? "rouge" : "jaune"));
    }
    QVERIFY(partie.boites.boites.isEmpty());
}

void EssaiPlateau::pasDeCurseurApresUnCoupFinal()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;
    jouerAuClic(plateau, {0, 1, 0, 1, 0, 1});
    QTest::mouseMove(plateau->getLabel(4, 0));
    QCOMPARE(enTete(plateau), QString("x123456"));
    cliquerCase(plateau, 0, 4);
    QCOMPARE(partie.boites.boites.size(), 1);
    QCOMPARE(partie.boites.boites[0].enTetePendant, QString("0123456"));
    QCOMPARE(enTete(plateau), QString("0123456"));
    // Pointing at the board after the end neither shows a cursor nor moves the selection.
    QCOMPARE(plateau->getColonneSelectionnee(), 0);
    QTest::mouseMove(plateau->getLabel(0, 4));
    QCOMPARE(plateau->getColonneSelectionnee(), 0);
    QTest::mouseMove(plateau->getLabel(3, 5));
    QCOMPARE(plateau->getColonneSelectionnee(), 0);
    QCOMPARE(enTete(plateau), QString("0123456"));
    QCOMPARE(plateau->getJoueurCourant(), 0);
}

void EssaiPlateau::selectionHorsLimites()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;
    plateau->selectionnerColonne(3);
    QCOMPARE(enTete(plateau), QString("012x456"));
    QCOMPARE(plateau->getColonneSelectionnee(), 3);
    for (int colonne : {-1, 7, 8, -7, INT_MIN, INT_MAX}) {
        plateau->selectionnerColonne(colonne);
        QCOMPARE(plateau->getColonneSelectionnee(), 3);
        QCOMPARE(enTete(plateau), QString("012x456"));
        QCOMPARE(plateauVu(plateau), apresCoups({}));
    }
    plateau->selectionnerColonne(6);
    QCOMPARE(enTete(plateau), QString("012345x"));
    plateau->selectionnerColonne(0);
    QCOMPARE(enTete(plateau), QString("x123456"));
}

void EssaiPlateau::survolDeplaceLeCurseur()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;
    const QList<QPair<int, int>> cases = {{3, 4}, {6, 6}, {1, 0}, {5, 2}, {0, 5}, {0, 1}, {4, 3}};
    for (auto [ligne, colonne] : cases) {
        QTest::mouseMove(plateau->getLabel(ligne, colonne));
        QCOMPARE(plateau->getColonneSelectionnee(), colonne);
        QCOMPARE(enTete(plateau), enTeteAvecCurseur(colonne, 1));
    }
    // Yellow to move: the cursor is yellow.
    cliquerCase(plateau, 3, 4);
    QTest::mouseMove(plateau->getLabel(0, 6));
    QCOMPARE(enTete(plateau), QString("012345y"));
    QTest::mouseMove(plateau->getLabel(6, 2));
    QCOMPARE(enTete(plateau), QString("01y3456"));
    QCOMPARE(plateauVu(plateau), apresCoups({3}));
}

void EssaiPlateau::sourisDesactivee()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Fenetre& fenetre = partie.fenetre;
    Quartelo4* plateau = partie.plateau;
    QCheckBox* souris = caseSouris(&fenetre);
    QVERIFY(souris);
    QTest::mouseClick(souris, Qt::LeftButton);
    QVERIFY(!souris->isChecked());
    QVERIFY(!plateau->estSourisActive());

    const QString situationAvant = texteSituation(&fenetre);
    for (int c = 0; c < 7; ++c) {
        QTest::mouseMove(plateau->getLabel(2, c));
        cliquerCase(plateau, c, 1 + c % 6);
        cliquerCase(plateau, c, 0);
    }
    doubleClic(plateau->getLabel(3, 4));
    QCOMPARE(enTete(plateau), QString("x123456"));
    QCOMPARE(plateau->getColonneSelectionnee(), 0);
    QCOMPARE(plateauVu(plateau), apresCoups({}));
    QCOMPARE(texteSituation(&fenetre), situationAvant);

    // The column buttons and the keys still play.
    QPushButton* quatre = bouton(&fenetre, "4");
    QVERIFY(quatre);
    QTest::mouseClick(quatre, Qt::LeftButton);
    QCOMPARE(plateauVu(plateau), apresCoups({4}));
    QCOMPARE(texteSituation(&fenetre), texteColonne(4, "jaune"));
    QVERIFY(fenetre.focusWidget() == plateau);
    QTest::keyClick(plateau, Qt::Key_2);
    QTest::keyClick(plateau, Qt::Key_Return);
    QCOMPARE(plateauVu(plateau), apresCoups({4, 2}));
    QCOMPARE(texteSituation(&fenetre), texteColonne(2, "rouge"));

    // Mouse play back on: a click plays again.
    QTest::mouseClick(souris, Qt::LeftButton);
    QVERIFY(souris->isChecked());
    QVERIFY(plateau->estSourisActive());
    cliquerCase(plateau, 6);
    QCOMPARE(plateauVu(plateau), apresCoups({4, 2, 6}));
}

void EssaiPlateau::jouerColonneHorsLimites()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;
    jouerAuClic(plateau, {3, 4, 3});
    plateau->selectionnerColonne(5);
    const QString vu = plateauVu(plateau), grille = grilleVue(plateau), entete = enTete(plateau);
    const QString situationAvant = texteSituation(&partie.fenetre);
    QCOMPARE(entete, QString("01234y6"));
    for (int colonne : {7, 8, 42, INT_MAX, -1, -2, INT_MIN}) {
        QVERIFY2(!plateau->jouerColonne(colonne), qPrintable(QString::number(colonne)));
        QCOMPARE(plateauVu(plateau), vu);
        QCOMPARE(grilleVue(plateau), grille);
        QCOMPARE(enTete(plateau), entete);
        QCOMPARE(plateau->getColonneSelectionnee(), 5);
        QCOMPARE(plateau->getJoueurCourant(), 2);
        QCOMPARE(texteSituation(&partie.fenetre), situationAvant);
    }
    // And through the game window's own entry.
    QVERIFY(!partie.fenetre.jouer(7));
    QVERIFY(!partie.fenetre.jouer(-1));
    QCOMPARE(grilleVue(plateau), grille);
    QCOMPARE(texteSituation(&partie.fenetre), situationAvant);
    QVERIFY(partie.boites.boites.isEmpty());
}

void EssaiPlateau::doubleClicSurUneCase()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;
    doubleClic(plateau->getLabel(2, 4));
    QCOMPARE(plateauVu(plateau), apresCoups({4, 4}));
    QCOMPARE(codeLabel(plateau->getLabel(6, 4)), 'r');
    QCOMPARE(codeLabel(plateau->getLabel(5, 4)), 'j');
    QCOMPARE(plateau->getJoueurCourant(), 1);
    QCOMPARE(texteSituation(&partie.fenetre), texteColonne(4, "rouge"));
}

void EssaiPlateau::clicApresLaFinLanceUneNouvellePartie()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;
    jouerAuClic(plateau, {0, 1, 0, 1, 0, 1, 0});
    QCOMPARE(partie.boites.boites.size(), 1);
    QVERIFY(plateau->estTerminee());
    QCOMPARE(texteSituation(&partie.fenetre), texteVainqueur("rouge"));

    // A click anywhere on the finished board starts a new game and plays nothing.
    cliquerCase(plateau, 5, 2);
    QVERIFY(!plateau->estTerminee());
    QCOMPARE(plateauVu(plateau), apresCoups({}));
    QCOMPARE(grilleVue(plateau), apresCoups({}));
    QCOMPARE(plateau->getJoueurCourant(), 2);  // red won: yellow opens
    QCOMPARE(enTete(plateau), QString("y123456"));
    QCOMPARE(texteSituation(&partie.fenetre), texteTour("jaune"));
    QCOMPARE(partie.boites.boites.size(), 1);
    // The next click plays for yellow.
    cliquerCase(plateau, 5, 2);
    QCOMPARE(plateauVu(plateau), apresCoups({5}, 2));
}

// Switching yellow to the computer during yellow's turn does not make it move:
// the next column given is still played for yellow, and the computer plays
// yellow only from its next turn.
void EssaiPlateau::changementDOrdinateurPendantLeTour()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;
    cliquerCase(plateau, 3);
    QCOMPARE(plateau->getJoueurCourant(), 2);

    plateau->setJauneOrdinateur(true);
    QVERIFY(plateau->estJauneOrdinateur());
    QCoreApplication::processEvents();
    QCOMPARE(grilleVue(plateau), apresCoups({3}));
    QCOMPARE(plateau->getJoueurCourant(), 2);

    // A click plays yellow's token where the person clicked.
    cliquerCase(plateau, 6);
    QCOMPARE(grilleVue(plateau), apresCoups({3, 6}));
    QCOMPARE(plateau->getJoueurCourant(), 1);
    QCOMPARE(texteSituation(&partie.fenetre), texteColonne(6, "rouge"));

    // Red's move makes the computer answer for yellow.
    cliquerCase(plateau, 0);
    QCOMPARE(nombreDeJetons(plateau), 4);
    QCOMPARE(plateau->getJoueurCourant(), 1);
    const QString situationApres = texteSituation(&partie.fenetre);
    QVERIFY2(situationApres.startsWith(kColonneJouee) && situationApres.endsWith("\n" + texteTour("rouge")),
             qPrintable(situationApres));

    // The same for red, switched during red's turn.
    plateau->setRougeOrdinateur(true);
    QCoreApplication::processEvents();
    QCOMPARE(nombreDeJetons(plateau), 4);
    QCOMPARE(plateau->getJoueurCourant(), 1);
    QCOMPARE(texteSituation(&partie.fenetre), situationApres);
}

// With the game's own pictures (from the working directory of the test, the
// project folder): every cell shows the file of its role, loaded the same way.
void EssaiPlateau::imagesDuDossierDuJeu()
{
    QVERIFY2(QDir("images").exists(), qPrintable(QDir::currentPath()));
    FenetreOuverte ouverte;
    QVERIFY(ouverte.expose);
    Quartelo4* plateau = ouverte.plateau;
    auto image = [](char code) { return QPixmap(cheminImage(code)).toImage(); };
    auto montre = [&](int r, int c, char code) {
        return plateau->getLabel(r, c)->pixmap().toImage() == image(code);
    };

    QVERIFY(montre(0, 0, 'x'));
    for (int c = 1; c < 7; ++c)
        QVERIFY(montre(0, c, imageEntete(c)));
    for (int r = 1; r <= 6; ++r)
        for (int c = 0; c < 7; ++c)
            QVERIFY(montre(r, c, '.'));

    jouerAuClic(plateau, {0, 1, 0, 1, 0});
    QVERIFY(montre(0, 0, 'y'));
    QVERIFY(montre(6, 0, 'r'));
    QVERIFY(montre(6, 1, 'j'));
    QVERIFY(montre(2, 0, '.'));
    cliquerCase(plateau, 2);
    jouerAuClic(plateau, {0});
    QCOMPARE(ouverte.boites.boites.size(), 1);
    for (int r = 3; r <= 6; ++r)
        QVERIFY(montre(r, 0, 'R'));
    QVERIFY(montre(0, 0, '0'));
    QVERIFY(montre(6, 1, 'j'));

    // Where the artwork is present, the labels really show pictures.
    if (QFile::exists(cheminImage('0')))
        QVERIFY(!plateau->getLabel(0, 0)->pixmap().isNull());
    if (QFile::exists(cheminImage('.')))
        QVERIFY(!plateau->getLabel(1, 0)->pixmap().isNull());
    if (QFile::exists(cheminImage('i')))
        QVERIFY(!ouverte.fenetre.windowIcon().isNull());
}

QTEST_MAIN(EssaiPlateau)
#include "essai_plateau.moc"
