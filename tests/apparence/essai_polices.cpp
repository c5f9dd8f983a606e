// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The two windows under a desktop font, as a user of that desktop sees them.
// The font reaches the program the way a desktop hands it to every Qt
// program, through the qt6ct platform theme and its configuration file,
// written here into a private configuration folder before the application
// starts. Measured in both windows: every control against its minimum size,
// every control inside its window, every text whole, and the board's size
// and pictures. Then the desktop's font changes while the game runs.
//
//   essai_polices FAMILY POINTS [test functions...]
//   essai_polices --sans-images [test functions...]   (DejaVu Sans 9, no images/ folder)
//   essai_polices --sombre[=SCHEME] [test functions...]
//       (DejaVu Sans 9 in a dark colour scheme of qt6ct, "darker" by default)

#include <QtTest>

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QSaveFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionGroupBox>

#include <cmath>
#include <memory>

#include "fenetre.h"
#include "fenetre_debut.h"
#include "label.h"
#include "mesures_essai.h"
#include "outils_essai.h"
#include "parties_essai.h"
#include "quartelo4.h"
#include "style_compact.h"

using namespace essai;

namespace {

struct Cas {
    QString famille = QStringLiteral("DejaVu Sans");
    int points = 9;
    bool sansImages = false;
    bool sombre = false;
    QString couleurs = QStringLiteral("darker");  // a colour scheme of qt6ct
};

// The qt6ct configuration of a case, in a folder of its own.
QString configurationQt6ct(const Cas& cas, int points)
{
    QString texte = QStringLiteral("[Appearance]\nstyle=Fusion\n");
    if (cas.sombre)
        texte += QStringLiteral("custom_palette=true\ncolor_scheme_path=/usr/share/qt6ct/colors/%1.conf\n")
                     .arg(cas.couleurs);
    else
        texte += QStringLiteral("custom_palette=false\n");
    texte += QStringLiteral("\n[Fonts]\ngeneral=\"%1,%2,-1,5,400,0,0,0,0,0,0,0,0,0,0,1\"\n"
                            "fixed=\"DejaVu Sans Mono,%2,-1,5,400,0,0,0,0,0,0,0,0,0,0,1\"\n")
                 .arg(cas.famille).arg(points);
    return texte;
}

bool ecrireConfiguration(const QString& dossier, const Cas& cas, int points)
{
    QDir().mkpath(dossier + QStringLiteral("/qt6ct"));
    // Replaced in one step, as the settings tool of the desktop does.
    QSaveFile fichier(dossier + QStringLiteral("/qt6ct/qt6ct.conf"));
    if (!fichier.open(QIODevice::WriteOnly))
        return false;
    fichier.write(configurationQt6ct(cas, points).toUtf8());
    return fichier.commit();
}

// The size a layout may not squeeze a control below.
QSize minimum(const QWidget* widget)
{
    QSize taille = widget->minimumSizeHint();
    if (!taille.isValid())
        taille = widget->sizeHint();
    return taille.expandedTo(widget->minimumSize());
}

// The room the text of a control needs, in the font it is drawn in; empty
// for a control without text. A group box that no other box holds draws its
// title in bold.
QSize texteVoulu(const QWidget* widget)
{
    if (const auto* l = qobject_cast<const QLabel*>(widget)) {
        if (l->text().isEmpty())
            return QSize();
        return l->fontMetrics().boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft, l->text()).size();
    }
    if (const auto* g = qobject_cast<const QGroupBox*>(widget)) {
        QFont police = g->font();
        bool section = true;
        for (const QWidget* p = g->parentWidget(); p; p = p->parentWidget())
            section = section && !qobject_cast<const QGroupBox*>(p);
        police.setBold(section);
        return QFontMetrics(police).size(Qt::TextSingleLine, g->title());
    }
    if (const auto* b = qobject_cast<const QAbstractButton*>(widget))
        return b->fontMetrics().size(Qt::TextShowMnemonic, b->text());
    if (const auto* c = qobject_cast<const QComboBox*>(widget)) {
        QSize taille;
        for (int i = 0; i < c->count(); ++i)
            taille = taille.expandedTo(c->fontMetrics().size(Qt::TextSingleLine, c->itemText(i)));
        return taille;
    }
    return QSize();
}

