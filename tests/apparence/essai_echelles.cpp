// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The board's pictures at the display scale of the run (QT_SCALE_FACTOR,
// one run per scale): grabbed from the real window at device resolution,
// they must be as sharp as the artwork drawn directly at that size.

#include <QtTest>

#include "fenetre.h"
#include "fenetre_debut.h"
#include "label.h"
#include "outils_essai.h"
#include "parties_essai.h"
#include "quartelo4.h"

using namespace essai;

class EssaiEchelles : public QObject {
    Q_OBJECT

private slots:
    void lesImagesSontNettes_data();
    void lesImagesSontNettes();
    void sansLesGrandesImages();
};

void EssaiEchelles::lesImagesSontNettes_data()
{
    QTest::addColumn<std::vector<int>>("coups");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<int>("colonne");
    QTest::addColumn<QString>("nom");
    // Between two sizes: the dB that a smooth scaling of the larger drawing
    // keeps. The winning token's rings and star lose more.
    QTest::addColumn<double>("seuilEntreDeux");
    const std::vector<int> aucun;
    QTest::newRow("case vide") << aucun << 3 << 4 << "emplacement_pour_pion.bmp" << 36.0;
    QTest::newRow("en-tête") << aucun << 0 << 3 << "3.bmp" << 36.0;
    QTest::newRow("curseur rouge") << aucun << 0 << 0 << "pion_rouge.bmp" << 36.0;
    QTest::newRow("curseur jaune") << std::vector<int>{2} << 0 << 0 << "pion_jaune.bmp" << 36.0;
    QTest::newRow("pion rouge") << std::vector<int>{2} << 6 << 2 << "pion_rouge_joue.bmp" << 36.0;
    QTest::newRow("pion jaune") << std::vector<int>{2, 5} << 6 << 5 << "pion_jaune_joue.bmp" << 36.0;
    QTest::newRow("rouge gagnant") << kRougeGagne << 6 << 0 << "pion_rouge_gagnant.bmp" << 32.5;
    QTest::newRow("jaune gagnant") << kJauneGagne << 3 << 1 << "pion_jaune_gagnant.bmp" << 32.5;
}

void EssaiEchelles::lesImagesSontNettes()
{
    QFETCH(std::vector<int>, coups);
    QFETCH(int, ligne);
    QFETCH(int, colonne);
    QFETCH(QString, nom);
    QFETCH(double, seuilEntreDeux);
    const qreal echelle = echelleDuLancement();
    Fenetre fenetre(8, true, false, false);
    FenetreDebut debut(&fenetre);
    SurveillantDeBoites boites(&fenetre);
    debut.show();
    QTest::mouseClick(bouton(&debut, "Nouvelle Partie"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    QCOMPARE(fenetre.devicePixelRatio(), echelle);
    jouerAuClic(fenetre.getPlateau(), coups);

    Label* label = fenetre.getPlateau()->getLabel(ligne, colonne);
    QCOMPARE(label->size(), QSize(90, 90));
    const QImage vue = label->grab().toImage();
    const QImage attendue = dessinAttendu(nom, vue.width());
    QCOMPARE(vue.size(), attendue.size());
    const double mesure = psnr(vue, attendue);
    qInfo("%s at %g: PSNR %.1f dB", qPrintable(nom), echelle, mesure);
    const auto rgb = [](const QImage& image) {
        QImage pixels = image.convertToFormat(QImage::Format_RGB32);
        pixels.setDevicePixelRatio(1);
        return pixels;
    };
    if (echelle == 1.0) {
        QCOMPARE(rgb(vue), rgb(attendue));
    } else if (echelle == qRound(echelle)) {
        QVERIFY2(mesure >= 45.0, qPrintable(QString::number(mesure)));
    } else {
        QVERIFY2(mesure >= seuilEntreDeux, qPrintable(QString::number(mesure)));
        // Shown pixel for pixel: the larger drawing scaled down smoothly.
        const QString grande = "images/" + nom.chopped(4) + (echelle > 2 ? "@3x.bmp" : "@2x.bmp");
        QCOMPARE(rgb(vue), rgb(QImage(grande).scaled(vue.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
}

// A folder of the fifteen base pictures alone still plays, each shown as it is.
void EssaiEchelles::sansLesGrandesImages()
{
    if (echelleDuLancement() != 2.0)
        QSKIP("checked at scale 2");
    ImagesDeCouleur images;
    QVERIFY(images.pret());
    Fenetre fenetre(8, true, false, false);
    SurveillantDeBoites boites(&fenetre);
    QCOMPARE(codeIcone(&fenetre), 'i');
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    QCOMPARE(enTete(fenetre.getPlateau()), enTeteAvecCurseur(0, 1));
    jouerAuClic(fenetre.getPlateau(), kJauneGagne);
    QCOMPARE(boites.boites.size(), 1);
    QCOMPARE(plateauVu(fenetre.getPlateau()),
             avecGagnants(apresCoups(kJauneGagne), {{2, 1}, {3, 1}, {4, 1}, {5, 1}}));
    QCOMPARE(enTete(fenetre.getPlateau()), enTeteAvecCurseur(0, 0));
}

QTEST_MAIN(EssaiEchelles)
#include "essai_echelles.moc"
