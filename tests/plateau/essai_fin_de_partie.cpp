// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// End of a game: which line is found and highlighted, the draw, the end-of-game
// box and the status line, and who opens the next game.

#include <QtTest>

#include <vector>

#include "fenetre.h"
#include "ordinateur.h"
#include "outils_essai.h"
#include "partie_essai.h"
#include "parties_essai.h"
#include "quartelo4.h"

using namespace essai;

namespace {

using Cases = std::vector<std::pair<int, int>>;

// True when no four cells of one colour are in a line on the board string.
bool sansLigne(const QString& plateau)
{
    auto valeur = [&](int r, int c) { return plateau[r * 8 + c].toLower(); };
    const int directions[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 7; ++c)
            for (const auto& d : directions) {
                const int r3 = r + 3 * d[0], c3 = c + 3 * d[1];
                if (r3 < 0 || r3 > 5 || c3 < 0 || c3 > 6 || valeur(r, c) == '.')
                    continue;
                bool ligne = true;
                for (int k = 1; k < 4; ++k)
                    ligne = ligne && valeur(r + k * d[0], c + k * d[1]) == valeur(r, c);
                if (ligne)
                    return false;
            }
    return true;
}

}  // namespace

class EssaiFinDePartie : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setDureePause(1); }

    void ligneTrouvee_data();
    void ligneTrouvee();
    void partieNulle();
    void imagesGagnantesAvecOuSansExtension_data();
    void imagesGagnantesAvecOuSansExtension();
    void imagesGagnantesAbsentes();
    void quiOuvreLaPartieSuivante_data();
    void quiOuvreLaPartieSuivante();
    void coupsRefusesApresLaFin();
};

void EssaiFinDePartie::ligneTrouvee_data()
{
    QTest::addColumn<std::vector<int>>("coups");
    QTest::addColumn<Cases>("gagnantes");
    QTest::addColumn<QString>("couleur");

    QTest::newRow("verticale rouge") << kRougeGagne << Cases{{2, 0}, {3, 0}, {4, 0}, {5, 0}} << "rouge";
    QTest::newRow("verticale jaune") << kJauneGagne << Cases{{2, 1}, {3, 1}, {4, 1}, {5, 1}} << "jaune";
    QTest::newRow("horizontale jaune") << std::vector<int>{4, 0, 0, 1, 1, 2, 2, 3}
                                       << Cases{{5, 0}, {5, 1}, {5, 2}, {5, 3}} << "jaune";
    QTest::newRow("diagonale montante jaune")
        << std::vector<int>{1, 0, 2, 1, 2, 2, 4, 3, 3, 5, 3, 3} << Cases{{2, 3}, {3, 2}, {4, 1}, {5, 0}} << "jaune";
    // From cell (2, 0) a vertical and a horizontal line: the vertical one is tested first.
    QTest::newRow("verticale avant horizontale")
        << std::vector<int>{0, 1, 0, 1, 0, 1, 1, 2, 2, 2, 2, 4, 3, 3, 3, 4, 3, 4, 0}
        << Cases{{2, 0}, {3, 0}, {4, 0}, {5, 0}} << "rouge";
    // From cell (2, 0) a horizontal line and a diagonal one: the horizontal one first.
    QTest::newRow("horizontale avant diagonale")
        << std::vector<int>{3, 0, 0, 1, 5, 1, 1, 2, 1, 3, 2, 2, 2, 3, 3, 0, 0}
        << Cases{{2, 0}, {2, 1}, {2, 2}, {2, 3}} << "rouge";
    // The last token at (2, 3) completes column 3 rows 2-5 and row 2 columns
    // 3-6: only the vertical line is highlighted.
    QTest::newRow("case 2,3 avec les colonnes 3 a 6")
        << std::vector<int>{1, 0, 0, 1, 3, 5, 3, 5, 3, 5, 4, 4, 5, 4, 4, 6, 6, 6, 6, 1, 3}
        << Cases{{2, 3}, {3, 3}, {4, 3}, {5, 3}} << "rouge";
    // The same token completing row 2 columns 0-3 instead: found from (2, 0).
    QTest::newRow("case 2,3 avec les colonnes 0 a 3")
        << std::vector<int>{0, 0, 3, 0, 0, 1, 1, 1, 1, 2, 3, 2, 3, 2, 2, 4, 3}
        << Cases{{2, 0}, {2, 1}, {2, 2}, {2, 3}} << "rouge";
    // A run of five made by filling the gap: its four leftmost cells.
    QTest::newRow("cinq horizontaux") << std::vector<int>{1, 1, 2, 2, 4, 4, 5, 5, 3}
                                      << Cases{{5, 1}, {5, 2}, {5, 3}, {5, 4}} << "rouge";
    // A diagonal run of five: its four upper cells.
    QTest::newRow("cinq en diagonale") << std::vector<int>{1, 1, 1, 2, 1, 2, 1, 2, 2, 3, 5, 4, 4, 3, 3}
                                       << Cases{{1, 1}, {2, 2}, {3, 3}, {4, 4}} << "rouge";
    // A line in columns 3 to 6, found from its right end.
    QTest::newRow("colonnes 3 a 6") << std::vector<int>{4, 4, 5, 5, 6, 6, 3}
                                    << Cases{{5, 3}, {5, 4}, {5, 5}, {5, 6}} << "rouge";
    // The 42nd token fills the board and makes a line: won, not drawn.
    QTest::newRow("plateau rempli par le coup gagnant")
        << kPleinGagnant << Cases{{0, 1}, {1, 1}, {2, 1}, {3, 1}} << "jaune";
}

