// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The start window: its construction, and what "Nouvelle Partie" and
// "Quitter" do, with the game window built as the program's entry builds it.

#include <QLayout>
#include <QtTest>

#include "fenetre.h"
#include "fenetre_debut.h"
#include "ordinateur.h"
#include "outils_essai.h"
#include "quartelo4.h"

using namespace essai;

namespace {

// The two windows of a run, as the entry builds them: the game window with
// depth 8, mouse play on and two people, hidden; the start window shown.
class Demarrage {
public:
    Demarrage() : fenetre(8, true, false, false), debut(&fenetre)
    {
        debut.setVisible(true);
        expose = QTest::qWaitForWindowExposed(&debut);
    }

    Fenetre fenetre;
    FenetreDebut debut;
    SurveillantDeBoites boites{&fenetre};
    bool expose = false;
};

}  // namespace

class EssaiFenetreDebut : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setDureePause(2); }

    void construction();
    void groupesEtInfobulles();
    void nouvellePartie_data();
    void nouvellePartie();
    void optionsTransmises();
    void quitter();
    void fermerLaFenetreDeDebut();
};

void EssaiFenetreDebut::construction()
{
    ImagesDeCouleur images;
    QVERIFY(images.pret());
    Fenetre fenetre(8, true, false, false);
    FenetreDebut debut(&fenetre);
    QVERIFY(!debut.isVisible());
    QVERIFY(!fenetre.isVisible());
    QVERIFY(!debut.parentWidget());
    QCOMPARE(debut.metaObject()->className(), "FenetreDebut");
    QCOMPARE(debut.size(), QSize(250, 210));
    QCOMPARE(debut.minimumSize(), QSize(250, 210));
    QCOMPARE(debut.maximumSize(), QSize(250, 210));
    QCOMPARE(debut.pos(), positionCentree(QSize(250, 210)));
    QCOMPARE(debut.windowTitle(), QString("Quartelo 4"));
    QCOMPARE(codeIcone(&debut), 'i');

    QVERIFY(caseSouris(&debut));
    QVERIFY(caseSouris(&debut)->isChecked());
    QComboBox* liste = listeDifficulte(&debut);
    QVERIFY(liste);
    QCOMPARE(liste->count(), 3);
    QCOMPARE(liste->itemText(0), QString("Facile"));
    QCOMPARE(liste->itemText(1), QString("Moyen"));
    QCOMPARE(liste->itemText(2), QString("Difficile"));
    QCOMPARE(liste->currentIndex(), 0);
    for (const char* groupeJoueur : {"Joueur rouge", "Joueur jaune"}) {
        QRadioButton* ordi = radio(&debut, groupeJoueur, "Ordinateur");
        QRadioButton* humain = radio(&debut, groupeJoueur, "Humain");
        QVERIFY(ordi && humain);
        QVERIFY(!ordi->isChecked());
        QVERIFY(humain->isChecked());
    }
    QVERIFY(bouton(&debut, "Nouvelle Partie"));
    QVERIFY(bouton(&debut, "Quitter"));
    QCOMPARE(debut.findChildren<QPushButton*>().size(), 2);
    // Building the start window leaves the game window untouched.
    QCOMPARE(nombreDeJetons(fenetre.getPlateau()), 0);
    QCOMPARE(texteSituation(&fenetre), texteTour("rouge"));
}

