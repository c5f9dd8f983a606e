// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The board at the scale of the run (QT_SCALE_FACTOR): its pictures grabbed at
// device resolution against the art drawn at that size.

#include <QtTest>

#include "echelles_essai.h"
#include "fenetre.h"
#include "images_essai.h"
#include "label.h"
#include "outils_essai.h"
#include "parties_essai.h"
#include "quartelo4.h"

using namespace essai;

namespace {

const qreal echelle = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();

// Empty when the cell shows the picture of `code` as sharp as the scale
// allows: the art itself at 1, 45 dB from it at 2 and 3; between sizes the
// larger drawing scaled down smoothly, `seuil` dB from the art.
QString flou(const Quartelo4* plateau, int ligne, int colonne, char code, double seuil = 36)
{
    const QImage vue = plateau->getLabel(ligne, colonne)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString nom = nomImage(code);
    const double mesure = psnrAuDessin(vue, code);
    qInfo("%s at %g: %.1f dB", qPrintable(nom), echelle, mesure);
    const QString grande = cheminAgrandi(code, echelle);
    if (echelle != qRound(echelle) && vue != QImage(grande).scaled(vue.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
        return grande + " not scaled down";
    const double attendu = echelle == 1 ? INFINITY : echelle == qRound(echelle) ? 45 : seuil;
    return mesure >= attendu ? QString() : nom + ": " + QString::number(mesure) + " dB";
}

}  // namespace

class EssaiEchelles : public QObject {
    Q_OBJECT

private slots:
    void lesImagesSontNettes()
    {
        Fenetre fenetre(8, true, false, false);
        SurveillantDeBoites boites(&fenetre);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        QCOMPARE(fenetre.devicePixelRatio(), echelle);
        const Quartelo4* plateau = fenetre.getPlateau();
        QCOMPARE(plateau->getLabel(3, 3)->size(), QSize(90, 90));
        QCOMPARE(flou(plateau, 3, 3, '.'), QString());
        QCOMPARE(flou(plateau, 0, 3, '3'), QString());
        QCOMPARE(flou(plateau, 0, 0, 'x'), QString());
        jouerAuClic(plateau, kRougeGagne);
        QCOMPARE(flou(plateau, 6, 1, 'j'), QString());
        // The rings and star of a winning token lose more in any scaling.
        QCOMPARE(flou(plateau, 6, 0, 'R', 32.5), QString());
    }

    void sansLesGrandesImages()  // the fifteen base pictures alone
    {
        ImagesDeCouleur images;
        Fenetre fenetre(8, true, false, false);
        SurveillantDeBoites boites(&fenetre);
        fenetre.show();
        jouerAuClic(fenetre.getPlateau(), kJauneGagne);
        QCOMPARE(plateauVu(fenetre.getPlateau()), avecGagnants(apresCoups(kJauneGagne), {{2, 1}, {3, 1}, {4, 1}, {5, 1}}));
    }
};

QTEST_MAIN(EssaiEchelles)
#include "essai_echelles.moc"