struct Mesure {
    int controles = 0;
    QStringList ecrases;   // smaller than their minimum size
    QStringList dehors;    // not wholly inside the window
    QStringList coupes;    // text wider or taller than the control
    QString plateau;       // the board's size, pictures whole, or empty
    int imagesEntieres = 0;

    QString resume() const
    {
        QString texte = QStringLiteral("%1 controls, %2 below their minimum size, %3 outside the window, %4 cut texts")
                            .arg(controles).arg(ecrases.size()).arg(dehors.size()).arg(coupes.size());
        if (!plateau.isEmpty())
            texte += QStringLiteral("; board ") + plateau + QStringLiteral(", %1 of 49 cells in place with their picture whole").arg(imagesEntieres);
        return texte;
    }
    QString defauts() const { return (ecrases + dehors + coupes).join(QStringLiteral("; ")); }
};

Mesure mesurer(QWidget* fenetre)
{
    laisserDisposer(fenetre);
    Mesure m;
    const QRect cadre = fenetre->rect();
    for (QWidget* w : controles(fenetre)) {
        ++m.controles;
        const QSize voulu = minimum(w);
        if (w->width() < voulu.width() || w->height() < voulu.height())
            m.ecrases << QStringLiteral("%1 is %2x%3 but needs %4x%5").arg(nomDuWidget(w)).arg(w->width())
                             .arg(w->height()).arg(voulu.width()).arg(voulu.height());
        if (!cadre.contains(dansLaFenetre(w)))
            m.dehors << nomDuWidget(w) + QStringLiteral(" leaves the window");
        const QSize texte = texteVoulu(w);
        if (texte.isValid() && (texte.width() > w->width() || texte.height() > w->height()))
            m.coupes << QStringLiteral("text of %1 is %2x%3 in %4x%5").arg(nomDuWidget(w)).arg(texte.width())
                            .arg(texte.height()).arg(w->width()).arg(w->height());
    }
    // The status line's text within the label's own room.
    if (QLabel* ligne = situation(fenetre)) {
        const QRect texte = ligne->fontMetrics().boundingRect(ligne->contentsRect(), int(ligne->alignment()),
                                                              ligne->text());
        if (!ligne->contentsRect().contains(texte))
            m.coupes << QStringLiteral("the status line's %1x%2 text in %3x%4").arg(texte.width())
                            .arg(texte.height()).arg(ligne->contentsRect().width()).arg(ligne->contentsRect().height());
    }
    if (auto* jeu = qobject_cast<Fenetre*>(fenetre)) {
        Quartelo4* plateau = jeu->getPlateau();
        m.plateau = QStringLiteral("%1x%2").arg(plateau->width()).arg(plateau->height());
        for (int ligne = 0; ligne < 7; ++ligne)
            for (int colonne = 0; colonne < 7; ++colonne) {
                const Label* cellule = plateau->getLabel(ligne, colonne);
                const QRect attendu = placeDeCase(plateau, ligne, colonne);
                const bool enPlace = dansLaFenetre(cellule) == attendu && cadre.contains(attendu);
                const QSize image = cellule->pixmap().size();
                if (enPlace && cellule->contentsRect().width() >= image.width()
                    && cellule->contentsRect().height() >= image.height())
                    ++m.imagesEntieres;
            }
    }
    return m;
}

// The WCAG contrast ratio of two colours.
double contraste(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto canal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}

// The contrast of a text as drawn: within the given rectangle of the
// widget's picture, the most common colour is the background and the one
// farthest from it the ink.
double contrasteDessine(QWidget* widget, const QRect& zone)
{
    const QImage image = widget->grab(zone).toImage();
    QHash<QRgb, int> comptes;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++comptes[image.pixel(x, y)];
    QRgb fond = 0;
    int plus = -1;
    for (auto it = comptes.cbegin(); it != comptes.cend(); ++it)
        if (it.value() > plus) {
            plus = it.value();
            fond = it.key();
        }
    double meilleur = 1.0;
    for (auto it = comptes.cbegin(); it != comptes.cend(); ++it)
        meilleur = std::max(meilleur, contraste(QColor(fond), QColor(it.key())));
    return meilleur;
}