void EssaiFinDePartie::ligneTrouvee()
{
    QFETCH(std::vector<int>, coups);
    QFETCH(Cases, gagnantes);
    QFETCH(QString, couleur);

    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;
    std::vector<int> avant(coups.begin(), coups.end() - 1);
    jouerAuClic(plateau, avant);
    QVERIFY2(partie.boites.boites.isEmpty(), "the game ended before its last move");
    QCOMPARE(plateauVu(plateau), apresCoups(avant));
    QVERIFY(sansLigne(apresCoups(avant)));
    QVERIFY(!sansLigne(apresCoups(coups)));
    const QString situationAvant = texteSituation(&partie.fenetre);
    QCOMPARE(situationAvant, texteColonne(avant.back(), couleur));

    cliquerCase(plateau, coups.back(), 1);

    const QString attendu = avecGagnants(apresCoups(coups), gagnantes);
    QCOMPARE(partie.boites.boites.size(), 1);
    const BoiteVue& boite = partie.boites.boites.first();
    QCOMPARE(boite.titre, kTitreFin);
    QCOMPARE(boite.texte, texteVainqueur(couleur));
    QCOMPARE(boite.nombreDeBoutons, 1);
    QVERIFY(boite.boutonOk);
    QCOMPARE(boite.parent, &partie.fenetre);
    // While the box is open the status line keeps the previous text, and the
    // four winning tokens and nothing else show the winning picture.
    QCOMPARE(boite.situationPendant, situationAvant);
    QCOMPARE(boite.plateauPendant, attendu);
    QCOMPARE(boite.enTetePendant, QString("0123456"));
    QCOMPARE(boite.joueurCourantPendant, 0);
    QCOMPARE(boite.gagnantPendant, couleur == "rouge" ? 1 : 2);

    QCOMPARE(texteSituation(&partie.fenetre), texteVainqueur(couleur));
    QCOMPARE(plateauVu(plateau), attendu);
    QCOMPARE(grilleVue(plateau), apresCoups(coups));
    QCOMPARE(enTete(plateau), QString("0123456"));
    QVERIFY(plateau->estTerminee());
    QCOMPARE(plateau->getJoueurCourant(), 0);
    QCOMPARE(plateau->getGagnant(), couleur == "rouge" ? 1 : 2);
    QCOMPARE(plateau->getCouleurGagnant(), couleur);
    QVERIFY(plateau->getCouleurJoueurCourant().isEmpty());
}

