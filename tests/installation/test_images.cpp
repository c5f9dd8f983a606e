// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures of images/ and of the desktop icons: drawn by the artwork
// program and nothing else, readable, of the right size, found by the names
// that the game uses, and telling the tokens apart without relying on hue.

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList nomsDesImages = {
    "emplacement_pour_pion.bmp", "pion_rouge_joue.bmp", "pion_jaune_joue.bmp", "pion_rouge.bmp",
    "pion_jaune.bmp", "0.bmp", "1.bmp", "2.bmp", "3.bmp", "4.bmp", "5.bmp", "6.bmp",
    "pion_rouge_gagnant.bmp", "pion_jaune_gagnant.bmp", "icone.bmp",
};

const QStringList enTete = {"0.bmp", "1.bmp", "2.bmp", "3.bmp", "4.bmp", "5.bmp", "6.bmp",
                            "pion_rouge.bmp", "pion_jaune.bmp"};

QByteArray contenu(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return QByteArray();
    return fichier.readAll();
}

QStringList fichiersSous(const QString& dossier) {
    QStringList noms;
    const QDir racine(QDir(dossier).absolutePath());
    QDirIterator it(racine.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        noms << racine.relativeFilePath(it.next());
    noms.sort();
    return noms;
}

// Share of the pixels whose grey levels differ by more than a visible step.
double partDifferenteEnGris(const QImage& a, const QImage& b) {
    const QImage ga = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage gb = b.convertToFormat(QImage::Format_Grayscale8);
    int differents = 0;
    for (int y = 0; y < ga.height(); ++y)
        for (int x = 0; x < ga.width(); ++x)
            if (qAbs(qGray(ga.pixel(x, y)) - qGray(gb.pixel(x, y))) > 40)
                ++differents;
    return double(differents) / (ga.width() * ga.height());
}

// Empty when two desktop icons show the same drawing, else where they part.
// Qt's raster engine rounds the colour of partly transparent pixels one way
// or the other depending on the processor's instructions, so there, and only
// there, a colour may differ by one step; the coverage (alpha) and every
// opaque pixel must be exact.
QString ecartEntreIcones(const QImage& premiere, const QImage& seconde) {
    const QImage a = premiere.convertToFormat(QImage::Format_ARGB32);
    const QImage b = seconde.convertToFormat(QImage::Format_ARGB32);
    if (a.isNull() || a.size() != b.size())
        return "size";
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int pas = qAlpha(p) == 255 ? 0 : 1;
            if (qAlpha(p) != qAlpha(q) || qAbs(qRed(p) - qRed(q)) > pas || qAbs(qGreen(p) - qGreen(q)) > pas
                || qAbs(qBlue(p) - qBlue(q)) > pas)
                return QString("pixel (%1,%2): %3 / %4").arg(x).arg(y).arg(p, 8, 16).arg(q, 8, 16);
        }
    }
    return QString();
}

}  // namespace