Cas gCas;
QString gConfiguration;  // the private configuration folder

// Empty when a window shows the desktop's face, at the desktop's size or
// below it, and still at a readable size.
QString policeDeLaFenetre(const QWidget* fenetre)
{
    const QFont police = fenetre->font();
    if (QFontInfo(police).family() != gCas.famille)
        return QStringLiteral("the window shows %1").arg(QFontInfo(police).family());
    if (police.pointSizeF() > gCas.points || police.pointSizeF() < 7)
        return QStringLiteral("the window's font is %1 pt").arg(police.pointSizeF());
    return QString();
}

} // namespace

class EssaiPolices : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fenetreDebut();
    void fenetreDeJeu();
    void finDePartieEntiere();
    void changementDePoliceEnCours();
    void caseVideCliquee();
    void paletteSombreLisible();
    void paletteDeLApplication();
};

void EssaiPolices::initTestCase()
{
    // The desktop's font reached the application, in the face asked for.
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::font().family() == gCas.famille
                                 && QApplication::font().pointSize() == gCas.points, 2000);
    QCOMPARE(QFontInfo(QApplication::font()).family(), gCas.famille);
    if (gCas.sansImages)
        QVERIFY(!QDir(QStringLiteral("images")).exists());
    else
        QVERIFY(QFileInfo::exists(cheminImage('.')));
}

void EssaiPolices::fenetreDebut()
{
    Fenetre fenetre(8, true, false, false);
    FenetreDebut debut(&fenetre);
    debut.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&debut));
    QCOMPARE(debut.size(), QSize(250, 210));
    const Mesure m = mesurer(&debut);
    qInfo("%s %d pt, start window at %g pt: %s", qPrintable(gCas.famille), gCas.points,
          debut.font().pointSizeF(), qPrintable(m.resume()));
    QCOMPARE(m.controles, 13);
    QCOMPARE(m.defauts(), QString());
    QCOMPARE(policeDeLaFenetre(&debut), QString());
}

void EssaiPolices::fenetreDeJeu()
{
    Fenetre fenetre(8, true, false, false);
    fenetre.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    QCOMPARE(fenetre.size(), QSize(880, 720));
    const Mesure m = mesurer(&fenetre);
    qInfo("%s %d pt, game window at %g pt: %s", qPrintable(gCas.famille), gCas.points,
          fenetre.font().pointSizeF(), qPrintable(m.resume()));
    QCOMPARE(m.controles, 26);
    QCOMPARE(m.defauts(), QString());
    QCOMPARE(policeDeLaFenetre(&fenetre), QString());
    QCOMPARE(fenetre.getPlateau()->size(), fenetre.getPlateau()->sizeHint());
    QVERIFY(fenetre.getPlateau()->width() >= 7 * kCoteCase && fenetre.getPlateau()->height() >= 7 * kCoteCase);
    QCOMPARE(m.imagesEntieres, 49);
}

// The longest status text, three lines, is whole, and nothing moved for it.
void EssaiPolices::finDePartieEntiere()
{
    Fenetre fenetre(8, true, false, false);
    SurveillantDeBoites boites(&fenetre);
    fenetre.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    laisserDisposer(&fenetre);
    QMap<QString, QRect> auDebut;
    for (QWidget* w : controles(&fenetre))
        auDebut.insert(nomDuWidget(w), dansLaFenetre(w));
    auDebut.remove(nomDuWidget(situation(&fenetre)));
    jouerAuClic(fenetre.getPlateau(), kJauneGagne);
    QCOMPARE(boites.boites.size(), 1);
    QCOMPARE(texteSituation(&fenetre), texteVainqueur(QStringLiteral("jaune")));
    const Mesure m = mesurer(&fenetre);
    QCOMPARE(m.defauts(), QString());
    QMap<QString, QRect> aLaFin;
    for (QWidget* w : controles(&fenetre))
        aLaFin.insert(nomDuWidget(w), dansLaFenetre(w));
    aLaFin.remove(nomDuWidget(situation(&fenetre)));
    QCOMPARE(aLaFin, auDebut);
}

