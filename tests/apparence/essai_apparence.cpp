// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The two windows as the program shows them, with its own style and font:
// every control gets at least the room it asks for, nothing leaves its box or
// its window, and the board's pictures touch one another.

#include <QtTest>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>

#include "fenetre.h"
#include "fenetre_debut.h"
#include "label.h"
#include "mesures_essai.h"
#include "outils_essai.h"
#include "parties_essai.h"
#include "quartelo4.h"
#include "style_compact.h"

namespace {

// Empty when every control of the window has the room it asks for and lies
// within its parent; otherwise the first fault found.
QString defautDeDisposition(QWidget* fenetre)
{
    essai::laisserDisposer(fenetre);
    const QRect cadre = fenetre->rect();
    for (QWidget* widget : essai::controles(fenetre)) {
        const QSize voulu = qobject_cast<QGroupBox*>(widget) ? widget->minimumSizeHint()
                                                             : widget->sizeHint();
        if (widget->width() < voulu.width() || widget->height() < voulu.height())
            return QStringLiteral("%1 is %2x%3 but needs %4x%5")
                .arg(essai::nomDuWidget(widget)).arg(widget->width()).arg(widget->height())
                .arg(voulu.width()).arg(voulu.height());
        if (!cadre.contains(essai::dansLaFenetre(widget)))
            return essai::nomDuWidget(widget) + QStringLiteral(" leaves the window");
        if (!widget->parentWidget()->rect().contains(widget->geometry()))
            return essai::nomDuWidget(widget) + QStringLiteral(" leaves its parent");
    }
    return QString();
}

// Empty when no two group boxes that share a parent overlap.
QString chevauchement(QWidget* fenetre)
{
    const QList<QGroupBox*> groupes = fenetre->findChildren<QGroupBox*>();
    for (QGroupBox* a : groupes)
        for (QGroupBox* b : groupes)
            if (a != b && a->parentWidget() == b->parentWidget()
                && a->geometry().intersects(b->geometry()))
                return essai::nomDuWidget(a) + QStringLiteral(" overlaps ") + essai::nomDuWidget(b);
    return QString();
}

// Empty when the 49 pictures form one block: each 90 by 90, every row right
// below the one above (the header row included), every column right beside
// the one before, and the whole block inside the window.
QString defautDuPlateau(Fenetre& fenetre)
{
    essai::laisserDisposer(&fenetre);
    Quartelo4* plateau = fenetre.getPlateau();
    const QRect origine = essai::dansLaFenetre(plateau->getLabel(0, 0));
    for (int ligne = 0; ligne < 7; ++ligne)
        for (int colonne = 0; colonne < 7; ++colonne) {
            const QRect attendu = essai::placeDeCase(plateau, ligne, colonne);
            const QRect reel = essai::dansLaFenetre(plateau->getLabel(ligne, colonne));
            if (reel != attendu)
                return QStringLiteral("cell (%1, %2) is at %3,%4 %5x%6, expected %7,%8 %9x%9")
                    .arg(ligne).arg(colonne).arg(reel.x()).arg(reel.y()).arg(reel.width())
                    .arg(reel.height()).arg(attendu.x()).arg(attendu.y()).arg(essai::kCoteCase);
        }
    if (!fenetre.rect().contains(QRect(origine.topLeft(), QSize(7 * essai::kCoteCase, 7 * essai::kCoteCase))))
        return QStringLiteral("the board leaves the window");
    return QString();
}

// From an empty board, yellow lines up four in column 1; red plays 0, 0, 0
// and 2. The game may already stand at move premier of that sequence.
void faireGagnerLeJaune(Fenetre& fenetre, int premier = 0)
{
    essai::SurveillantDeBoites boites;  // presses Ok in the end-of-game message
    for (std::size_t i = std::size_t(premier); i < essai::kJauneGagne.size(); ++i)
        essai::cliquerCase(fenetre.getPlateau(), essai::kJauneGagne[i]);
}

QMap<QString, QRect> groupes(QWidget* fenetre)
{
    essai::laisserDisposer(fenetre);
    QMap<QString, QRect> resultat;
    for (QGroupBox* groupe : fenetre->findChildren<QGroupBox*>())
        resultat.insert(groupe->title() + QLatin1Char('/') + essai::nomDuWidget(groupe->parentWidget()),
                        essai::dansLaFenetre(groupe));
    return resultat;
}

} // namespace

