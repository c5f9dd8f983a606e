// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Screenshots of the real windows, drawn offscreen, for the documentation:
// the start window, a game in progress with the cursor over a column, a won
// game with its winning line, a drawn game and the end-of-game message.
//
//   QT_QPA_PLATFORM=offscreen quartelo4_captures <folder>
//
// Run it from the folder that holds images/, as the game is run.

#include "fenetre.h"
#include "fenetre_debut.h"
#include "label.h"
#include "quartelo4.h"
#include "style_compact.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <array>
#include <vector>

namespace {

QString dossierSortie;
bool toutEstEcrit = true;

void enregistrer(QWidget* fenetre, const QString& nom) {
    const QString chemin = QDir(dossierSortie).filePath(nom);
    if (!fenetre->grab().save(chemin)) {
        QTextStream(stderr) << "quartelo4_captures : impossible d'écrire " << chemin << "\n";
        toutEstEcrit = false;
    }
}

void montrer(QWidget* fenetre) {
    fenetre->show();
    if (!QTest::qWaitForWindowExposed(fenetre))
        QTextStream(stderr) << "quartelo4_captures : fenêtre non exposée\n";
    QTest::qWait(50);
}

// A click on the board in a column, as a player does it.
void cliquerColonne(Fenetre& fenetre, int colonne) {
    Label* cellule = fenetre.getPlateau()->getLabel(3, colonne);
    QTest::mouseClick(cellule, Qt::LeftButton, Qt::NoModifier, cellule->rect().center());
}

// The end-of-game box is modal: when it shows up, take its picture (once,
// if asked) and press Ok.
void fermerLeMessageDeFin(const QString& capture) {
    auto* attente = new QTimer(qApp);
    QObject::connect(attente, &QTimer::timeout, [attente, capture] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!boite)
            return;
        attente->stop();
        attente->deleteLater();
        QTest::qWait(50);
        if (!capture.isEmpty())
            enregistrer(boite, capture);
        QTest::mouseClick(boite->button(QMessageBox::Ok), Qt::LeftButton);
    });
    attente->start(20);
}

// A full board without four in a line: a depth-first search over the moves,
// red first, that never completes a line.
class RechercheNulle {
public:
    std::vector<int> coups() {
        cases.fill({});
        hauteurs.fill(0);
        suite.clear();
        chercher(1);
        return suite;
    }

private:
    std::array<std::array<int, 7>, 6> cases{};
    std::array<int, 7> hauteurs{};
    std::vector<int> suite;

    int valeur(int ligne, int colonne) const {
        if (ligne < 0 || ligne > 5 || colonne < 0 || colonne > 6)
            return 0;
        return cases[static_cast<size_t>(ligne)][static_cast<size_t>(colonne)];
    }

    bool aligne(int ligne, int colonne) const {
        const int joueur = valeur(ligne, colonne);
        const int directions[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
        for (const auto& d : directions) {
            int n = 1;
            for (int sens : {1, -1})
                for (int k = 1; k < 4 && valeur(ligne + sens * k * d[0], colonne + sens * k * d[1]) == joueur; ++k)
                    ++n;
            if (n >= 4)
                return true;
        }
        return false;
    }

    bool chercher(int joueur) {
        if (suite.size() == 42)
            return true;
        // Columns from the middle outwards, shifted by the move number, so
        // the tokens spread over the board.
        const int ordre[7] = {3, 2, 4, 1, 5, 0, 6};
        for (int i = 0; i < 7; ++i) {
            const int colonne = ordre[(i + static_cast<int>(suite.size())) % 7];
            const size_t c = static_cast<size_t>(colonne);
            if (hauteurs[c] == 6)
                continue;
            const int ligne = 5 - hauteurs[c];
            cases[static_cast<size_t>(ligne)][c] = joueur;
            ++hauteurs[c];
            suite.push_back(colonne);
            if (!aligne(ligne, colonne) && chercher(3 - joueur))
                return true;
            suite.pop_back();
            --hauteurs[c];
            cases[static_cast<size_t>(ligne)][c] = 0;
        }
        return false;
    }
};

void captureDebut() {
    Fenetre fenetre(8, true, false, false);
    FenetreDebut debut(&fenetre);
    montrer(&debut);
    enregistrer(&debut, "fenetre-debut.png");
}

void capturePartieEnCours() {
    Fenetre fenetre(8, true, false, false);
    montrer(&fenetre);
    for (int colonne : {3, 3, 4, 2, 2, 4, 5, 1, 4})
        cliquerColonne(fenetre, colonne);
    // Yellow to move; the pointer rests over column 5.
    Label* entete = fenetre.getPlateau()->getLabel(0, 5);
    QTest::mouseMove(entete, entete->rect().center());
    QTest::qWait(50);
    enregistrer(&fenetre, "partie-en-cours.png");
}

void capturePartieGagnee() {
    Fenetre fenetre(8, true, false, false);
    montrer(&fenetre);
    // Red lines up a diagonal from the bottom left.
    const int coups[] = {1, 2, 2, 3, 4, 3, 3, 4, 0, 4, 6, 5, 5, 6, 4};
    const int nombre = static_cast<int>(sizeof coups / sizeof coups[0]);
    for (int i = 0; i < nombre; ++i) {
        if (i == nombre - 1)
            fermerLeMessageDeFin("message-fin.png");
        cliquerColonne(fenetre, coups[i]);
    }
    QTest::qWait(50);
    enregistrer(&fenetre, "partie-gagnee.png");
}

void capturePartieNulle() {
    Fenetre fenetre(8, true, false, false);
    montrer(&fenetre);
    const std::vector<int> coups = RechercheNulle().coups();
    for (size_t i = 0; i < coups.size(); ++i) {
        if (i + 1 == coups.size())
            fermerLeMessageDeFin(QString());
        cliquerColonne(fenetre, coups[i]);
    }
    QTest::qWait(50);
    enregistrer(&fenetre, "partie-nulle.png");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    installerStyle(application);  // the game's own look, as in windows/main.cpp
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage : quartelo4_captures <dossier des captures>\n";
        return 2;
    }
    dossierSortie = arguments.at(1);
    if (!QDir().mkpath(dossierSortie)) {
        QTextStream(stderr) << "quartelo4_captures : impossible de créer " << dossierSortie << "\n";
        return 1;
    }
    captureDebut();
    capturePartieEnCours();
    capturePartieGagnee();
    capturePartieNulle();
    return toutEstEcrit ? 0 : 1;
}