// The desktop's font grows by three points while both windows are open: the
// windows follow, within their sizes.
void EssaiPolices::changementDePoliceEnCours()
{
    Fenetre fenetre(8, true, false, false);
    FenetreDebut debut(&fenetre);
    debut.setVisible(true);
    fenetre.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    const int avant = QFontInfo(situation(&fenetre)->font()).pixelSize();
    const int points = gCas.points + 3;
    QVERIFY(ecrireConfiguration(gConfiguration, gCas, points));
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::font().pointSize(), points, 10000);
    const Mesure jeu = mesurer(&fenetre);
    const Mesure depart = mesurer(&debut);
    qInfo("%s %d pt then %d pt: game window: %s; start window: %s", qPrintable(gCas.famille), gCas.points,
          points, qPrintable(jeu.resume()), qPrintable(depart.resume()));
    QCOMPARE(jeu.defauts(), QString());
    QCOMPARE(depart.defauts(), QString());
    QCOMPARE(jeu.imagesEntieres, 49);
    QCOMPARE(fenetre.size(), QSize(880, 720));
    QCOMPARE(debut.size(), QSize(250, 210));
    // The font did follow the desktop where there was room for it.
    QVERIFY(QFontInfo(situation(&fenetre)->font()).pixelSize() >= avant);
    QCOMPARE(QFontInfo(situation(&fenetre)->font()).family(), gCas.famille);
    QVERIFY(ecrireConfiguration(gConfiguration, gCas, gCas.points));
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::font().pointSize(), gCas.points, 10000);
    QCOMPARE(mesurer(&fenetre).defauts(), QString());
}

// A cell of the board, found where the user points at it, takes the click:
// with pictures or without, the 49 cells keep their places.
void EssaiPolices::caseVideCliquee()
{
    Fenetre fenetre(8, true, false, false);
    fenetre.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    laisserDisposer(&fenetre);
    Quartelo4* plateau = fenetre.getPlateau();
    QCOMPARE(plateau->getLabel(4, 2)->pixmap().isNull(), gCas.sansImages);
    const QPoint origine = dansLaFenetre(plateau->getLabel(0, 0)).topLeft();
    // Pointing at column 5, then clicking the cell of row 4, column 2.
    const QPoint survol = origine + QPoint(5 * kCoteCase + kCoteCase / 2, 2 * kCoteCase + kCoteCase / 2);
    auto* survolee = qobject_cast<Label*>(fenetre.childAt(survol));
    QCOMPARE(survolee, plateau->getLabel(2, 5));
    QTest::mouseMove(survolee, survolee->mapFrom(&fenetre, survol));
    QCOMPARE(plateau->getColonneSelectionnee(), 5);
    const QPoint clic = origine + QPoint(2 * kCoteCase + kCoteCase / 2, 4 * kCoteCase + kCoteCase / 2);
    auto* cible = qobject_cast<Label*>(fenetre.childAt(clic));
    QCOMPARE(cible, plateau->getLabel(4, 2));
    QTest::mouseClick(cible, Qt::LeftButton, Qt::NoModifier, cible->mapFrom(&fenetre, clic));
    QCOMPARE(grilleVue(plateau), apresCoups({2}));
    QCOMPARE(texteSituation(&fenetre), texteColonne(2, QStringLiteral("jaune")));
    const Mesure m = mesurer(&fenetre);
    QCOMPARE(m.defauts(), QString());
    QCOMPARE(m.imagesEntieres, 49);
}