void EssaiFinDePartie::partieNulle()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;
    QCOMPARE(kPartieNulle.size(), size_t(42));
    // The game really is a draw: no line at any step.
    for (size_t n = 1; n <= kPartieNulle.size(); ++n)
        QVERIFY(sansLigne(apresCoups(std::vector<int>(kPartieNulle.begin(), kPartieNulle.begin() + long(n)))));

    std::vector<int> avant(kPartieNulle.begin(), kPartieNulle.end() - 1);
    jouerAuClic(plateau, avant);
    QVERIFY(partie.boites.boites.isEmpty());
    const QString situationAvant = texteSituation(&partie.fenetre);
    QCOMPARE(situationAvant, texteColonne(avant.back(), "jaune"));
    cliquerCase(plateau, kPartieNulle.back(), 1);

    QCOMPARE(partie.boites.boites.size(), 1);
    const BoiteVue& boite = partie.boites.boites.first();
    QCOMPARE(boite.titre, kTitreFin);
    QCOMPARE(boite.texte, kNulle);
    QCOMPARE(boite.nombreDeBoutons, 1);
    QVERIFY(boite.boutonOk);
    QCOMPARE(boite.situationPendant, situationAvant);
    QCOMPARE(boite.plateauPendant, apresCoups(kPartieNulle));
    QCOMPARE(boite.enTetePendant, QString("0123456"));
    QCOMPARE(boite.joueurCourantPendant, 0);
    QCOMPARE(boite.gagnantPendant, 0);

    QCOMPARE(texteSituation(&partie.fenetre), kNulle);
    QCOMPARE(plateauVu(plateau), apresCoups(kPartieNulle));
    QCOMPARE(grilleVue(plateau), apresCoups(kPartieNulle));
    QCOMPARE(nombreDeJetons(plateau), 42);
    QVERIFY(plateau->estTerminee());
    QCOMPARE(plateau->getGagnant(), 0);
    QVERIFY(plateau->getCouleurGagnant().isNull());
    QCOMPARE(enTete(plateau), QString("0123456"));
}

void EssaiFinDePartie::imagesGagnantesAvecOuSansExtension_data()
{
    QTest::addColumn<bool>("avecExtension");
    QTest::newRow("sans extension") << false;
    QTest::newRow("avec .bmp") << true;
}

// The winning pictures are named without extension; files stored with ".bmp"
// are found all the same.
void EssaiFinDePartie::imagesGagnantesAvecOuSansExtension()
{
    QFETCH(bool, avecExtension);
    PartieEnCouleur partie({}, avecExtension);
    QVERIFY(partie.pret());
    QCOMPARE(QFile::exists(cheminImage('R') + ".bmp"), avecExtension);
    QCOMPARE(QFile::exists(cheminImage('R')), !avecExtension);
    jouerAuClic(partie.plateau, kRougeGagne);
    QCOMPARE(plateauVu(partie.plateau), avecGagnants(apresCoups(kRougeGagne), {{2, 0}, {3, 0}, {4, 0}, {5, 0}}));

    QPushButton* nouvelle = bouton(&partie.fenetre, "Nouvelle Partie");
    QVERIFY(nouvelle);
    QTest::mouseClick(nouvelle, Qt::LeftButton);
    jouerAuClic(partie.plateau, kRougeGagne);  // yellow opens this one and wins
    QCOMPARE(plateauVu(partie.plateau), avecGagnants(apresCoups(kRougeGagne, 2), {{2, 0}, {3, 0}, {4, 0}, {5, 0}}));
    QCOMPARE(partie.boites.boites.size(), 2);
    QCOMPARE(partie.boites.boites[1].texte, texteVainqueur("jaune"));
}

// Without the winning pictures the four cells show nothing; the end of the
// game is unaffected.
void EssaiFinDePartie::imagesGagnantesAbsentes()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    QVERIFY(QFile::remove(cheminImage('R')));
    jouerAuClic(partie.plateau, kRougeGagne);
    QString attendu = apresCoups(kRougeGagne);
    for (int r = 2; r <= 5; ++r)
        attendu[r * 8] = ' ';
    QCOMPARE(plateauVu(partie.plateau), attendu);
    QCOMPARE(partie.boites.boites.size(), 1);
    QCOMPARE(partie.boites.boites[0].texte, texteVainqueur("rouge"));
    QCOMPARE(texteSituation(&partie.fenetre), texteVainqueur("rouge"));
    QCOMPARE(partie.plateau->getGagnant(), 1);
}