class EssaiApparence : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fenetreDebut();
    void fenetreDeJeu();
    void texteDeFinEntier();
    void plateauSansInterstice();
    void rienNeBougeQuandLaSituationChange();
};

void EssaiApparence::initTestCase()
{
    installerStyle(*qApp);
    QVERIFY(QFileInfo::exists(essai::cheminImage('.')));
}

void EssaiApparence::fenetreDebut()
{
    Fenetre fenetre(8, true, false, false);
    FenetreDebut debut(&fenetre);
    debut.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&debut));
    QCOMPARE(debut.size(), QSize(250, 210));
    QCOMPARE(debut.findChildren<QRadioButton*>().size(), 4);
    QCOMPARE(defautDeDisposition(&debut), QString());
    QCOMPARE(chevauchement(&debut), QString());
}

void EssaiApparence::fenetreDeJeu()
{
    Fenetre fenetre(8, true, false, false);
    fenetre.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    QCOMPARE(fenetre.size(), QSize(880, 720));
    QCOMPARE(fenetre.findChildren<QRadioButton*>().size(), 4);
    QCOMPARE(defautDeDisposition(&fenetre), QString());
    QCOMPARE(chevauchement(&fenetre), QString());
    for (int colonne : {3, 3, 4})
        essai::cliquerCase(fenetre.getPlateau(), colonne);
    QCOMPARE(defautDeDisposition(&fenetre), QString());
}

void EssaiApparence::texteDeFinEntier()
{
    Fenetre fenetre(8, true, false, false);
    fenetre.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    faireGagnerLeJaune(fenetre);
    QLabel* situation = essai::situation(&fenetre);
    QVERIFY(situation);
    QCOMPARE(situation->text(),
             essai::texteVainqueur("jaune"));
    QCOMPARE(defautDeDisposition(&fenetre), QString());
    // The three lines are drawn within the label.
    const QRect texte = situation->fontMetrics().boundingRect(situation->contentsRect(), Qt::AlignLeft | Qt::AlignVCenter,
                                                              situation->text());
    QVERIFY2(situation->contentsRect().contains(texte),
             qPrintable(QStringLiteral("text %1x%2 in a label of %3x%4").arg(texte.width())
                            .arg(texte.height()).arg(situation->width()).arg(situation->height())));
}

void EssaiApparence::plateauSansInterstice()
{
    Fenetre fenetre(8, true, false, false);
    fenetre.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    QCOMPARE(defautDuPlateau(fenetre), QString());
    faireGagnerLeJaune(fenetre);
    QCOMPARE(defautDuPlateau(fenetre), QString());
    // The board lies beside the right-hand column, not under it.
    const QRect plateau = essai::dansLaFenetre(fenetre.getPlateau());
    for (QGroupBox* groupe : fenetre.findChildren<QGroupBox*>())
        QVERIFY2(!plateau.intersects(essai::dansLaFenetre(groupe)), qPrintable(essai::nomDuWidget(groupe)));
}

void EssaiApparence::rienNeBougeQuandLaSituationChange()
{
    Fenetre fenetre(8, true, false, false);
    fenetre.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    const QMap<QString, QRect> auDebut = groupes(&fenetre);
    const QRect plateauAuDebut = essai::dansLaFenetre(fenetre.getPlateau());
    essai::cliquerCase(fenetre.getPlateau(), 0);  // two lines
    QCOMPARE(essai::situation(&fenetre)->text().count(QLatin1Char('\n')), 1);
    QCOMPARE(groupes(&fenetre), auDebut);
    faireGagnerLeJaune(fenetre, 1);  // three lines
    QCOMPARE(essai::situation(&fenetre)->text().count(QLatin1Char('\n')), 2);
    QCOMPARE(groupes(&fenetre), auDebut);
    QCOMPARE(essai::dansLaFenetre(fenetre.getPlateau()), plateauAuDebut);
}

QTEST_MAIN(EssaiApparence)
#include "essai_apparence.moc"
