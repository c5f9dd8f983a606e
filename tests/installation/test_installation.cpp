// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// `cmake --install` into a temporary prefix: the tree it lays out, the
// launcher and the desktop entry that name it, and the game started from
// them, finding its pictures.

#include "fenetre.h"
#include "label.h"
#include "quartelo4.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList nomsDesImages = {
    "0.bmp", "1.bmp", "2.bmp", "3.bmp", "4.bmp", "5.bmp", "6.bmp", "emplacement_pour_pion.bmp", "icone.bmp",
    "pion_jaune.bmp", "pion_jaune_gagnant.bmp", "pion_jaune_joue.bmp", "pion_rouge.bmp",
    "pion_rouge_gagnant.bmp", "pion_rouge_joue.bmp",
};

struct Resultat {
    int code = -1;
    QString sortie;
};

// Runs `cmake --install` of this build tree, with DESTDIR when given.
Resultat installer(const QString& prefixe, const QString& destdir = QString()) {
    QProcess cmake;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.remove("DESTDIR");
    if (!destdir.isEmpty())
        environnement.insert("DESTDIR", destdir);
    cmake.setProcessEnvironment(environnement);
    cmake.setProcessChannelMode(QProcess::MergedChannels);
    cmake.start(QUARTELO4_CMAKE, {"--install", QUARTELO4_CONSTRUCTION, "--prefix", prefixe});
    Resultat resultat;
    if (cmake.waitForFinished(120000) && cmake.exitStatus() == QProcess::NormalExit)
        resultat.code = cmake.exitCode();
    resultat.sortie = QString::fromLocal8Bit(cmake.readAll());
    return resultat;
}

QByteArray contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

// The keys of the [Desktop Entry] group.
QMap<QString, QString> lireEntree(const QString& chemin) {
    QMap<QString, QString> cles;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly | QIODevice::Text))
        return cles;
    bool dansLeGroupe = false;
    const QStringList lignes = QString::fromUtf8(fichier.readAll()).split('\n');
    for (const QString& ligne : lignes) {
        if (ligne.startsWith('[')) {
            dansLeGroupe = ligne == "[Desktop Entry]";
            continue;
        }
        const qsizetype egal = ligne.indexOf('=');
        if (dansLeGroupe && egal > 0 && !ligne.startsWith('#'))
            cles.insert(ligne.left(egal), ligne.mid(egal + 1));
    }
    return cles;
}

// The program of an Exec= line: its first argument, quoted or not.
QString programmeDe(const QString& exec) {
    if (exec.startsWith('"')) {
        const qsizetype fin = exec.indexOf('"', 1);
        return fin > 0 ? exec.mid(1, fin - 1) : QString();
    }
    return exec.section(' ', 0, 0);
}

bool estExecutable(const QString& chemin) {
    const QFileInfo info(chemin);
    return info.isFile() && info.isExecutable();
}

}  // namespace

class TestInstallation : public QObject {
    Q_OBJECT

private:
    QTemporaryDir temporaire;
    // A prefix with a blank in it, as a user's folder may have.
    QString prefixe;

    QString donnees() const { return prefixe + "/share/quartelo4"; }
    QString lanceur() const { return prefixe + "/bin/quartelo4"; }
    QString programme() const { return prefixe + "/libexec/quartelo4/quartelo4"; }
    QString entree() const { return prefixe + "/share/applications/" QUARTELO4_ID ".desktop"; }

