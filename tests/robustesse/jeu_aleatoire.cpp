// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Thousands of random user actions on the real windows: clicks, double
// clicks and hovers on the board, column buttons pressed with any mouse
// button, the keys of the game and others, Tab, the options, new games,
// Escape and "Quitter", with either side played by a person or the computer.
// After every single event the windows must show a consistent game.
//
//   QUARTELO4_ACTIONS  number of actions (default 3000)
//   QUARTELO4_GRAINE   seed (printed; the same seed replays the same actions)

#include <QApplication>
#include <QTest>

#include "fenetre.h"
#include "fenetre_debut.h"
#include "images_essai.h"
#include "messages_plateforme.h"
#include "ordinateur.h"
#include "positions_aleatoires.h"
#include "session_aleatoire.h"

class JeuAleatoire : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void actionsAleatoires();

private:
    essai::ImagesDuJeu images;
    int pauseAvant = 500;
};

void JeuAleatoire::initTestCase()
{
    taireNotesDePlateforme();
    const QString manquantes = images.charger();
    QVERIFY2(manquantes.isEmpty(), qPrintable(QStringLiteral("missing pictures: ") + manquantes));
    // The computer's 500 ms pause would only make the run longer.
    pauseAvant = dureePause();
    setDureePause(0);
}

void JeuAleatoire::cleanupTestCase()
{
    setDureePause(pauseAvant);
}

void JeuAleatoire::actionsAleatoires()
{
    const std::uint64_t graine = graineDepuisEnvironnement("QUARTELO4_GRAINE", 4242);
    const long nombre = nombreDepuisEnvironnement("QUARTELO4_ACTIONS", 3000);
    qInfo("seed %llu, %ld actions (replay with QUARTELO4_GRAINE=%llu QUARTELO4_ACTIONS=%ld)",
          static_cast<unsigned long long>(graine), nombre, static_cast<unsigned long long>(graine),
          nombre);

    Fenetre fenetre(8, true, false, false);
    FenetreDebut debut(&fenetre);
    SessionAleatoire session(&fenetre, &debut, images, false, graine);
    QVERIFY2(session.erreur().isEmpty(), qPrintable(QStringLiteral("not found: ") + session.erreur()));

    QVERIFY2(session.lancer(), qPrintable(session.defauts()));
    for (long i = 0; i < nombre; ++i) {
        if (!session.agir()) {
            qInfo("%s", qPrintable(session.bilan()));
            QFAIL(qPrintable(session.defauts()));
        }
        if (nombre >= 20000 && (i + 1) % 10000 == 0) {
            qInfo("%ld actions done, %d end-of-game boxes", i + 1, session.boites());
        }
    }
    qInfo("%s", qPrintable(session.bilan()));
    // A run that never reached the end of a game would prove little.
    QVERIFY2(session.boites() > 0, "no game ended during the run");
}

QTEST_MAIN(JeuAleatoire)
#include "jeu_aleatoire.moc"
