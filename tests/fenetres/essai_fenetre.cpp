// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window: its construction, options, column buttons, status line,
// new games, the computer's moves and quitting.

#include <QLayout>
#include <QtTest>

#include <vector>

#include "bouton.h"
#include "fenetre.h"
#include "ordinateur.h"
#include "outils_essai.h"
#include "partie_essai.h"
#include "parties_essai.h"
#include "quartelo4.h"

using namespace essai;

namespace {

constexpr int kPauseCourte = 2;

// Sets the computer's pause for the life of the object.
class Pause {
public:
    explicit Pause(int millisecondes) { setDureePause(millisecondes); }
    ~Pause() { setDureePause(kPauseCourte); }
    Pause(const Pause&) = delete;
    Pause& operator=(const Pause&) = delete;
};

void appuyer(QWidget* fenetre, const QString& texte)
{
    QPushButton* b = bouton(fenetre, texte);
    QVERIFY2(b, qPrintable(texte));
    QTest::mouseClick(b, Qt::LeftButton);
}

void jouerAuxBoutons(QWidget* fenetre, const std::vector<int>& coups)
{
    for (int colonne : coups)
        appuyer(fenetre, QString::number(colonne));
}

// The column of the only token of a board, or -1.
int colonneDuSeulJeton(const Quartelo4* plateau)
{
    if (nombreDeJetons(plateau) != 1)
        return -1;
    for (int c = 0; c < 7; ++c)
        if (plateau->getGrille()[c + 7 * 5] != 0)
            return c;
    return -1;
}

// The column that the last move filled, given the board before it.
int colonneAjoutee(const QString& avant, const QString& apres)
{
    int colonne = -1;
    for (int i = 0; i < avant.size(); ++i)
        if (avant[i] != apres[i]) {
            if (colonne >= 0)
                return -2;
            colonne = i % 8;
        }
    return colonne;
}

int compter(const QString& texte, QChar c)
{
    return int(texte.count(c));
}

}  // namespace

class EssaiFenetre : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setDureePause(kPauseCourte); }

    void construction();
    void constructionAvecOptions();
    void profondeurEtDifficulte_data();
    void profondeurEtDifficulte();
    void listeDeDifficulte();
    void groupesBoutonsEtInfobulles();
    void disposition();
    void ligneDeSituation();
    void boutonDeColonnePleine();
    void boutonsDeColonneEtBoutonsDeLaSouris();
    void appliquerOptions();
    void boutonsRadioSeulementANouvellePartie();
    void ordinateurOuvreApresUneNulle();
    void coupHumainContreOrdinateurAvecLaVraiePause();
    void ordinateurContreOrdinateur();
    void quitterTermineLaBoucle();
    void fermerLaFenetreTermineLaBoucle();
    void difficulteHorsDeLaListe();
};

void EssaiFenetre::construction()
{
    ImagesDeCouleur images;
    QVERIFY(images.pret());
    Fenetre fenetre(8, true, false, false);
    QVERIFY(!fenetre.isVisible());
    QCOMPARE(fenetre.size(), QSize(880, 720));
    QCOMPARE(fenetre.minimumSize(), QSize(880, 720));
    QCOMPARE(fenetre.maximumSize(), QSize(880, 720));
    QCOMPARE(fenetre.windowTitle(), QString("Quartelo 4"));
    QCOMPARE(fenetre.pos(), positionCentree(QSize(880, 720)));
    QCOMPARE(codeIcone(&fenetre), 'i');
    QCOMPARE(fenetre.metaObject()->className(), "Fenetre");
    QVERIFY(!fenetre.parentWidget());

    QCOMPARE(texteSituation(&fenetre), texteTour("rouge"));
    QCheckBox* souris = caseSouris(&fenetre);
    QVERIFY(souris);
    QVERIFY(souris->isChecked());
    QComboBox* liste = listeDifficulte(&fenetre);
    QVERIFY(liste);
    QCOMPARE(liste->count(), 3);
    QCOMPARE(liste->itemText(0), QString("Facile"));
    QCOMPARE(liste->itemText(1), QString("Moyen"));
    QCOMPARE(liste->itemText(2), QString("Difficile"));
    QCOMPARE(liste->currentText(), QString("Facile"));
    for (const char* groupeJoueur : {"Joueur rouge", "Joueur jaune"}) {
        QRadioButton* ordi = radio(&fenetre, groupeJoueur, "Ordinateur");
        QRadioButton* humain = radio(&fenetre, groupeJoueur, "Humain");
        QVERIFY(ordi && humain);
        QVERIFY(!ordi->isChecked());
        QVERIFY(humain->isChecked());
    }

    Quartelo4* plateau = fenetre.getPlateau();
    QVERIFY(plateau);
    QVERIFY(fenetre.isAncestorOf(plateau));
    QCOMPARE(plateau->getProfondeur(), 8);
    QVERIFY(plateau->estSourisActive());
    QVERIFY(!plateau->estRougeOrdinateur());
    QVERIFY(!plateau->estJauneOrdinateur());
    QCOMPARE(nombreDeJetons(plateau), 0);
    QCOMPARE(enTete(plateau), QString("x123456"));
    QVERIFY(fenetre.focusWidget() == plateau);
}

