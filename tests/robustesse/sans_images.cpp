// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The game started in a folder without an images folder, and in a folder
// made read-only: both windows open, games are played to their end through
// random user actions, every label shows no picture, and nothing is written
// anywhere (neither in the working folder nor in the home and XDG folders,
// which point to fresh temporary folders for the run).
//
//   QUARTELO4_ACTIONS  number of actions in each folder (default 400)
//   QUARTELO4_GRAINE   seed (printed)

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>
#include <memory>

#include "dossiers_temoins.h"
#include "fenetre.h"
#include "fenetre_debut.h"
#include "images_essai.h"
#include "messages_plateforme.h"
#include "ordinateur.h"
#include "positions_aleatoires.h"
#include "session_aleatoire.h"

class SansImages : public QObject {
    Q_OBJECT

public:
    explicit SansImages(const DossiersTemoins& d) : dossiers(d) {}

private slots:
    void initTestCase();
    void cleanupTestCase();
    void dossierVide();
    void dossierEnLectureSeule();
    void rienEcrit();

private:
    void jouerDans(const QString& dossier, std::uint64_t graine);

    const DossiersTemoins& dossiers;
    QString origine;
    int pauseAvant = 500;
};

void SansImages::initTestCase()
{
    taireNotesDePlateforme();
    origine = QDir::currentPath();
    pauseAvant = dureePause();
    setDureePause(0);
}

void SansImages::cleanupTestCase()
{
    setDureePause(pauseAvant);
    QDir::setCurrent(origine);
}

void SansImages::jouerDans(const QString& dossier, std::uint64_t graine)
{
    const long nombre = nombreDepuisEnvironnement("QUARTELO4_ACTIONS", 400);
    qInfo("in %s: seed %llu, %ld actions (replay with QUARTELO4_GRAINE=%llu)", qPrintable(dossier),
          static_cast<unsigned long long>(graine), nombre, static_cast<unsigned long long>(graine));
    QVERIFY(QDir::setCurrent(dossier));
    QVERIFY(!QDir(QStringLiteral("images")).exists());
    {
        essai::ImagesDuJeu images; // nothing to read: every label must show no picture
        Fenetre fenetre(8, true, false, false);
        FenetreDebut debut(&fenetre);
        SessionAleatoire session(&fenetre, &debut, images, true, graine);
        QVERIFY2(session.erreur().isEmpty(), qPrintable(session.erreur()));
        QVERIFY2(session.lancer(), qPrintable(session.defauts()));
        for (long i = 0; i < nombre; ++i) {
            QVERIFY2(session.agir(), qPrintable(session.defauts()));
        }
        qInfo("%s", qPrintable(session.bilan()));
        QVERIFY2(session.boites() > 0, "no game was played to its end");
    }
    QVERIFY(QDir::setCurrent(origine));
}

void SansImages::dossierVide()
{
    jouerDans(QString::fromStdString(dossiers.vide()),
              graineDepuisEnvironnement("QUARTELO4_GRAINE", 7));
}

void SansImages::dossierEnLectureSeule()
{
    jouerDans(QString::fromStdString(dossiers.lectureSeule()),
              graineDepuisEnvironnement("QUARTELO4_GRAINE", 8) + 1);
}

void SansImages::rienEcrit()
{
    const std::string changes = dossiers.changements();
    QVERIFY2(changes.empty(), changes.c_str());
}

int main(int argc, char** argv)
{
    // The folders and the environment come before the application object,
    // which reads the environment when it starts.
    DossiersTemoins dossiers;
    if (!dossiers.pret()) {
        std::fprintf(stderr, "cannot make the temporary folders\n");
        return 1;
    }
    int resultat = 0;
    {
        QApplication application(argc, argv);
        SansImages essai(dossiers);
        resultat = QTest::qExec(&essai, argc, argv);
    }
    // Once the application object is gone too.
    const std::string changes = dossiers.changements();
    if (!changes.empty()) {
        std::fprintf(stderr, "files written during the run:\n%s", changes.c_str());
        resultat = 1;
    }
    return resultat;
}

#include "sans_images.moc"