// The status line and the titles of the group boxes stand out from their
// background, whatever the colours of the desktop.
// Empty when the status line and the title of every group box of the game
// window stand out from their background (a WCAG contrast of 4.5 at least);
// otherwise the first that does not.
QString texteIllisible()
{
    Fenetre fenetre(8, true, false, false);
    fenetre.setVisible(true);
    if (!QTest::qWaitForWindowExposed(&fenetre))
        return QStringLiteral("the window was not shown");
    laisserDisposer(&fenetre);
    QLabel* ligne = situation(&fenetre);
    if (!ligne)
        return QStringLiteral("no status line");
    const double ratioLigne = contrasteDessine(ligne, ligne->rect());
    if (ratioLigne < 4.5)
        return QStringLiteral("the status line: %1").arg(ratioLigne);
    for (QGroupBox* groupe : fenetre.findChildren<QGroupBox*>()) {
        QStyleOptionGroupBox option;
        option.initFrom(groupe);
        option.text = groupe->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.textAlignment = groupe->alignment();
        const QRect titre = groupe->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                             QStyle::SC_GroupBoxLabel, groupe);
        if (titre.isEmpty())
            return nomDuWidget(groupe) + QStringLiteral(": no title");
        const double ratio = contrasteDessine(groupe, titre);
        if (ratio < 4.5)
            return nomDuWidget(groupe) + QStringLiteral(": %1").arg(ratio);
    }
    return QString();
}

// The status line and the titles of the group boxes stand out from their
// background in the desktop's colours.
void EssaiPolices::paletteSombreLisible()
{
    if (gCas.sombre)
        QVERIFY(QApplication::palette().color(QPalette::Window).lightness() < 100);
    QCOMPARE(texteIllisible(), QString());
}

// A dark palette set on the application: light ink on dark windows, with
// fields either dark too or light with dark text.
void EssaiPolices::paletteDeLApplication()
{
    const QPalette avant = QApplication::palette();
    for (bool champsClairs : {false, true}) {
        QPalette sombre;
        sombre.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x2d));
        sombre.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        sombre.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
        sombre.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
        sombre.setColor(QPalette::Base, champsClairs ? QColor(0xfa, 0xfa, 0xfa) : QColor(0x1e, 0x1e, 0x1e));
        sombre.setColor(QPalette::Text, champsClairs ? QColor(0x10, 0x10, 0x10) : QColor(0xee, 0xee, 0xee));
        QApplication::setPalette(sombre);
        const QString defaut = texteIllisible();
        QApplication::setPalette(avant);
        QVERIFY2(defaut.isEmpty(), qPrintable((champsClairs ? QStringLiteral("light fields: ")
                                                            : QStringLiteral("dark fields: ")) + defaut));
    }
}

int main(int argc, char* argv[])
{
    QStringList restants;
    restants << QString::fromLocal8Bit(argv[0]);
    int i = 1;
    if (argc > 1 && qstrcmp(argv[1], "--sans-images") == 0) {
        gCas.sansImages = true;
        i = 2;
    } else if (argc > 1 && QByteArray(argv[1]).startsWith("--sombre")) {
        gCas.sombre = true;
        const QByteArray couleurs = QByteArray(argv[1]).mid(int(qstrlen("--sombre=")));
        if (!couleurs.isEmpty())
            gCas.couleurs = QString::fromLocal8Bit(couleurs);
        i = 2;
    } else if (argc > 2) {
        gCas.famille = QString::fromLocal8Bit(argv[1]);
        gCas.points = QString::fromLocal8Bit(argv[2]).toInt();
        i = 3;
    }
    for (; i < argc; ++i)
        restants << QString::fromLocal8Bit(argv[i]);

    // The desktop: qt6ct as the platform theme, with its configuration in a
    // folder of this run's own.
    QTemporaryDir configuration;
    if (!configuration.isValid())
        return 2;
    gConfiguration = configuration.path();
    if (!ecrireConfiguration(gConfiguration, gCas, gCas.points))
        return 2;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(gConfiguration));
    qputenv("QT_QPA_PLATFORMTHEME", "qt6ct");

    std::unique_ptr<DossierVide> sansImages;
    if (gCas.sansImages)
        sansImages = std::make_unique<DossierVide>();

    QApplication application(argc, argv);
    installerStyle(application);
    EssaiPolices essai;
    return QTest::qExec(&essai, restants);
}

#include "essai_polices.moc"
