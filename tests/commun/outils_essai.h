#pragma once

// Helpers shared by the widget tests: they drive the real windows as a person
// does and read back what the person sees (texts, pictures, visibility).

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVector>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "fenetre.h"
#include "label.h"
#include "quartelo4.h"

namespace essai {

// ---------------------------------------------------------------------------
// Pictures

// One picture of the game, as the program names it, with the code used in
// the board and header strings below.
struct Image {
    const char* fichier;  // name under images/, as the program loads it
    char code;
    QRgb couleur;         // the solid colour of the test set
};

// The fifteen pictures. Codes: '.' empty slot, 'r'/'j' red/yellow token in
// the board, 'R'/'J' red/yellow winning token, 'x'/'y' red/yellow cursor,
// '0'..'6' header image of a column, 'i' the window icon.
inline const std::vector<Image>& images()
{
    static const std::vector<Image> liste = {
        {"emplacement_pour_pion.bmp", '.', qRgb(40, 40, 40)},
        {"pion_rouge_joue.bmp", 'r', qRgb(200, 0, 0)},
        {"pion_jaune_joue.bmp", 'j', qRgb(220, 220, 0)},
        {"pion_rouge_gagnant", 'R', qRgb(255, 120, 120)},
        {"pion_jaune_gagnant", 'J', qRgb(255, 255, 160)},
        {"pion_rouge.bmp", 'x', qRgb(120, 0, 0)},
        {"pion_jaune.bmp", 'y', qRgb(120, 120, 0)},
        {"0.bmp", '0', qRgb(0, 0, 200)},
        {"1.bmp", '1', qRgb(0, 200, 0)},
        {"2.bmp", '2', qRgb(0, 200, 200)},
        {"3.bmp", '3', qRgb(200, 0, 200)},
        {"4.bmp", '4', qRgb(100, 50, 0)},
        {"5.bmp", '5', qRgb(0, 100, 50)},
        {"6.bmp", '6', qRgb(50, 0, 100)},
        {"icone.bmp", 'i', qRgb(255, 255, 255)},
    };
    return liste;
}

constexpr int kCoteImage = 36;

// A temporary working directory holding an images/ folder of distinct solid
// colour pictures, so that every role can be told from the others even when
// the game's own artwork looks alike. The working directory is restored on
// destruction. `gagnantsAvecExtension`: the two winning pictures are written
// as "<name>.bmp" (found by the image reader from the name without
// extension) instead of under the bare name.
class ImagesDeCouleur {
public:
    explicit ImagesDeCouleur(bool gagnantsAvecExtension = false)
        : ancien(QDir::currentPath())
    {
        QDir(dossier.path()).mkdir("images");
        for (const Image& image : images()) {
            QImage dessin(kCoteImage, kCoteImage, QImage::Format_RGB32);
            dessin.fill(QColor(image.couleur));
            QString nom = dossier.path() + "/images/" + image.fichier;
            if (gagnantsAvecExtension && !nom.endsWith(".bmp"))
                nom += ".bmp";
            ecrit = dessin.save(nom, "BMP") && ecrit;
        }
        QDir::setCurrent(dossier.path());
    }
    ~ImagesDeCouleur() { QDir::setCurrent(ancien); }
    ImagesDeCouleur(const ImagesDeCouleur&) = delete;
    ImagesDeCouleur& operator=(const ImagesDeCouleur&) = delete;