void EssaiFenetre::constructionAvecOptions()
{
    Fenetre fenetre(12, false, true, true);
    QVERIFY(!fenetre.isVisible());
    QCoreApplication::processEvents();
    Quartelo4* plateau = fenetre.getPlateau();
    QVERIFY(!caseSouris(&fenetre)->isChecked());
    QVERIFY(!plateau->estSourisActive());
    QCOMPARE(listeDifficulte(&fenetre)->currentText(), QString("Difficile"));
    QCOMPARE(plateau->getProfondeur(), 12);
    QVERIFY(radio(&fenetre, "Joueur rouge", "Ordinateur")->isChecked());
    QVERIFY(!radio(&fenetre, "Joueur rouge", "Humain")->isChecked());
    QVERIFY(radio(&fenetre, "Joueur jaune", "Ordinateur")->isChecked());
    QVERIFY(!radio(&fenetre, "Joueur jaune", "Humain")->isChecked());
    QVERIFY(plateau->estRougeOrdinateur());
    QVERIFY(plateau->estJauneOrdinateur());
    // Building the window plays nothing, even with the computer on red.
    QCOMPARE(nombreDeJetons(plateau), 0);
    QCOMPARE(texteSituation(&fenetre), texteTour("rouge"));
}

void EssaiFenetre::profondeurEtDifficulte_data()
{
    QTest::addColumn<int>("profondeur");
    QTest::addColumn<QString>("item");
    QTest::newRow("8") << 8 << "Facile";
    QTest::newRow("10") << 10 << "Moyen";
    QTest::newRow("12") << 12 << "Difficile";
    QTest::newRow("9") << 9 << "Facile";
    QTest::newRow("11") << 11 << "Facile";
    QTest::newRow("1") << 1 << "Facile";
}

// The list shows the item of the depth; any other depth shows "Facile" while
// the board keeps the depth it was given.
void EssaiFenetre::profondeurEtDifficulte()
{
    QFETCH(int, profondeur);
    QFETCH(QString, item);
    Fenetre fenetre(profondeur, true, false, false);
    QCOMPARE(listeDifficulte(&fenetre)->currentText(), item);
    QCOMPARE(fenetre.getPlateau()->getProfondeur(), profondeur);
}

void EssaiFenetre::listeDeDifficulte()
{
    PartieEnCouleur ouverte({9});
    QVERIFY(ouverte.pret());
    Quartelo4* plateau = ouverte.plateau;
    QComboBox* liste = listeDifficulte(&ouverte.fenetre);
    QCOMPARE(plateau->getProfondeur(), 9);

    const QList<QPair<QString, int>> choix = {{"Difficile", 12}, {"Facile", 8}, {"Moyen", 10}, {"Facile", 8}};
    for (const auto& [texte, profondeur] : choix) {
        choisirDansListe(liste, texte);
        QCOMPARE(liste->currentText(), texte);
        QCOMPARE(plateau->getProfondeur(), profondeur);
        QVERIFY(ouverte.fenetre.focusWidget() == plateau);
    }
    QCOMPARE(nombreDeJetons(plateau), 0);
}