    // Starts `commande` offscreen in `dossier` and checks that, a moment
    // later, the installed program is running in the data folder.
    void demarrerEtVerifier(const QString& dossier, const QString& commande) {
        QProcess jeu;
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert("QT_QPA_PLATFORM", "offscreen");
        jeu.setProcessEnvironment(environnement);
        jeu.setWorkingDirectory(dossier);
        jeu.start(commande, QStringList());
        QVERIFY(jeu.waitForStarted(10000));
        QTest::qWait(1500);
        QCOMPARE(jeu.state(), QProcess::Running);
        const QString proc = QString("/proc/%1/").arg(jeu.processId());
        QCOMPARE(QFileInfo(proc + "exe").symLinkTarget(), QFileInfo(programme()).canonicalFilePath());
        QCOMPARE(QFileInfo(proc + "cwd").symLinkTarget(), QFileInfo(donnees()).canonicalFilePath());
        jeu.kill();
        QVERIFY(jeu.waitForFinished(10000));
    }

private slots:
    void initTestCase() {
        QVERIFY(temporaire.isValid());
        prefixe = temporaire.filePath("mon préfixe");
        const Resultat resultat = installer(prefixe);
        QVERIFY2(resultat.code == 0, qPrintable(resultat.sortie));
    }

    void leProgrammeEtSonLanceur() {
        QVERIFY(estExecutable(programme()));
        QVERIFY(estExecutable(lanceur()));
        const QString script = QString::fromUtf8(contenu(lanceur()));
        QVERIFY(script.startsWith("#!/bin/sh\n"));
        QVERIFY2(script.contains("cd \"" + donnees() + "\""), qPrintable(script));
        QVERIFY2(script.contains("exec \"" + programme() + "\" \"$@\""), qPrintable(script));
    }

    void lesImagesSontCellesDuDepot() {
        QDir images(donnees() + "/images");
        QStringList installees = images.entryList(QDir::Files);
        installees.sort();
        QStringList attendues = QDir(QString(QUARTELO4_SOURCES) + "/images").entryList(QDir::Files);
        attendues.sort();
        QCOMPARE(attendues.size(), 3 * nomsDesImages.size());  // also at 2x and 3x
        QCOMPARE(installees, attendues);
        for (const QString& nom : attendues) {
            const QByteArray octets = contenu(images.filePath(nom));
            QVERIFY(!octets.isEmpty());
            QCOMPARE(octets, contenu(QString(QUARTELO4_SOURCES) + "/images/" + nom));
        }
    }

    void lesIcones() {
        for (int cote : {16, 24, 32, 48, 64, 128, 256}) {
            const QString taille = QString("%1x%1").arg(cote);
            const QImage icone(prefixe + "/share/icons/hicolor/" + taille + "/apps/" QUARTELO4_ID ".png");
            QVERIFY2(!icone.isNull(), qPrintable(taille));
            QCOMPARE(icone.size(), QSize(cote, cote));
        }
    }

    void lesPagesDeManuelLesMetadonneesEtLaDocumentation() {
        for (const QString& fichier : {QString("/share/man/man6/quartelo4.6.gz"),
                                       QString("/share/man/fr/man6/quartelo4.6.gz"),
                                       QString("/share/metainfo/" QUARTELO4_ID ".metainfo.xml"),
                                       QString("/share/doc/quartelo4/copyright"),
                                       QString("/share/doc/quartelo4/changelog.gz")})
            QVERIFY2(QFileInfo(prefixe + fichier).size() > 0, qPrintable(fichier));
        // The Debian changelog belongs to the Debian package only.
        QVERIFY(!QFile::exists(prefixe + "/share/doc/quartelo4/changelog.Debian.gz"));
        QVERIFY(!QFile::exists(prefixe + "/share/lintian"));
        const QString metainfo = QString::fromUtf8(contenu(prefixe + "/share/metainfo/" QUARTELO4_ID ".metainfo.xml"));
        QVERIFY(metainfo.contains("<id>" QUARTELO4_ID "</id>"));
        QVERIFY(metainfo.contains("<launchable type=\"desktop-id\">" QUARTELO4_ID ".desktop</launchable>"));
        QVERIFY(metainfo.contains("<release version=\"" QUARTELO4_VERSION "\""));
    }