void EssaiFinDePartie::quiOuvreLaPartieSuivante_data()
{
    QTest::addColumn<std::vector<int>>("premiere");
    QTest::addColumn<QString>("ouvreLaSuivante");

    QTest::newRow("apres une victoire rouge") << kRougeGagne << "jaune";
    QTest::newRow("apres une victoire jaune") << kJauneGagne << "rouge";
    QTest::newRow("apres une nulle") << kPartieNulle << "rouge";
    QTest::newRow("partie abandonnee apres un coup rouge") << std::vector<int>{3} << "rouge";
    QTest::newRow("partie abandonnee apres un coup jaune") << std::vector<int>{3, 4} << "rouge";
    QTest::newRow("partie abandonnee sans coup") << std::vector<int>{} << "rouge";
}

void EssaiFinDePartie::quiOuvreLaPartieSuivante()
{
    QFETCH(std::vector<int>, premiere);
    QFETCH(QString, ouvreLaSuivante);

    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;
    QPushButton* nouvelle = bouton(&partie.fenetre, "Nouvelle Partie");
    QVERIFY(nouvelle);
    jouerAuClic(plateau, premiere);

    QTest::mouseClick(nouvelle, Qt::LeftButton);
    QCOMPARE(texteSituation(&partie.fenetre), texteTour(ouvreLaSuivante));
    QCOMPARE(enTete(plateau), enTeteAvecCurseur(0, ouvreLaSuivante == "rouge" ? 1 : 2));
    QCOMPARE(plateauVu(plateau), apresCoups({}));
    QCOMPARE(grilleVue(plateau), apresCoups({}));
    QCOMPARE(plateau->getGagnant(), 0);
    QVERIFY(!plateau->estTerminee());
    QCOMPARE(plateau->getCouleurJoueurCourant(), ouvreLaSuivante);

    // The opener's first click plays its colour.
    cliquerCase(plateau, 6);
    QCOMPARE(plateauVu(plateau), apresCoups({6}, ouvreLaSuivante == "rouge" ? 1 : 2));

    // A game abandoned at once after that opens with red again.
    QTest::mouseClick(nouvelle, Qt::LeftButton);
    QCOMPARE(texteSituation(&partie.fenetre), texteTour("rouge"));
    QCOMPARE(enTete(plateau), QString("x123456"));
}

// Once the game is over, the column buttons and direct calls place nothing,
// and the status line shows the end text again.
void EssaiFinDePartie::coupsRefusesApresLaFin()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Quartelo4* plateau = partie.plateau;
    jouerAuClic(plateau, kJauneGagne);
    const QString fin = plateauVu(plateau);
    QCOMPARE(texteSituation(&partie.fenetre), texteVainqueur("jaune"));
    for (int c = 0; c < 7; ++c) {
        QPushButton* colonne = bouton(&partie.fenetre, QString::number(c));
        QVERIFY(colonne);
        QTest::mouseClick(colonne, Qt::LeftButton);
        QVERIFY(!plateau->jouerColonne(c));
    }
    QVERIFY(!plateau->jouerColonne(-1));
    QVERIFY(!partie.fenetre.jouer(3));
    QCOMPARE(plateauVu(plateau), fin);
    QCOMPARE(grilleVue(plateau), apresCoups(kJauneGagne));
    QCOMPARE(texteSituation(&partie.fenetre), texteVainqueur("jaune"));
    QCOMPARE(enTete(plateau), QString("0123456"));
    QCOMPARE(partie.boites.boites.size(), 1);
    QCOMPARE(plateau->getGagnant(), 2);
}

QTEST_MAIN(EssaiFinDePartie)
#include "essai_fin_de_partie.moc"
