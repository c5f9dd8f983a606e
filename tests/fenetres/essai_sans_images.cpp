// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program started from a folder without "images": both windows open, a
// whole game is played, the labels are blank and the messages unchanged.

#include <QtTest>

#include "fenetre.h"
#include "fenetre_debut.h"
#include "ordinateur.h"
#include "outils_essai.h"
#include "parties_essai.h"
#include "quartelo4.h"

using namespace essai;

namespace {

bool toutesLesCasesVides(const Quartelo4* plateau)
{
    for (int r = 0; r <= 6; ++r)
        for (int c = 0; c < 7; ++c)
            if (!plateau->getLabel(r, c)->pixmap().isNull())
                return false;
    return true;
}

}  // namespace

class EssaiSansImages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setDureePause(2); }

    void partieSansImages();
    void ordinateursSansImages();
};

void EssaiSansImages::partieSansImages()
{
    DossierVide dossier;
    QVERIFY(dossier.pret());
    QVERIFY(!QDir("images").exists());

    Fenetre fenetre(8, true, false, false);
    FenetreDebut debut(&fenetre);
    SurveillantDeBoites boites(&fenetre);
    QCOMPARE(codeIcone(&fenetre), ' ');  // no picture of its own
    QCOMPARE(codeIcone(&debut), ' ');
    QCOMPARE(debut.windowTitle(), QString("Quartelo 4"));
    debut.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&debut));
    QTest::mouseClick(bouton(&debut, "Nouvelle Partie"), Qt::LeftButton);
    QVERIFY(!debut.isVisible());
    QVERIFY(fenetre.isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    QCOMPARE(fenetre.size(), QSize(880, 720));

    Quartelo4* plateau = fenetre.getPlateau();
    QVERIFY(toutesLesCasesVides(plateau));
    QCOMPARE(texteSituation(&fenetre), texteTour("rouge"));

    // The blank cells still take the mouse: pointing moves the cursor, clicks play.
    QTest::mouseMove(plateau->getLabel(3, 5));
    QCOMPARE(plateau->getColonneSelectionnee(), 5);
    cliquerCase(plateau, 4);
    QCOMPARE(grilleVue(plateau), apresCoups({4}));
    QCOMPARE(texteSituation(&fenetre), texteColonne(4, "jaune"));
    QCOMPARE(plateau->getColonneSelectionnee(), 0);

    // A whole game, won by yellow, with the board, buttons and keys.
    QTest::mouseClick(bouton(&fenetre, "Nouvelle Partie"), Qt::LeftButton);
    QCOMPARE(nombreDeJetons(plateau), 0);
    jouerAuClic(plateau, {0, 1, 0, 1});
    QTest::mouseClick(bouton(&fenetre, "0"), Qt::LeftButton);
    QTest::keyClick(plateau, Qt::Key_1);
    QTest::keyClick(plateau, Qt::Key_Return);
    QTest::mouseClick(bouton(&fenetre, "2"), Qt::LeftButton);
    QCOMPARE(texteSituation(&fenetre), texteColonne(2, "jaune"));
    cliquerCase(plateau, 1);
    QCOMPARE(boites.boites.size(), 1);
    QCOMPARE(boites.boites[0].titre, kTitreFin);
    QCOMPARE(boites.boites[0].texte, texteVainqueur("jaune"));
    QCOMPARE(boites.boites[0].nombreDeBoutons, 1);
    QCOMPARE(texteSituation(&fenetre), texteVainqueur("jaune"));
    QCOMPARE(grilleVue(plateau), apresCoups(kJauneGagne));
    QCOMPARE(plateau->getGagnant(), 2);
    QVERIFY(toutesLesCasesVides(plateau));

    // A drawn game after it, then a click on the finished board.
    cliquerCase(plateau, 3);
    QCOMPARE(texteSituation(&fenetre), texteTour("rouge"));
    jouerAuClic(plateau, kPartieNulle);
    QCOMPARE(boites.boites.size(), 2);
    QCOMPARE(boites.boites[1].texte, kNulle);
    QCOMPARE(texteSituation(&fenetre), kNulle);
    QCOMPARE(grilleVue(plateau), apresCoups(kPartieNulle));
    QVERIFY(toutesLesCasesVides(plateau));
}

void EssaiSansImages::ordinateursSansImages()
{
    DossierVide dossier;
    QVERIFY(dossier.pret());
    Fenetre fenetre(8, true, false, false);
    FenetreDebut debut(&fenetre);
    SurveillantDeBoites boites(&fenetre);
    debut.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&debut));
    cocher(radio(&debut, "Joueur rouge", "Ordinateur"));
    cocher(radio(&debut, "Joueur jaune", "Ordinateur"));
    QTest::mouseClick(bouton(&debut, "Nouvelle Partie"), Qt::LeftButton);
    Quartelo4* plateau = fenetre.getPlateau();
    QVERIFY(plateau->estTerminee());
    QCOMPARE(boites.boites.size(), 1);
    QCOMPARE(texteSituation(&fenetre), boites.boites[0].texte);
    QVERIFY(toutesLesCasesVides(plateau));
}

QTEST_MAIN(EssaiSansImages)
#include "essai_sans_images.moc"