class TestImages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The test runs from the folder that holds images/, as the game does.
        QVERIFY2(QDir("images").exists(), qPrintable(QDir::currentPath()));
    }

    void lesFichiersSontCeuxQueDessineLeProgramme() {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString images = dossier.filePath("images");
        const QString icones = dossier.filePath("icones");
        const QString installateur = dossier.filePath("installateur");
        QProcess dessin;
        dessin.start(QUARTELO4_PROGRAMME_IMAGES, {images, icones, installateur});
        QVERIFY(dessin.waitForFinished(60000));
        QCOMPARE(dessin.exitStatus(), QProcess::NormalExit);
        QVERIFY2(dessin.exitCode() == 0, dessin.readAllStandardError().constData());

        QCOMPARE(fichiersSous(images).size(), 3 * nomsDesImages.size());  // also at 2x and 3x
        QCOMPARE(fichiersSous("images"), fichiersSous(images));
        for (const QString& nom : fichiersSous(images)) {
            const QByteArray attendu = contenu(QDir(images).filePath(nom));
            QVERIFY(!attendu.isEmpty());
            QVERIFY2(contenu(QDir("images").filePath(nom)) == attendu,
                     qPrintable("images/" + nom + " differs from what artwork/ draws: "
                                "redraw it with the 'images' target"));
        }
        const QString iconesDuDepot = QUARTELO4_DOSSIER_ICONES;
        QCOMPARE(fichiersSous(iconesDuDepot), fichiersSous(icones));
        QVERIFY(!fichiersSous(icones).isEmpty());
        for (const QString& nom : fichiersSous(icones)) {
            const QString ecart = ecartEntreIcones(QImage(QDir(iconesDuDepot).filePath(nom)),
                                                   QImage(QDir(icones).filePath(nom)));
            QVERIFY2(ecart.isEmpty(), qPrintable(nom + " differs from what artwork/ draws, " + ecart));
        }
        QCOMPARE(fichiersSous(QUARTELO4_DOSSIER_INSTALLATEUR), fichiersSous(installateur));
        for (const QString& nom : fichiersSous(installateur))
            QVERIFY2(contenu(QDir(QUARTELO4_DOSSIER_INSTALLATEUR).filePath(nom)) == contenu(QDir(installateur).filePath(nom)),
                     qPrintable(nom + " differs from what artwork/ draws"));
    }

    void laComparaisonDesIconesResteSerree_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("changement");
        QTest::addColumn<bool>("accepte");
        // As another processor draws them: one step off at translucent edges.
        QTest::newRow("32, autre processeur") << "32x32" << "autre processeur" << true;
        QTest::newRow("256, autre processeur") << "256x256" << "autre processeur" << true;
        // Real changes of the art.
        QTest::newRow("couleur du bord deplacee de deux pas") << "256x256" << "palette" << false;
        QTest::newRow("bord translucide de deux pas") << "256x256" << "translucide" << false;
        QTest::newRow("un pixel opaque d'un pas") << "32x32" << "opaque" << false;
        QTest::newRow("couverture d'un pas") << "32x32" << "alpha" << false;
    }

    void laComparaisonDesIconesResteSerree() {
        QFETCH(QString, nom);
        QFETCH(QString, changement);
        QFETCH(bool, accepte);
        const QImage depot = QImage(QString(QUARTELO4_DOSSIER_ICONES) + "/" + nom + "/quartelo4.png")
                                 .convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!depot.isNull());
        QImage autre = depot;
        if (changement == "autre processeur") {
            autre = QImage("tests/installation/icones-autre-processeur/" + nom + "/quartelo4.png");
            QVERIFY(!autre.isNull());
            QVERIFY(autre != depot);
        } else {
            // The board's dark blue, moved by two steps of blue wherever it
            // stands; or a single pixel changed.
            const QRgb sombre = qRgb(10, 40, 110);
            bool change = false;
            for (int y = 0; y < autre.height(); ++y) {
                for (int x = 0; x < autre.width(); ++x) {
                    const QRgb p = autre.pixel(x, y);
                    const bool opaque = qAlpha(p) == 255;
                    const bool translucide = qAlpha(p) > 0 && !opaque;
                    QRgb q = p;
                    if (changement == "palette" && (p & 0xffffff) == (sombre & 0xffffff))
                        q = qRgba(qRed(p), qGreen(p), qBlue(p) + 2, qAlpha(p));
                    else if (!change && changement == "translucide" && translucide && qBlue(p) < 250)
                        q = qRgba(qRed(p), qGreen(p), qBlue(p) + 2, qAlpha(p));
                    else if (!change && changement == "opaque" && opaque && qBlue(p) < 255)
                        q = qRgba(qRed(p), qGreen(p), qBlue(p) + 1, 255);
                    else if (!change && changement == "alpha" && translucide)
                        q = qRgba(qRed(p), qGreen(p), qBlue(p), qAlpha(p) + 1);
                    change = change || q != p;
                    autre.setPixel(x, y, q);
                }
            }
            QVERIFY(change);
        }
        QCOMPARE(ecartEntreIcones(depot, autre).isEmpty(), accepte);
    }

    void leDessinNeDependPasDeLExecution() {
        QTemporaryDir a;
        QTemporaryDir b;
        QVERIFY(a.isValid() && b.isValid());
        for (const QTemporaryDir* dossier : {&a, &b}) {
            QProcess dessin;
            dessin.start(QUARTELO4_PROGRAMME_IMAGES, {dossier->path()});
            QVERIFY(dessin.waitForFinished(60000));
            QCOMPARE(dessin.exitCode(), 0);
        }
        for (const QString& nom : fichiersSous(a.path()))
            QCOMPARE(contenu(a.filePath(nom)), contenu(b.filePath(nom)));
    }

    void leProgrammeRefuseUnDossierImpossible() {
        QTemporaryDir dossier;
        QFile bloque(dossier.filePath("fichier"));
        QVERIFY(bloque.open(QIODevice::WriteOnly));
        bloque.close();
        QProcess dessin;
        dessin.start(QUARTELO4_PROGRAMME_IMAGES, {dossier.filePath("fichier/images")});
        QVERIFY(dessin.waitForFinished(60000));
        QVERIFY(dessin.exitCode() != 0);
        QVERIFY(!dessin.readAllStandardError().isEmpty());

        dessin.start(QUARTELO4_PROGRAMME_IMAGES, QStringList());
        QVERIFY(dessin.waitForFinished(60000));
        QCOMPARE(dessin.exitCode(), 2);
    }

    void chaqueImageSeChargeALaBonneTaille_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QSize>("taille");
        for (const QString& nom : nomsDesImages)
            QTest::newRow(qPrintable(nom)) << nom << (nom == "icone.bmp" ? QSize(64, 64) : QSize(90, 90));
    }

    void chaqueImageSeChargeALaBonneTaille() {
        QFETCH(QString, nom);
        QFETCH(QSize, taille);
        const QString chemin = "images/" + nom;
        const QPixmap image(chemin);
        QVERIFY2(!image.isNull(), qPrintable(chemin));
        QCOMPARE(image.size(), taille);
        QVERIFY(!image.hasAlphaChannel());
        // A BMP of 24 bits per pixel: "BM", then the bit count at offset 28.
        const QByteArray octets = contenu(chemin);
        QVERIFY(octets.startsWith("BM"));
        QCOMPARE(int(quint8(octets.at(28))) | (int(quint8(octets.at(29))) << 8), 24);
    }

    void lesGagnantsSontTrouvesSansExtension() {
        for (const QString couleur : {"rouge", "jaune"}) {
            const QString nom = "images/pion_" + couleur + "_gagnant";
            QVERIFY(!QFile::exists(nom));
            const QPixmap sansExtension(nom);
            QVERIFY2(!sansExtension.isNull(), qPrintable(nom));
            QCOMPARE(sansExtension.toImage(), QImage(nom + ".bmp"));
        }
    }

    void lesEntetesFormentUneBande() {
        // Every picture of the header row has the same left and right edges,
        // so that seven of them side by side join without a seam.
        const QImage reference = QImage("images/0.bmp").convertToFormat(QImage::Format_RGB32);
        QVERIFY(!reference.isNull());
        for (const QString& nom : enTete) {
            const QImage image = QImage("images/" + nom).convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < 90; ++y) {
                QCOMPARE(image.pixel(0, y), reference.pixel(0, y));
                QCOMPARE(image.pixel(89, y), reference.pixel(89, y));
                QCOMPARE(image.pixel(0, y), image.pixel(89, y));
            }
        }
    }

    void chaqueRoleASonImage() {
        // No two files show the same picture: every state of a cell can be
        // told from what it shows.
        for (int i = 0; i < nomsDesImages.size(); ++i)
            for (int j = i + 1; j < nomsDesImages.size(); ++j)
                QVERIFY2(QImage("images/" + nomsDesImages.at(i)) != QImage("images/" + nomsDesImages.at(j)),
                         qPrintable(nomsDesImages.at(i) + " = " + nomsDesImages.at(j)));
    }

    void lesCasesDuPlateauSeRaccordent() {
        // The board cells share their edges too: the sheet runs on from one
        // square to the next.
        const QImage vide = QImage("images/emplacement_pour_pion.bmp").convertToFormat(QImage::Format_RGB32);
        for (const char* nom : {"pion_rouge_joue.bmp", "pion_jaune_joue.bmp"}) {
            const QImage image = QImage(QString("images/") + nom).convertToFormat(QImage::Format_RGB32);
            for (int i = 0; i < 90; ++i) {
                QCOMPARE(image.pixel(0, i), vide.pixel(0, i));
                QCOMPARE(image.pixel(i, 0), vide.pixel(i, 0));
                QCOMPARE(image.pixel(89, i), vide.pixel(89, i));
                QCOMPARE(image.pixel(i, 89), vide.pixel(i, 89));
            }
        }
    }

    void lesPionsSeDistinguentSansLaCouleur_data() {
        QTest::addColumn<QString>("premier");
        QTest::addColumn<QString>("second");
        QTest::addColumn<double>("partMinimale");
        // A winning token must differ from a played one by its shape and
        // mark, seen in grey, over a good part of the square.
        QTest::newRow("rouge gagnant") << "pion_rouge_joue.bmp" << "pion_rouge_gagnant.bmp" << 0.15;
        QTest::newRow("jaune gagnant") << "pion_jaune_joue.bmp" << "pion_jaune_gagnant.bmp" << 0.15;
        // The cursor is a token off the board, nothing like an empty slot.
        QTest::newRow("curseur rouge") << "0.bmp" << "pion_rouge.bmp" << 0.15;
        QTest::newRow("curseur jaune") << "0.bmp" << "pion_jaune.bmp" << 0.15;
        // Red and yellow stay apart in grey: different brightness and marks.
        QTest::newRow("rouge et jaune") << "pion_rouge_joue.bmp" << "pion_jaune_joue.bmp" << 0.3;
        QTest::newRow("pion et emplacement") << "emplacement_pour_pion.bmp" << "pion_jaune_joue.bmp" << 0.3;
    }

    void lesPionsSeDistinguentSansLaCouleur() {
        QFETCH(QString, premier);
        QFETCH(QString, second);
        QFETCH(double, partMinimale);
        const QImage a("images/" + premier);
        const QImage b("images/" + second);
        QVERIFY(!a.isNull() && !b.isNull());
        const double part = partDifferenteEnGris(a, b);
        QVERIFY2(part >= partMinimale, qPrintable(QString::number(part)));
    }

    void lesIconesDuBureauOntLeurTaille() {
        const QString dossier = QUARTELO4_DOSSIER_ICONES;
        const QStringList noms = fichiersSous(dossier);
        QVERIFY(noms.contains("64x64/quartelo4.png"));
        for (const QString& nom : noms) {
            const QImage icone(QDir(dossier).filePath(nom));
            QVERIFY2(!icone.isNull(), qPrintable(nom));
            const int cote = nom.section('x', 0, 0).toInt();
            QCOMPARE(icone.size(), QSize(cote, cote));
            QVERIFY(icone.hasAlphaChannel());
            // Rounded corners: the very corner is transparent, the middle opaque.
            QCOMPARE(qAlpha(icone.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(icone.pixel(cote / 2, cote / 2)), 255);
        }
    }
};

QTEST_MAIN(TestImages)
#include "test_images.moc"