void EssaiFenetreDebut::groupesEtInfobulles()
{
    Fenetre fenetre(8, true, false, false);
    FenetreDebut debut(&fenetre);
    struct Groupe {
        const char* titre;
        const char* infobulle;
        Qt::Alignment titreAligne;
    };
    const Groupe groupes[] = {
        {"Options", "", Qt::AlignTop | Qt::AlignHCenter},
        {"Souris", "Activer/désactiver la souris", Qt::AlignTop},
        {"Difficulté", "Influe \"l'intelligence\" du programme", Qt::AlignTop},
        {"Joueur rouge", "Le joueur rouge est un ordi ?", QGroupBox().alignment()},
        {"Joueur jaune", "Le joueur jaune est un ordi ?", QGroupBox().alignment()},
    };
    for (const Groupe& g : groupes) {
        QGroupBox* boite = groupe(&debut, g.titre);
        QVERIFY2(boite, g.titre);
        QCOMPARE(boite->toolTip(), QString(g.infobulle));
        QCOMPARE(boite->alignment(), g.titreAligne);
    }
    QCOMPARE(debut.findChildren<QGroupBox*>().size(), 5);
    QGroupBox* options = groupe(&debut, "Options");
    for (const char* titre : {"Souris", "Difficulté", "Joueur rouge", "Joueur jaune"})
        QVERIFY2(options->isAncestorOf(groupe(&debut, titre)), titre);
    QVERIFY(groupe(&debut, "Souris")->isAncestorOf(caseSouris(&debut)));
    QVERIFY(groupe(&debut, "Difficulté")->isAncestorOf(listeDifficulte(&debut)));
    QCOMPARE(groupe(&debut, "Souris")->layout()->alignment(), Qt::AlignTop | Qt::AlignHCenter);
    QCOMPARE(groupe(&debut, "Difficulté")->layout()->alignment(), Qt::AlignTop | Qt::AlignHCenter);
    QCOMPARE(groupe(&debut, "Joueur rouge")->layout()->alignment(), Qt::Alignment());
    QVERIFY(!options->isAncestorOf(bouton(&debut, "Nouvelle Partie")));

    QVERIFY(caseSouris(&debut)->toolTip().isEmpty());
    QVERIFY(listeDifficulte(&debut)->toolTip().isEmpty());
    for (const char* g : {"Joueur rouge", "Joueur jaune"})
        for (const char* t : {"Ordinateur", "Humain"})
            QVERIFY(radio(&debut, g, t)->toolTip().isEmpty());
    QCOMPARE(bouton(&debut, "Nouvelle Partie")->toolTip(), QString("Lancer une nouvelle partie"));
    QCOMPARE(bouton(&debut, "Quitter")->toolTip(), QString("Quitter l'application"));

    // Placement: "Souris" left of "Difficulté" above "Joueur rouge" left of
    // "Joueur jaune"; the buttons below the options, "Nouvelle Partie" first.
    debut.show();
    QVERIFY(QTest::qWaitForWindowExposed(&debut));
    auto coin = [&](QWidget* w) { return w->mapTo(&debut, QPoint(0, 0)); };
    QVERIFY(coin(groupe(&debut, "Souris")).x() < coin(groupe(&debut, "Difficulté")).x());
    QVERIFY(coin(groupe(&debut, "Joueur rouge")).x() < coin(groupe(&debut, "Joueur jaune")).x());
    QVERIFY(coin(groupe(&debut, "Souris")).y() < coin(groupe(&debut, "Joueur rouge")).y());
    QVERIFY(coin(options).y() + options->height() <= coin(bouton(&debut, "Nouvelle Partie")).y());
    QVERIFY(coin(bouton(&debut, "Nouvelle Partie")).x() < coin(bouton(&debut, "Quitter")).x());

    // Each side's two buttons exclude each other; the sides are independent.
    cocher(radio(&debut, "Joueur rouge", "Ordinateur"));
    QVERIFY(radio(&debut, "Joueur rouge", "Ordinateur")->isChecked());
    QVERIFY(!radio(&debut, "Joueur rouge", "Humain")->isChecked());
    QVERIFY(radio(&debut, "Joueur jaune", "Humain")->isChecked());
    QVERIFY(!radio(&debut, "Joueur jaune", "Ordinateur")->isChecked());
    // Nothing reaches the game window before "Nouvelle Partie".
    QVERIFY(!fenetre.getPlateau()->estRougeOrdinateur());
}

void EssaiFenetreDebut::nouvellePartie_data()
{
    QTest::addColumn<bool>("rougeOrdi");
    QTest::addColumn<bool>("jauneOrdi");
    QTest::newRow("deux personnes") << false << false;
    QTest::newRow("ordinateur rouge") << true << false;
    QTest::newRow("ordinateur jaune") << false << true;
    QTest::newRow("deux ordinateurs") << true << true;
}

void EssaiFenetreDebut::nouvellePartie()
{
    QFETCH(bool, rougeOrdi);
    QFETCH(bool, jauneOrdi);
    ImagesDeCouleur images;
    QVERIFY(images.pret());
    Demarrage demarrage;
    QVERIFY(demarrage.expose);
    FenetreDebut& debut = demarrage.debut;
    Fenetre& fenetre = demarrage.fenetre;
    Quartelo4* plateau = fenetre.getPlateau();
    QVERIFY(!fenetre.isVisible());
    if (rougeOrdi)
        cocher(radio(&debut, "Joueur rouge", "Ordinateur"));
    if (jauneOrdi)
        cocher(radio(&debut, "Joueur jaune", "Ordinateur"));

    QTest::mouseClick(bouton(&debut, "Nouvelle Partie"), Qt::LeftButton);

    QVERIFY(!debut.isVisible());
    QVERIFY(fenetre.isVisible());
    QCOMPARE(radio(&fenetre, "Joueur rouge", "Ordinateur")->isChecked(), rougeOrdi);
    QCOMPARE(radio(&fenetre, "Joueur rouge", "Humain")->isChecked(), !rougeOrdi);
    QCOMPARE(radio(&fenetre, "Joueur jaune", "Ordinateur")->isChecked(), jauneOrdi);
    QCOMPARE(radio(&fenetre, "Joueur jaune", "Humain")->isChecked(), !jauneOrdi);
    QCOMPARE(plateau->estRougeOrdinateur(), rougeOrdi);
    QCOMPARE(plateau->estJauneOrdinateur(), jauneOrdi);
    QCOMPARE(listeDifficulte(&fenetre)->currentText(), QString("Facile"));
    QCOMPARE(plateau->getProfondeur(), 8);
    QVERIFY(caseSouris(&fenetre)->isChecked());
    QVERIFY(plateau->estSourisActive());

    if (rougeOrdi && jauneOrdi) {
        // The whole game was played before the click's handling ended.
        QVERIFY(plateau->estTerminee());
        QCOMPARE(demarrage.boites.boites.size(), 1);
        QCOMPARE(demarrage.boites.boites[0].titre, kTitreFin);
        QCOMPARE(texteSituation(&fenetre), demarrage.boites.boites[0].texte);
        const QString fin = texteSituation(&fenetre);
        QVERIFY2(fin == kNulle || fin == texteVainqueur("rouge") || fin == texteVainqueur("jaune"), qPrintable(fin));
        QVERIFY(nombreDeJetons(plateau) >= 7);
    } else if (rougeOrdi) {
        // The computer has made red's first move; yellow, a person, is to move.
        QCOMPARE(nombreDeJetons(plateau), 1);
        int m = -1;
        for (int c = 0; c < 7; ++c)
            if (plateau->getGrille()[c + 7 * 5] == 1)
                m = c;
        QVERIFY(m >= 0);
        QCOMPARE(texteSituation(&fenetre), texteColonne(m, "jaune"));
        QCOMPARE(plateauVu(plateau), apresCoups({m}));
        QCOMPARE(enTete(plateau), QString("y123456"));
        QVERIFY(demarrage.boites.boites.isEmpty());
    } else {
        QCOMPARE(nombreDeJetons(plateau), 0);
        QCOMPARE(texteSituation(&fenetre), texteTour("rouge"));
        QCOMPARE(enTete(plateau), QString("x123456"));
        // Red plays; with yellow on the computer, it answers at once.
        cliquerCase(plateau, 4);
        QCOMPARE(nombreDeJetons(plateau), jauneOrdi ? 2 : 1);
        const QString attendu = jauneOrdi ? QString("\n" + texteTour("rouge")) : texteColonne(4, "jaune");
        QVERIFY2(texteSituation(&fenetre).endsWith(attendu), qPrintable(texteSituation(&fenetre)));
    }
    QVERIFY(fenetre.focusWidget() == plateau);
}