    bool pret() const { return dossier.isValid() && ecrit; }
    QString chemin() const { return dossier.path(); }

private:
    QTemporaryDir dossier;
    QString ancien;
    bool ecrit = true;
};

// An empty temporary working directory (no images/ folder at all).
class DossierVide {
public:
    DossierVide() : ancien(QDir::currentPath()) { QDir::setCurrent(dossier.path()); }
    ~DossierVide() { QDir::setCurrent(ancien); }
    DossierVide(const DossierVide&) = delete;
    DossierVide& operator=(const DossierVide&) = delete;
    bool pret() const { return dossier.isValid() && QDir::currentPath() == QDir(dossier.path()).canonicalPath(); }

private:
    QTemporaryDir dossier;
    QString ancien;
};

// The code of the colour picture an image shows: ' ' for no picture, '?' for
// a picture of none of the test colours.
inline char codeImage(const QImage& image)
{
    if (image.isNull())
        return ' ';
    if (image.width() != kCoteImage || image.height() != kCoteImage)
        return '?';
    const QRgb centre = image.pixel(kCoteImage / 2, kCoteImage / 2) | 0xff000000u;
    const QRgb coin = image.pixel(0, 0) | 0xff000000u;
    for (const Image& candidate : images())
        if (centre == candidate.couleur && coin == candidate.couleur)
            return candidate.code;
    return '?';
}

inline char codeLabel(const QLabel* label)
{
    return codeImage(label->pixmap().toImage());
}

// The header row as seven codes, e.g. "x123456": red cursor on column 0.
inline QString enTete(const Quartelo4* plateau)
{
    QString texte;
    for (int c = 0; c < 7; ++c)
        texte += QChar(codeLabel(plateau->getLabel(0, c)));
    return texte;
}

// The six board rows, top to bottom, as codes, one line each.
inline QString plateauVu(const Quartelo4* plateau)
{
    QStringList lignes;
    for (int r = 1; r <= 6; ++r) {
        QString ligne;
        for (int c = 0; c < 7; ++c)
            ligne += QChar(codeLabel(plateau->getLabel(r, c)));
        lignes << ligne;
    }
    return lignes.join('\n');
}

// The board array as the same codes ('.' 'r' 'j'; '?' for any other value).
inline QString grilleVue(const Quartelo4* plateau)
{
    const Case* grille = plateau->getGrille();
    QStringList lignes;
    for (int r = 0; r < 6; ++r) {
        QString ligne;
        for (int c = 0; c < 7; ++c) {
            const Case v = grille[c + 7 * r];
            ligne += QChar(v == 0 ? '.' : v == 1 ? 'r' : v == 2 ? 'j' : '?');
        }
        lignes << ligne;
    }
    return lignes.join('\n');
}

inline int nombreDeJetons(const Quartelo4* plateau)
{
    int n = 0;
    for (int i = 0; i < 42; ++i)
        n += plateau->getGrille()[i] != 0 ? 1 : 0;
    return n;
}

// The board that a list of moves gives, played from an empty board with
// `premier` (1 red, 2 yellow) opening, in the codes of plateauVu.
inline QString apresCoups(const std::vector<int>& coups, int premier = 1)
{
    QString cases[6];
    for (QString& ligne : cases)
        ligne = QString(7, '.');
    int joueur = premier;
    for (int colonne : coups) {
        int r = 5;
        while (r >= 0 && cases[r][colonne] != '.')
            --r;
        if (r < 0)
            return "colonne pleine";
        cases[r][colonne] = joueur == 1 ? 'r' : 'j';
        joueur = 3 - joueur;
    }
    QStringList lignes;
    for (const QString& ligne : cases)
        lignes << ligne;
    return lignes.join('\n');
}

// Puts the winning codes on the given cells (row, column) of a board string.
inline QString avecGagnants(QString plateau, const std::vector<std::pair<int, int>>& cases)
{
    for (auto [r, c] : cases) {
        const int i = r * 8 + c;
        plateau[i] = plateau[i].toUpper();
    }
    return plateau;
}

// The header row with the cursor of `joueur` (1 red, 2 yellow, 0 none) on `colonne`.
inline QString enTeteAvecCurseur(int colonne, int joueur)
{
    QString texte = "0123456";
    if (joueur == 1)
        texte[colonne] = 'x';
    else if (joueur == 2)
        texte[colonne] = 'y';
    return texte;
}

// ---------------------------------------------------------------------------
// Widgets of a window, found as a person finds them: by their texts.

inline QGroupBox* groupe(const QWidget* fenetre, const QString& titre)
{
    QGroupBox* trouve = nullptr;
    for (QGroupBox* g : fenetre->findChildren<QGroupBox*>())
        if (g->title() == titre) {
            if (trouve)
                return nullptr;  // not unique
            trouve = g;
        }
    return trouve;
}

template <typename Bouton>
Bouton* boutonNomme(const QWidget* parent, const QString& texte)
{
    Bouton* trouve = nullptr;
    if (!parent)
        return nullptr;
    for (Bouton* b : parent->findChildren<Bouton*>())
        if (b->text() == texte) {
            if (trouve)
                return nullptr;  // not unique
            trouve = b;
        }
    return trouve;
}

inline QPushButton* bouton(const QWidget* fenetre, const QString& texte)
{
    return boutonNomme<QPushButton>(fenetre, texte);
}

// The radio button `texte` of the group box `titreGroupe`.
inline QRadioButton* radio(const QWidget* fenetre, const QString& titreGroupe, const QString& texte)
{
    return boutonNomme<QRadioButton>(groupe(fenetre, titreGroupe), texte);
}

inline QCheckBox* caseSouris(const QWidget* fenetre)
{
    return boutonNomme<QCheckBox>(fenetre, "Activer la souris");
}

inline QComboBox* listeDifficulte(const QWidget* fenetre)
{
    const QList<QComboBox*> listes = fenetre->findChildren<QComboBox*>();
    return listes.size() == 1 ? listes.first() : nullptr;
}

// The status line: the one label inside the group box "Information".
inline QLabel* situation(const QWidget* fenetre)
{
    QGroupBox* information = groupe(fenetre, "Information");
    if (!information)
        return nullptr;
    const QList<QLabel*> labels = information->findChildren<QLabel*>();
    return labels.size() == 1 ? labels.first() : nullptr;
}

inline QString texteSituation(const QWidget* fenetre)
{
    QLabel* label = situation(fenetre);
    return label ? label->text() : QStringLiteral("<pas de ligne de situation>");
}

// Picks an item of a combo box with the mouse: opens its list and clicks the item.
inline void choisirDansListe(QComboBox* liste, const QString& texte)
{
    const int index = liste->findText(texte);
    QVERIFY2(index >= 0, qPrintable(texte));
    liste->showPopup();
    QAbstractItemView* vue = liste->view();
    QVERIFY(QTest::qWaitFor([&] { return vue->isVisible(); }, 2000));
    const QModelIndex item = vue->model()->index(index, liste->modelColumn(), liste->rootModelIndex());
    vue->scrollTo(item);
    const QRect rect = vue->visualRect(item);
    QVERIFY(!rect.isEmpty());
    QTest::mouseClick(vue->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QTRY_VERIFY_WITH_TIMEOUT(!vue->isVisible(), 2000);
}

// Where a window of the given size is centred on the primary screen: half
// the screen minus half the window, each halved on its own, with no offset.
inline QPoint positionCentree(const QSize& taille)
{
    const QRect ecran = QGuiApplication::primaryScreen()->geometry();
    return QPoint(ecran.width() / 2 - taille.width() / 2, ecran.height() / 2 - taille.height() / 2);
}

// The code of the picture of a window's icon (see codeImage).
inline char codeIcone(const QWidget* fenetre)
{
    const QIcon icone = fenetre->windowIcon();
    if (icone.isNull())
        return ' ';
    return codeImage(icone.pixmap(QSize(kCoteImage, kCoteImage)).toImage());
}

// ---------------------------------------------------------------------------
// Mouse

// A click of the left button on a cell of the board (row 1 to 6, or 0 for
// the header), as a person clicks.
inline void cliquerCase(const Quartelo4* plateau, int colonne, int ligne = 3)
{
    QTest::mouseClick(plateau->getLabel(ligne, colonne), Qt::LeftButton);
}

// Plays a list of columns by clicking the board.
inline void jouerAuClic(const Quartelo4* plateau, const std::vector<int>& coups)
{
    for (int colonne : coups)
        cliquerCase(plateau, colonne, 1 + colonne % 6);
}

// A click on a check box or a radio button where its indicator is drawn,
// which toggles it whatever the width the layout gave it.
inline void cocher(QAbstractButton* bouton)
{
    QTest::mouseClick(bouton, Qt::LeftButton, Qt::NoModifier, QPoint(6, bouton->height() / 2));
}

// A double click as the windowing system delivers it: press, release, then
// the second press as a double-click event, and its release.
inline void doubleClic(QWidget* widget, Qt::MouseButton bouton = Qt::LeftButton)
{
    QTest::mousePress(widget, bouton);
    QTest::mouseRelease(widget, bouton);
    QTest::mouseDClick(widget, bouton);
    QTest::mouseRelease(widget, bouton);
}

// ---------------------------------------------------------------------------
// The modal end-of-game box

struct BoiteVue {
    QString titre;
    QString texte;
    int nombreDeBoutons = 0;
    QMessageBox::StandardButtons boutons;
    bool boutonOk = false;
    QWidget* parent = nullptr;
    QString situationPendant;  // the status line while the box is open
    QString enTetePendant;
    QString plateauPendant;
    int joueurCourantPendant = -1;
    int gagnantPendant = -1;
};

// Watches for modal message boxes from a timer, records what they show and
// closes each one by clicking its Ok button, as a user would.
class SurveillantDeBoites {
public:
    explicit SurveillantDeBoites(Fenetre* fenetreSuivie = nullptr) : fenetre(fenetreSuivie)
    {
        minuterie.setInterval(5);
        QObject::connect(&minuterie, &QTimer::timeout, [this] { verifier(); });
        minuterie.start();
    }

    QVector<BoiteVue> boites;

private:
    void verifier()
    {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!boite || boite == enCours)
            return;
        enCours = boite;
        BoiteVue vue;
        vue.titre = boite->windowTitle();
        vue.texte = boite->text();
        vue.nombreDeBoutons = int(boite->buttons().size());
        vue.boutons = boite->standardButtons();
        vue.boutonOk = boite->button(QMessageBox::Ok) != nullptr;
        vue.parent = boite->parentWidget();
        if (fenetre) {
            vue.situationPendant = texteSituation(fenetre);
            Quartelo4* plateau = fenetre->getPlateau();
            vue.enTetePendant = enTete(plateau);
            vue.plateauPendant = plateauVu(plateau);
            vue.joueurCourantPendant = plateau->getJoueurCourant();
            vue.gagnantPendant = plateau->getGagnant();
        }
        boites << vue;
        QAbstractButton* ok = boite->button(QMessageBox::Ok);
        if (!ok && !boite->buttons().isEmpty())
            ok = boite->buttons().first();
        if (ok)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            boite->done(0);
    }

    Fenetre* fenetre;
    QTimer minuterie;
    QPointer<QMessageBox> enCours;
};

inline const QString kTitreFin = QStringLiteral("Partie terminée");
inline const QString kNulle = QStringLiteral("La partie est terminée,\n personne n'a gagné");

inline QString texteVainqueur(const QString& couleur)
{
    return QStringLiteral("La partie est terminée,\n le vainqueur est le joueur \n") + couleur;
}

inline QString texteTour(const QString& couleur)
{
    return QStringLiteral("C'est au joueur ") + couleur + QStringLiteral(" de jouer");
}

inline QString texteColonne(int colonne, const QString& couleur)
{
    return QStringLiteral("Colonne jouée : ") + QString::number(colonne) + QStringLiteral("\nC'est au joueur ")
           + couleur + QStringLiteral(" de jouer");
}

// ---------------------------------------------------------------------------
// The application's event loop

struct FinDeBoucle {
    int resultat = -2;       // what exec() returned
    bool actionFaite = false;
    bool aboutToQuit = false;
    bool garde = false;      // the loop had to be ended by the test's own guard
};

// Runs the application's event loop, performs `action` from inside it, and
// returns how the loop ended. A guard ends the loop with -1 after `delai` ms.
inline FinDeBoucle executerBoucle(const std::function<void()>& action, int delai = 5000)
{
    FinDeBoucle fin;
    QTimer declencheur;
    declencheur.setSingleShot(true);
    QObject::connect(&declencheur, &QTimer::timeout, [&] {
        fin.actionFaite = true;
        action();
    });
    QTimer garde;
    garde.setSingleShot(true);
    QObject::connect(&garde, &QTimer::timeout, [&] {
        fin.garde = true;
        QCoreApplication::exit(-1);
    });
    const QMetaObject::Connection connexion =
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { fin.aboutToQuit = true; });
    declencheur.start(0);
    garde.start(delai);
    fin.resultat = QApplication::exec();
    QObject::disconnect(connexion);
    return fin;
}

}  // namespace essai