// Difficulty indexes outside the list give depth 8, and nothing breaks.
void EssaiFenetre::difficulteHorsDeLaListe()
{
    PartieEnCouleur ouverte;
    QVERIFY(ouverte.pret());
    Quartelo4* plateau = ouverte.plateau;
    ouverte.fenetre.setDifficulte(2);
    QCOMPARE(plateau->getProfondeur(), 12);
    ouverte.fenetre.setDifficulte(5);
    QCOMPARE(plateau->getProfondeur(), 8);
    ouverte.fenetre.setDifficulte(1);
    QCOMPARE(listeDifficulte(&ouverte.fenetre)->currentText(), QString("Moyen"));
    QCOMPARE(plateau->getProfondeur(), 10);
    ouverte.fenetre.setDifficulte(-1);
    QCOMPARE(plateau->getProfondeur(), 8);
    // The list still works afterwards.
    choisirDansListe(listeDifficulte(&ouverte.fenetre), "Difficile");
    QCOMPARE(plateau->getProfondeur(), 12);
    QCOMPARE(nombreDeJetons(plateau), 0);
}

void EssaiFenetre::groupesBoutonsEtInfobulles()
{
    Fenetre fenetre(8, true, false, false);
    struct Groupe {
        const char* titre;
        const char* infobulle;
        Qt::Alignment titreAligne;
    };
    const Qt::Alignment hautCentre = Qt::AlignHCenter | Qt::AlignTop;
    const Groupe groupes[] = {
        {"Information", "Situation actuelle du jeu", hautCentre},
        {"Souris", "Activer/désactiver la souris", Qt::AlignTop},
        {"Difficulté", "Influe \"l'intelligence\" du programme", Qt::AlignTop},
        {"Options", "", hautCentre},
        {"Choix de la colonne", "", hautCentre},
        {"Joueur rouge", "Le joueur rouge est un ordi ?", QGroupBox().alignment()},
        {"Joueur jaune", "Le joueur jaune est un ordi ?", QGroupBox().alignment()},
        {"Nouvelle partie", "", hautCentre},
        {"Quitter la partie", "", hautCentre},
    };
    for (const Groupe& g : groupes) {
        QGroupBox* boite = groupe(&fenetre, g.titre);
        QVERIFY2(boite, g.titre);
        QCOMPARE(boite->toolTip(), QString(g.infobulle));
        QCOMPARE(boite->alignment(), g.titreAligne);
    }
    QCOMPARE(fenetre.findChildren<QGroupBox*>().size(), 9);

    // What each box holds.
    QVERIFY(groupe(&fenetre, "Information")->isAncestorOf(situation(&fenetre)));
    QVERIFY(groupe(&fenetre, "Souris")->isAncestorOf(caseSouris(&fenetre)));
    QVERIFY(groupe(&fenetre, "Difficulté")->isAncestorOf(listeDifficulte(&fenetre)));
    QVERIFY(groupe(&fenetre, "Options")->isAncestorOf(groupe(&fenetre, "Souris")));
    QVERIFY(groupe(&fenetre, "Options")->isAncestorOf(groupe(&fenetre, "Difficulté")));
    QVERIFY(groupe(&fenetre, "Nouvelle partie")->isAncestorOf(groupe(&fenetre, "Joueur rouge")));
    QVERIFY(groupe(&fenetre, "Nouvelle partie")->isAncestorOf(groupe(&fenetre, "Joueur jaune")));
    QVERIFY(groupe(&fenetre, "Nouvelle partie")->isAncestorOf(bouton(&fenetre, "Nouvelle Partie")));
    QVERIFY(groupe(&fenetre, "Quitter la partie")->isAncestorOf(bouton(&fenetre, "Quitter")));
    QVERIFY(!groupe(&fenetre, "Information")->isAncestorOf(fenetre.getPlateau()));
    // Layout alignments inside the boxes.
    QCOMPARE(groupe(&fenetre, "Information")->layout()->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    QCOMPARE(groupe(&fenetre, "Souris")->layout()->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    QCOMPARE(groupe(&fenetre, "Quitter la partie")->layout()->alignment(), Qt::Alignment(Qt::AlignTop));
    QCOMPARE(groupe(&fenetre, "Joueur rouge")->layout()->alignment(), Qt::Alignment());

    // The tooltips belong to the boxes, not to the widgets inside them.
    QVERIFY(caseSouris(&fenetre)->toolTip().isEmpty());
    QVERIFY(listeDifficulte(&fenetre)->toolTip().isEmpty());
    QVERIFY(situation(&fenetre)->toolTip().isEmpty());
    for (const char* g : {"Joueur rouge", "Joueur jaune"})
        for (const char* t : {"Ordinateur", "Humain"}) {
            QRadioButton* r = radio(&fenetre, g, t);
            QVERIFY(r);
            QVERIFY(r->toolTip().isEmpty());
        }
    QCOMPARE(bouton(&fenetre, "Nouvelle Partie")->toolTip(), QString("Lancer une nouvelle partie"));
    QCOMPARE(bouton(&fenetre, "Quitter")->toolTip(), QString("Quitter l'application"));

    // Seven column buttons, 0 at the top to 6 at the bottom, in their box.
    QGroupBox* choix = groupe(&fenetre, "Choix de la colonne");
    const QList<Bouton*> colonnes = fenetre.findChildren<Bouton*>();
    QCOMPARE(colonnes.size(), 7);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    int yPrecedent = -1;
    for (int n = 0; n < 7; ++n) {
        auto* b = qobject_cast<Bouton*>(bouton(&fenetre, QString::number(n)));
        QVERIFY(b);
        QCOMPARE(b->metaObject()->className(), "Bouton");
        QCOMPARE(b->toolTip(), QString("Jouer à la colonne ") + QString::number(n));
        QVERIFY(choix->isAncestorOf(b));
        const int y = b->mapTo(&fenetre, QPoint(0, 0)).y();
        QVERIFY(y > yPrecedent);
        yPrecedent = y;
    }
    QCOMPARE(fenetre.findChildren<QPushButton*>().size(), 9);
}

// The board on the left; on the right, top to bottom, the five boxes.
void EssaiFenetre::disposition()
{
    PartieEnCouleur ouverte;
    QVERIFY(ouverte.pret());
    Fenetre& fenetre = ouverte.fenetre;
    const QRect plateau(ouverte.plateau->mapTo(&fenetre, QPoint(0, 0)), ouverte.plateau->size());
    int yPrecedent = -1;
    for (const char* titre : {"Information", "Options", "Choix de la colonne", "Nouvelle partie", "Quitter la partie"}) {
        QGroupBox* boite = groupe(&fenetre, titre);
        const QPoint coin = boite->mapTo(&fenetre, QPoint(0, 0));
        QVERIFY2(coin.x() > plateau.right(), titre);
        QVERIFY2(coin.y() > yPrecedent, titre);
        yPrecedent = coin.y();
        QVERIFY(boite->isVisible());
    }
    QVERIFY(fenetre.size() == QSize(880, 720));
}

// The four forms of the status line.
void EssaiFenetre::ligneDeSituation()
{
    PartieEnCouleur ouverte;
    QVERIFY(ouverte.pret());
    Fenetre& fenetre = ouverte.fenetre;
    QCOMPARE(texteSituation(&fenetre), texteTour("rouge"));
    appuyer(&fenetre, "3");
    QCOMPARE(texteSituation(&fenetre), texteColonne(3, "jaune"));
    QCOMPARE(grilleVue(ouverte.plateau), apresCoups({3}));
    appuyer(&fenetre, "0");
    QCOMPARE(texteSituation(&fenetre), texteColonne(0, "rouge"));

    appuyer(&fenetre, "Nouvelle Partie");
    QCOMPARE(texteSituation(&fenetre), texteTour("rouge"));
    jouerAuxBoutons(&fenetre, kJauneGagne);
    QCOMPARE(texteSituation(&fenetre), texteVainqueur("jaune"));
    QCOMPARE(ouverte.boites.boites.size(), 1);
    QCOMPARE(ouverte.boites.boites[0].situationPendant, texteColonne(2, "jaune"));

    appuyer(&fenetre, "Nouvelle Partie");
    QCOMPARE(texteSituation(&fenetre), texteTour("rouge"));
    jouerAuxBoutons(&fenetre, kPartieNulle);
    QCOMPARE(texteSituation(&fenetre), kNulle);
    QCOMPARE(ouverte.boites.boites.size(), 2);
    QCOMPARE(ouverte.boites.boites[1].texte, kNulle);
    QCOMPARE(ouverte.boites.boites[1].titre, kTitreFin);
}

void EssaiFenetre::boutonDeColonnePleine()
{
    PartieEnCouleur ouverte;
    QVERIFY(ouverte.pret());
    Fenetre& fenetre = ouverte.fenetre;
    jouerAuxBoutons(&fenetre, {5, 5, 5, 5, 5, 5, 1});
    const QString avant = texteSituation(&fenetre);
    QCOMPARE(avant, texteColonne(1, "jaune"));
    appuyer(&fenetre, "5");
    QCOMPARE(texteSituation(&fenetre), avant);
    QCOMPARE(grilleVue(ouverte.plateau), apresCoups({5, 5, 5, 5, 5, 5, 1}));
    QCOMPARE(ouverte.plateau->getJoueurCourant(), 2);
    QVERIFY(!fenetre.jouer(5));
    QCOMPARE(texteSituation(&fenetre), avant);
    QVERIFY(fenetre.focusWidget() == ouverte.plateau);
}

// A press of any mouse button plays the column; a double click plays twice.
void EssaiFenetre::boutonsDeColonneEtBoutonsDeLaSouris()
{
    PartieEnCouleur ouverte;
    QVERIFY(ouverte.pret());
    Fenetre& fenetre = ouverte.fenetre;
    Quartelo4* plateau = ouverte.plateau;
    QPushButton* cinq = bouton(&fenetre, "5");

    // The move is made on the press, before any release.
    QTest::mousePress(cinq, Qt::RightButton);
    QCOMPARE(grilleVue(plateau), apresCoups({5}));
    QTest::mouseRelease(cinq, Qt::RightButton);
    QCOMPARE(grilleVue(plateau), apresCoups({5}));
    QCOMPARE(texteSituation(&fenetre), texteColonne(5, "jaune"));
    QVERIFY(fenetre.focusWidget() == plateau);

    QTest::mouseClick(bouton(&fenetre, "2"), Qt::MiddleButton);
    QCOMPARE(grilleVue(plateau), apresCoups({5, 2}));

    doubleClic(cinq);
    QCOMPARE(grilleVue(plateau), apresCoups({5, 2, 5, 5}));
    QCOMPARE(plateauVu(plateau), apresCoups({5, 2, 5, 5}));
    QCOMPARE(texteSituation(&fenetre), texteColonne(5, "rouge"));

    // The buttons' own "clicked()" is not what plays: a keyboard click on a
    // button (clicked() without a press) places nothing.
    bouton(&fenetre, "4")->click();
    QCOMPARE(grilleVue(plateau), apresCoups({5, 2, 5, 5}));
}

void EssaiFenetre::appliquerOptions()
{
    PartieEnCouleur ouverte;
    QVERIFY(ouverte.pret());
    Fenetre& fenetre = ouverte.fenetre;
    Quartelo4* plateau = ouverte.plateau;
    fenetre.appliquerOptions(2, false, true, false);
    QCOMPARE(listeDifficulte(&fenetre)->currentText(), QString("Difficile"));
    QCOMPARE(plateau->getProfondeur(), 12);
    QVERIFY(!caseSouris(&fenetre)->isChecked());
    QVERIFY(!plateau->estSourisActive());
    QVERIFY(radio(&fenetre, "Joueur rouge", "Ordinateur")->isChecked());
    QVERIFY(radio(&fenetre, "Joueur jaune", "Humain")->isChecked());
    QVERIFY(plateau->estRougeOrdinateur());
    QVERIFY(!plateau->estJauneOrdinateur());
    // No new game and nothing played.
    QCOMPARE(nombreDeJetons(plateau), 0);
    QCOMPARE(texteSituation(&fenetre), texteTour("rouge"));
    QVERIFY(fenetre.focusWidget() == plateau);

    fenetre.appliquerOptions(1, true, false, true);
    QCOMPARE(listeDifficulte(&fenetre)->currentText(), QString("Moyen"));
    QCOMPARE(plateau->getProfondeur(), 10);
    QVERIFY(caseSouris(&fenetre)->isChecked());
    QVERIFY(plateau->estSourisActive());
    QVERIFY(radio(&fenetre, "Joueur rouge", "Humain")->isChecked());
    QVERIFY(radio(&fenetre, "Joueur jaune", "Ordinateur")->isChecked());
    QVERIFY(!plateau->estRougeOrdinateur());
    QVERIFY(plateau->estJauneOrdinateur());
    QCOMPARE(nombreDeJetons(plateau), 0);
}

void EssaiFenetre::boutonsRadioSeulementANouvellePartie()
{
    PartieEnCouleur ouverte;
    QVERIFY(ouverte.pret());
    Fenetre& fenetre = ouverte.fenetre;
    Quartelo4* plateau = ouverte.plateau;
    appuyer(&fenetre, "3");

    // Yellow switched to the computer in the middle of the game.
    QRadioButton* jauneOrdi = radio(&fenetre, "Joueur jaune", "Ordinateur");
    cocher(jauneOrdi);
    QVERIFY(jauneOrdi->isChecked());
    QVERIFY(!radio(&fenetre, "Joueur jaune", "Humain")->isChecked());
    QVERIFY(radio(&fenetre, "Joueur rouge", "Humain")->isChecked());
    QVERIFY(!plateau->estJauneOrdinateur());
    appuyer(&fenetre, "4");
    appuyer(&fenetre, "3");
    QCOMPARE(grilleVue(plateau), apresCoups({3, 4, 3}));
    QCOMPARE(texteSituation(&fenetre), texteColonne(3, "jaune"));

    // The new game takes the choice: red opens, the computer answers.
    appuyer(&fenetre, "Nouvelle Partie");
    QVERIFY(plateau->estJauneOrdinateur());
    QVERIFY(!plateau->estRougeOrdinateur());
    QCOMPARE(nombreDeJetons(plateau), 0);
    QCOMPARE(texteSituation(&fenetre), texteTour("rouge"));
    const QString avant = plateauVu(plateau);
    appuyer(&fenetre, "6");
    QCOMPARE(nombreDeJetons(plateau), 2);
    QCOMPARE(plateau->getGrille()[6 + 7 * 5], 1);
    QString sansRouge = plateauVu(plateau);
    sansRouge[5 * 8 + 6] = '.';
    const int reponse = colonneAjoutee(avant, sansRouge);
    QVERIFY(reponse >= 0);
    QCOMPARE(texteSituation(&fenetre), texteColonne(reponse, "rouge"));
    QVERIFY(fenetre.focusWidget() == plateau);
}

// Red played by the computer after a draw between two people: the computer
// opens the new game at once.
void EssaiFenetre::ordinateurOuvreApresUneNulle()
{
    PartieEnCouleur ouverte;
    QVERIFY(ouverte.pret());
    Fenetre& fenetre = ouverte.fenetre;
    Quartelo4* plateau = ouverte.plateau;
    cocher(radio(&fenetre, "Joueur rouge", "Ordinateur"));
    jouerAuxBoutons(&fenetre, kPartieNulle);
    QCOMPARE(ouverte.boites.boites.size(), 1);
    QCOMPARE(texteSituation(&fenetre), kNulle);

    appuyer(&fenetre, "Nouvelle Partie");
    const int m = colonneDuSeulJeton(plateau);
    QVERIFY2(m >= 0, qPrintable(grilleVue(plateau)));
    QCOMPARE(plateau->getGrille()[m + 7 * 5], 1);
    QCOMPARE(texteSituation(&fenetre), texteColonne(m, "jaune"));
    QCOMPARE(plateauVu(plateau), apresCoups({m}));
    QCOMPARE(enTete(plateau), QString("y123456"));
}

// The one test with the game's own pause: a person's move, then the
// computer's answer after its search and at least 500 ms.
void EssaiFenetre::coupHumainContreOrdinateurAvecLaVraiePause()
{
    Pause pause(500);
    QCOMPARE(dureePause(), 500);
    PartieEnCouleur ouverte({8, true, false, true});
    QVERIFY(ouverte.pret());
    Fenetre& fenetre = ouverte.fenetre;
    Quartelo4* plateau = ouverte.plateau;
    QElapsedTimer chrono;
    chrono.start();
    cliquerCase(plateau, 3);
    const qint64 duree = chrono.elapsed();
    QVERIFY2(duree >= 500, qPrintable(QString::number(duree)));
    QCOMPARE(nombreDeJetons(plateau), 2);
    QString sansRouge = plateauVu(plateau);
    QCOMPARE(sansRouge[5 * 8 + 3], QChar('r'));
    sansRouge[5 * 8 + 3] = '.';
    const int reponse = colonneAjoutee(apresCoups({}), sansRouge);
    QVERIFY(reponse >= 0);
    QCOMPARE(texteSituation(&fenetre), texteColonne(reponse, "rouge"));
    QCOMPARE(plateau->getJoueurCourant(), 1);
    QCOMPARE(enTete(plateau), QString("x123456"));
}

// Both sides played by the computer: one press of "Nouvelle Partie" plays the
// whole game; the end box is shown once.
void EssaiFenetre::ordinateurContreOrdinateur()
{
    PartieEnCouleur partie;
    QVERIFY(partie.pret());
    Fenetre& fenetre = partie.fenetre;
    Quartelo4* plateau = partie.plateau;
    cocher(radio(&fenetre, "Joueur rouge", "Ordinateur"));
    cocher(radio(&fenetre, "Joueur jaune", "Ordinateur"));
    QCOMPARE(nombreDeJetons(plateau), 0);

    appuyer(&fenetre, "Nouvelle Partie");

    QVERIFY(plateau->estTerminee());
    QCOMPARE(partie.boites.boites.size(), 1);
    const BoiteVue& boite = partie.boites.boites.first();
    QCOMPARE(boite.titre, kTitreFin);
    QCOMPARE(texteSituation(&fenetre), boite.texte);
    QVERIFY2(boite.situationPendant.startsWith(kColonneJouee), qPrintable(boite.situationPendant));
    const QString vu = plateauVu(plateau);
    const int rouges = compter(vu, 'r') + compter(vu, 'R');
    const int jaunes = compter(vu, 'j') + compter(vu, 'J');
    QCOMPARE(rouges + jaunes, nombreDeJetons(plateau));
    QVERIFY(rouges == jaunes || rouges == jaunes + 1);
    QCOMPARE(vu.toLower(), grilleVue(plateau));
    if (plateau->getGagnant() == 0) {
        QCOMPARE(boite.texte, kNulle);
        QCOMPARE(nombreDeJetons(plateau), 42);
        QCOMPARE(compter(vu, 'R') + compter(vu, 'J'), 0);
    } else {
        const bool rouge = plateau->getGagnant() == 1;
        QCOMPARE(boite.texte, texteVainqueur(rouge ? "rouge" : "jaune"));
        QCOMPARE(compter(vu, rouge ? 'R' : 'J'), 4);
        QCOMPARE(compter(vu, rouge ? 'J' : 'R'), 0);
        // The winner made the last move.
        QCOMPARE(rouges == jaunes + 1, rouge);
    }
    QCOMPARE(enTete(plateau), QString("0123456"));
}

void EssaiFenetre::quitterTermineLaBoucle()
{
    PartieEnCouleur ouverte;
    QVERIFY(ouverte.pret());
    QPushButton* quitter = bouton(&ouverte.fenetre, "Quitter");
    QVERIFY(quitter);
    const FinDeBoucle fin = executerBoucle([&] { QTest::mouseClick(quitter, Qt::LeftButton); });
    QVERIFY(fin.actionFaite);
    QVERIFY(!fin.garde);
    QVERIFY(fin.aboutToQuit);
    QCOMPARE(fin.resultat, 0);
}

void EssaiFenetre::fermerLaFenetreTermineLaBoucle()
{
    PartieEnCouleur ouverte;
    QVERIFY(ouverte.pret());
    const FinDeBoucle fin = executerBoucle([&] { ouverte.fenetre.close(); });
    QVERIFY(fin.actionFaite);
    QVERIFY(!fin.garde);
    QCOMPARE(fin.resultat, 0);
    QVERIFY(!ouverte.fenetre.isVisible());
}

QTEST_MAIN(EssaiFenetre)
#include "essai_fenetre.moc"