// The difficulty and the mouse option reach the game window.
void EssaiFenetreDebut::optionsTransmises()
{
    for (const char* difficulte : {"Moyen", "Difficile", "Facile"}) {
        Demarrage demarrage;
        QVERIFY(demarrage.expose);
        FenetreDebut& debut = demarrage.debut;
        Fenetre& fenetre = demarrage.fenetre;
        choisirDansListe(listeDifficulte(&debut), difficulte);
        cocher(caseSouris(&debut));
        QVERIFY(!caseSouris(&debut)->isChecked());
        // Nothing reaches the game window before the launch.
        QCOMPARE(listeDifficulte(&fenetre)->currentText(), QString("Facile"));
        QVERIFY(caseSouris(&fenetre)->isChecked());

        QTest::mouseClick(bouton(&debut, "Nouvelle Partie"), Qt::LeftButton);
        QVERIFY(fenetre.isVisible());
        QVERIFY(!debut.isVisible());
        Quartelo4* plateau = fenetre.getPlateau();
        QCOMPARE(listeDifficulte(&fenetre)->currentText(), QString(difficulte));
        QCOMPARE(plateau->getProfondeur(), QString(difficulte) == "Moyen" ? 10 : QString(difficulte) == "Difficile" ? 12 : 8);
        QVERIFY(!caseSouris(&fenetre)->isChecked());
        QVERIFY(!plateau->estSourisActive());
        // Mouse play is off: a click on the board plays nothing, a button does.
        cliquerCase(plateau, 2);
        QCOMPARE(nombreDeJetons(plateau), 0);
        QTest::mouseClick(bouton(&fenetre, "2"), Qt::LeftButton);
        QCOMPARE(nombreDeJetons(plateau), 1);
    }
}

void EssaiFenetreDebut::quitter()
{
    Demarrage demarrage;
    QVERIFY(demarrage.expose);
    QPushButton* quitter = bouton(&demarrage.debut, "Quitter");
    QVERIFY(quitter);
    const FinDeBoucle fin = executerBoucle([&] { QTest::mouseClick(quitter, Qt::LeftButton); });
    QVERIFY(fin.actionFaite);
    QVERIFY(!fin.garde);
    QVERIFY(fin.aboutToQuit);
    QCOMPARE(fin.resultat, 0);
    QVERIFY(!demarrage.fenetre.isVisible());
    QCOMPARE(nombreDeJetons(demarrage.fenetre.getPlateau()), 0);
}

// Closing the start window from its title bar, the game window never shown,
// ends the loop like "Quitter".
void EssaiFenetreDebut::fermerLaFenetreDeDebut()
{
    Demarrage demarrage;
    QVERIFY(demarrage.expose);
    const FinDeBoucle fin = executerBoucle([&] { demarrage.debut.close(); });
    QVERIFY(fin.actionFaite);
    QVERIFY(!fin.garde);
    QVERIFY(fin.aboutToQuit);
    QCOMPARE(fin.resultat, 0);
    QVERIFY(!demarrage.debut.isVisible());
    QVERIFY(!demarrage.fenetre.isVisible());
}

QTEST_MAIN(EssaiFenetreDebut)
#include "essai_fenetre_debut.moc"