    void lEntreeDeBureau() {
        const QMap<QString, QString> cles = lireEntree(entree());
        QVERIFY2(!cles.isEmpty(), qPrintable(entree()));
        QCOMPARE(cles.value("Type"), QString("Application"));
        QCOMPARE(cles.value("Name"), QString("Quartelo 4"));
        // The entry, its icon and the metainfo share the id the program
        // gives Qt as its desktop file name.
        QCOMPARE(cles.value("Icon"), QString(QUARTELO4_ID));
        QCOMPARE(cles.value("Terminal"), QString("false"));
        QVERIFY(cles.value("Categories").split(';').contains("Game"));
        // Path= is the folder that holds images/, where the game must run.
        QCOMPARE(cles.value("Path"), donnees());
        QVERIFY(QDir(cles.value("Path") + "/images").exists());
        // Exec= names the installed launcher.
        const QString exec = programmeDe(cles.value("Exec"));
        QCOMPARE(exec, lanceur());
        QVERIFY(estExecutable(exec));
    }

    void leJeuDemarreDepuisLEntree() {
        // Started as a desktop would start it, from anywhere, offscreen.
        const QMap<QString, QString> cles = lireEntree(entree());
        demarrerEtVerifier(cles.value("Path"), programmeDe(cles.value("Exec")));
    }

    void leLanceurChangeDeDossier() {
        // The launcher alone, started from another folder, also runs the
        // game in the data folder.
        demarrerEtVerifier(QDir::rootPath(), lanceur());
    }

    void laFenetreMontreLesImagesInstallees() {
        // The game window built in the data folder shows every picture.
        const QString avant = QDir::currentPath();
        QVERIFY(QDir::setCurrent(donnees()));
        {
            Fenetre fenetre(8, true, false, false);
            QVERIFY(!fenetre.windowIcon().isNull());
            Quartelo4* plateau = fenetre.getPlateau();
            for (int ligne = 0; ligne < 7; ++ligne) {
                for (int colonne = 0; colonne < 7; ++colonne) {
                    const QPixmap image = plateau->getLabel(ligne, colonne)->pixmap();
                    QVERIFY2(!image.isNull(), qPrintable(QString("%1,%2").arg(ligne).arg(colonne)));
                    QCOMPARE(image.size(), QSize(90, 90));
                }
            }
            // The cursor over column 0 is the red token, not the column picture.
            QCOMPARE(plateau->getLabel(0, 0)->pixmap().toImage(), QImage("images/pion_rouge.bmp"));
        }
        QVERIFY(QDir::setCurrent(avant));
    }

    void unePreparationDePaquetNommeLesDossiersFinaux() {
        // With DESTDIR the files go under it, but they name the real prefix.
        QTemporaryDir scene;
        QVERIFY(scene.isValid());
        const Resultat resultat = installer("/usr", scene.path());
        QVERIFY2(resultat.code == 0, qPrintable(resultat.sortie));
        const QString script = QString::fromUtf8(contenu(scene.path() + "/usr/bin/quartelo4"));
        QVERIFY(script.contains("cd \"/usr/share/quartelo4\""));
        QVERIFY(script.contains("exec \"/usr/libexec/quartelo4/quartelo4\""));
        QVERIFY(!script.contains(scene.path()));
        const QMap<QString, QString> cles = lireEntree(scene.path() + "/usr/share/applications/" QUARTELO4_ID ".desktop");
        QCOMPARE(cles.value("Path"), QString("/usr/share/quartelo4"));
        QCOMPARE(programmeDe(cles.value("Exec")), QString("/usr/bin/quartelo4"));
        QVERIFY(QFile::exists(scene.path() + "/usr/share/quartelo4/images/pion_rouge_gagnant.bmp"));
    }

    void unPrefixeQuiCasseraitLeLanceurEstRefuse() {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString mauvais = dossier.filePath("a\"b");
        const Resultat resultat = installer(mauvais);
        QVERIFY(resultat.code != 0);
        QVERIFY2(resultat.sortie.contains("cannot be installed"), qPrintable(resultat.sortie));
        QVERIFY(!QFile::exists(mauvais + "/bin/quartelo4"));
    }
};

QTEST_MAIN(TestInstallation)
#include "test_installation.moc"
