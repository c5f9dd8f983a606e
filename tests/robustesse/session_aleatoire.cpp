// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session_aleatoire.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include "bouton.h"
#include "fenetre.h"
#include "fenetre_debut.h"
#include "fenetres_essai.h"
#include "gestes_essai.h"
#include "label.h"
#include "lignes.h"
#include "quartelo4.h"

namespace {

constexpr int kActionsRecentes = 25;

struct Touche {
    Qt::Key cle;
    Qt::KeyboardModifiers modificateurs;
    int poids;
    const char* nom;
};

// The keys a user may press: those of the game and some that mean nothing.
const Touche kTouches[] = {
    {Qt::Key_Return, Qt::NoModifier, 8, "Return"},
    {Qt::Key_Enter, Qt::NoModifier, 4, "Enter"},
    {Qt::Key_Down, Qt::NoModifier, 6, "Down"},
    {Qt::Key_Space, Qt::NoModifier, 6, "Space"},
    {Qt::Key_Left, Qt::NoModifier, 12, "Left"},
    {Qt::Key_Right, Qt::NoModifier, 12, "Right"},
    {Qt::Key_Right, Qt::ShiftModifier, 5, "Shift+Right"},
    {Qt::Key_0, Qt::NoModifier, 3, "0"},
    {Qt::Key_1, Qt::NoModifier, 3, "1"},
    {Qt::Key_2, Qt::NoModifier, 3, "2"},
    {Qt::Key_3, Qt::NoModifier, 3, "3"},
    {Qt::Key_4, Qt::NoModifier, 3, "4"},
    {Qt::Key_5, Qt::NoModifier, 3, "5"},
    {Qt::Key_6, Qt::NoModifier, 3, "6"},
    {Qt::Key_Up, Qt::NoModifier, 4, "Up"},
    {Qt::Key_7, Qt::NoModifier, 2, "7"},
    {Qt::Key_8, Qt::NoModifier, 2, "8"},
    {Qt::Key_9, Qt::NoModifier, 2, "9"},
    {Qt::Key_A, Qt::NoModifier, 0, "letter"}, // weight of the letters below
};
constexpr int kPoidsLettres = 6;

Qt::MouseButton tirerBouton(int tirage)
{
    return tirage < 16 ? Qt::LeftButton : tirage < 19 ? Qt::RightButton : Qt::MiddleButton;
}

const char* nomBouton(Qt::MouseButton b)
{
    return b == Qt::LeftButton ? "left" : b == Qt::RightButton ? "right" : "middle";
}

} // namespace

SessionAleatoire::SessionAleatoire(Fenetre* f, FenetreDebut* d, essai::ImagesDuJeu& i, bool sans,
                                   std::uint64_t g)
    : fenetre(f), debut(d), vue(f), images(i), sansImages(sans), graine(g), alea(g)
{
    manque = vue.erreur();
    if (manque.isEmpty()) {
        fermeur = std::make_unique<FermeurDeBoites>(vue, images);
    }
    chrono.start();
}

int SessionAleatoire::tirer(int min, int max)
{
    return std::uniform_int_distribution<int>(min, max)(alea);
}

QPoint SessionAleatoire::pointDans(QWidget* widget)
{
    return QPoint(tirer(0, qMax(0, widget->width() - 1)), tirer(0, qMax(0, widget->height() - 1)));
}

void SessionAleatoire::rendreActive()
{
    if (!fenetre->isVisible()) {
        fenetre->show();
    }
    if (QApplication::activeWindow() != fenetre) {
        // The user comes back to the game window. (Without a window manager,
        // the closed list of the difficulty stays the active window.)
        fenetre->activateWindow();
        QApplication::setActiveWindow(fenetre);
        (void)QTest::qWaitForWindowActive(fenetre, 2000);
    }
}

QWidget* SessionAleatoire::cibleClavier() const
{
    QWidget* cible = QApplication::focusWidget();
    return cible != nullptr ? cible : fenetre;
}

bool SessionAleatoire::evenement(const Evenement& ev, const QString& description,
                                 const std::function<void()>& geste)
{
    recentes << QStringLiteral("%1.%2 %3").arg(nombreActions).arg(nombreEvenements).arg(description);
    while (recentes.size() > kActionsRecentes) {
        recentes.removeFirst();
    }
    const EtatJeu avant = vue.lire();
    Contexte pendant;
    pendant.sansImages = sansImages;
    pendant.ouvreur = ev.genre == Genre::Libre ? 0 : ouvreurPendant(ev, avant, suivi);
    fermeur->setContexte(pendant);
    const int boitesAvant = fermeur->nombre();

    geste();

    const EtatJeu apres = vue.lire();
    const int boites = fermeur->nombre() - boitesAvant;
    QStringList trouves = fermeur->prendreDefauts();
    trouves += verifierEvenement(ev, avant, apres, boites, vue.plateau, suivi);
    return conclure(apres, trouves);
}

bool SessionAleatoire::quitter(const QString& description, const std::function<void()>& geste)
{
    const EtatJeu avant = vue.lire();
    recentes << QStringLiteral("%1.%2 %3").arg(nombreActions).arg(nombreEvenements).arg(description);
    const int boitesAvant = fermeur->nombre();
    const int resultat = essai::executerBoucle(geste, 20000).resultat;
    rendreActive();
    const EtatJeu apres = vue.lire();
    QStringList trouves = fermeur->prendreDefauts();
    if (resultat != 0) {
        trouves << QStringLiteral("the event loop did not end, or ended with %1").arg(resultat);
    }
    Evenement ev;
    ev.genre = Genre::Quitter;
    trouves += verifierEvenement(ev, avant, apres, fermeur->nombre() - boitesAvant, vue.plateau, suivi);
    return conclure(apres, trouves);
}

bool SessionAleatoire::conclure(const EtatJeu& apres, QStringList trouves)
{
    Contexte ensuite;
    ensuite.sansImages = sansImages;
    ensuite.ouvreur = suivi.ouvreur;
    trouves += verifierEtat(vue, apres, images, ensuite);
    ++nombreEvenements;
    if (!trouves.isEmpty()) {
        fautes = trouves;
        return false;
    }
    return true;
}

bool SessionAleatoire::choisirDansLaListe(QComboBox* liste, int index)
{
    // As a user at the keyboard: the list takes the focus, F4 opens it, the
    // arrows move, Return chooses. (A mouse click would open it as well, but
    // without a window manager the closed list then keeps the mouse.)
    liste->setFocus(Qt::TabFocusReason);
    QTest::keyClick(liste, Qt::Key_F4);
    QAbstractItemView* elements = liste->view();
    if (elements == nullptr || !elements->isVisible()) {
        return false;
    }
    int courant = elements->currentIndex().row();
    while (courant < index) {
        QTest::keyClick(elements, Qt::Key_Down);
        ++courant;
    }
    while (courant > index) {
        QTest::keyClick(elements, Qt::Key_Up);
        --courant;
    }
    QTest::keyClick(elements, Qt::Key_Return);
    return !elements->isVisible() && liste->currentIndex() == index;
}

bool SessionAleatoire::lancer()
{
    QCheckBox* souris = essai::caseSouris(debut);
    QComboBox* liste = essai::listeDifficulte(debut);
    QRadioButton* rouge = essai::radio(debut, QStringLiteral("Joueur rouge"), QStringLiteral("Ordinateur"));
    QRadioButton* jaune = essai::radio(debut, QStringLiteral("Joueur jaune"), QStringLiteral("Ordinateur"));
    QPushButton* nouvelle = essai::bouton(debut, QStringLiteral("Nouvelle Partie"));
    if (!souris || !liste || !rouge || !jaune || !nouvelle) {
        fautes << QStringLiteral("the start window's widgets were not found");
        return false;
    }
    debut->show();
    debut->activateWindow();
    (void)QTest::qWaitForWindowActive(debut, 2000);

    Evenement ev;
    ev.genre = Genre::Lancement;
    ev.sourisDebut = tirer(0, 99) < 85;
    ev.rougeDebut = tirer(0, 99) < 35;
    ev.jauneDebut = tirer(0, 99) < 35;
    // Deep searches cost time only; keep them for games a person takes part in.
    ev.index = ev.rougeDebut && ev.jauneDebut ? 0 : (tirer(0, 99) < 90 ? 0 : tirer(1, 2));
    if (!ev.sourisDebut) {
        QTest::mouseClick(souris, Qt::LeftButton);
    }
    if (ev.index != 0 && !choisirDansLaListe(liste, ev.index)) {
        fautes << QStringLiteral("the start window's difficulty list did not take item %1").arg(ev.index);
        return false;
    }
    if (ev.rougeDebut) {
        QTest::mouseClick(rouge, Qt::LeftButton);
    }
    if (ev.jauneDebut) {
        QTest::mouseClick(jaune, Qt::LeftButton);
    }
    if (souris->isChecked() != ev.sourisDebut || rouge->isChecked() != ev.rougeDebut
        || jaune->isChecked() != ev.jauneDebut) {
        fautes << QStringLiteral("the start window's options did not take the clicks");
        return false;
    }
    const QString description =
        QStringLiteral("start window: mouse %1, difficulty %2, red %3, yellow %4, Nouvelle Partie")
            .arg(ev.sourisDebut)
            .arg(ev.index)
            .arg(ev.rougeDebut ? "computer" : "person", ev.jauneDebut ? "computer" : "person");
    const bool ok = evenement(ev, description, [&] { QTest::mouseClick(nouvelle, Qt::LeftButton); });
    if (ok && debut->isVisible()) {
        fautes << QStringLiteral("the start window is still shown");
        return false;
    }
    rendreActive();
    return ok;
}

bool SessionAleatoire::agir()
{
    ++nombreActions;
    rendreActive();
    // Deep searches only cost time: a higher difficulty does not last long.
    if (vue.difficulte->currentIndex() != 0 && tirer(0, 9) < 6) {
        return difficulte(0);
    }
    int t = tirer(0, 999);
    auto prendre = [&t](int poids) {
        t -= poids;
        return t < 0;
    };
    if (prendre(220)) return clicLabel(false);
    if (prendre(40)) return clicLabel(true);
    if (prendre(140)) return survol();
    if (prendre(140)) return clicBouton(false);
    if (prendre(30)) return clicBouton(true);
    if (prendre(270)) return touche();
    if (prendre(40)) return tabulation();
    if (prendre(30)) return caseSouris();
    if (prendre(20)) return difficulte(tirer(0, 99) < 70 ? 0 : tirer(1, 2));
    if (prendre(35)) return radio();
    if (prendre(10)) return partiePrudente();
    if (prendre(20)) return nouvellePartie();
    if (prendre(3)) return echap();
    return boutonQuitter();
}

bool SessionAleatoire::clicLabel(bool double_)
{
    const int l = tirer(0, kLignes);
    const int c = tirer(0, kColonnes - 1);
    const Qt::MouseButton b = tirerBouton(tirer(0, 19));
    Label* label = vue.label(l, c);
    const QPoint p = pointDans(label);
    const QString nom = QStringLiteral("label %1,%2 %3 button").arg(l).arg(c).arg(nomBouton(b));
    ++parGenre[double_ ? QStringLiteral("double click on the board")
                       : QStringLiteral("click on the board")];
    Evenement appui;
    appui.genre = Genre::AppuiLabel;
    appui.colonne = c;
    return presser(label, b, p, appui, nom, double_);
}

bool SessionAleatoire::survol()
{
    const int l = tirer(0, kLignes);
    const int c = tirer(0, kColonnes - 1);
    Label* label = vue.label(l, c);
    const QPoint p = pointDans(label);
    ++parGenre[QStringLiteral("mouse over the board")];
    Evenement ev;
    ev.genre = Genre::Survol;
    ev.colonne = c;
    // The motion comes through the window, as from the window system: the
    // window finds the label under the mouse.
    QWindow* fenetreSysteme = fenetre->windowHandle();
    const QPoint dansFenetre = label->mapTo(fenetre, p);
    return evenement(ev, QStringLiteral("mouse over label %1,%2").arg(l).arg(c),
                     [&] { QTest::mouseMove(fenetreSysteme, dansFenetre); });
}

bool SessionAleatoire::clicBouton(bool double_)
{
    const int c = tirer(0, kColonnes - 1);
    const Qt::MouseButton b = tirerBouton(tirer(0, 19));
    Bouton* bouton = vue.boutons[c];
    const QPoint p = pointDans(bouton);
    const QString nom = QStringLiteral("column button %1 %2 button").arg(c).arg(nomBouton(b));
    ++parGenre[double_ ? QStringLiteral("double click on a column button")
                       : QStringLiteral("click on a column button")];
    Evenement appui;
    appui.genre = Genre::AppuiBouton;
    appui.colonne = c;
    return presser(bouton, b, p, appui, nom, double_);
}

// A click as the window system delivers it: press and release, then for a
// double click a double-click event and a second release. Each press is
// checked as `appui`, each release as changing nothing.
bool SessionAleatoire::presser(QWidget* cible, Qt::MouseButton b, QPoint p,
                               const Evenement& appui, const QString& nom, bool double_)
{
    const Evenement rien;
    if (!evenement(appui, nom + QStringLiteral(" press"), [&] { QTest::mousePress(cible, b, {}, p); })
        || !evenement(rien, nom + QStringLiteral(" release"), [&] { QTest::mouseRelease(cible, b, {}, p); })) {
        return false;
    }
    if (!double_) {
        return true;
    }
    return evenement(appui, nom + QStringLiteral(" double click"), [&] { QTest::mouseDClick(cible, b, {}, p); })
        && evenement(rien, nom + QStringLiteral(" release"), [&] { QTest::mouseRelease(cible, b, {}, p); });
}

// Column buttons pressed by players who never complete a line of their own
// while another column is left: such games fill the board, end in draws, and
// bring the computer to its last free cells.
bool SessionAleatoire::partiePrudente()
{
    ++parGenre[QStringLiteral("careful game")];
    for (int coup = 0; coup < kCases && !vue.plateau->estTerminee(); ++coup) {
        const Case* grille = vue.plateau->getGrille();
        const int joueur = vue.plateau->getJoueurCourant();
        Grille essai;
        for (int i = 0; i < kCases; ++i) {
            essai[i] = grille[i];
        }
        QList<int> sures;
        QList<int> jouables;
        for (int c = 0; c < kColonnes; ++c) {
            if (!colonneJouable(essai, c)) {
                continue;
            }
            jouables << c;
            placerJeton(c, joueur, essai);
            if (!aUneLigne(essai, joueur)) {
                sures << c;
            }
            retirerJeton(c, essai);
        }
        const QList<int>& choix = sures.isEmpty() ? jouables : sures;
        const int c = choix.at(tirer(0, static_cast<int>(choix.size()) - 1));
        Bouton* bouton = vue.boutons[c];
        Evenement appui;
        appui.genre = Genre::AppuiBouton;
        appui.colonne = c;
        const Evenement rien;
        const QString nom = QStringLiteral("careful game: column button %1").arg(c);
        if (!evenement(appui, nom + QStringLiteral(" press"),
                       [&] { QTest::mousePress(bouton, Qt::LeftButton); })
            || !evenement(rien, nom + QStringLiteral(" release"),
                          [&] { QTest::mouseRelease(bouton, Qt::LeftButton); })) {
            return false;
        }
    }
    return true;
}

bool SessionAleatoire::touche()
{
    int total = kPoidsLettres;
    for (const Touche& k : kTouches) {
        total += k.poids;
    }
    int t = tirer(0, total - 1);
    Qt::Key cle = Qt::Key_A;
    Qt::KeyboardModifiers modificateurs = Qt::NoModifier;
    QString nom;
    for (const Touche& k : kTouches) {
        if (t < k.poids) {
            cle = k.cle;
            modificateurs = k.modificateurs;
            nom = QLatin1String(k.nom);
            break;
        }
        t -= k.poids;
    }
    if (nom.isEmpty()) {
        cle = static_cast<Qt::Key>(Qt::Key_A + tirer(0, 25));
        nom = QString(QChar(static_cast<char16_t>(cle)));
    }
    ++parGenre[QStringLiteral("key ") + nom];

    QWidget* cible = cibleClavier();
    Evenement appui;
    appui.genre = cible == vue.plateau ? Genre::ToucheJeu : Genre::Libre;
    appui.touche = cle;
    const QString sur = QLatin1String(cible->metaObject()->className());
    if (!evenement(appui, QStringLiteral("key %1 pressed on %2").arg(nom, sur),
                   [&] { QTest::keyPress(cible, cle, modificateurs); })) {
        return false;
    }
    QWidget* cibleRelache = cibleClavier();
    Evenement relache;
    relache.genre = cibleRelache == vue.plateau ? Genre::Rien : Genre::Libre;
    return evenement(relache,
                     QStringLiteral("key %1 released on %2")
                         .arg(nom, QLatin1String(cibleRelache->metaObject()->className())),
                     [&] { QTest::keyRelease(cibleRelache, cle, modificateurs); });
}

bool SessionAleatoire::tabulation()
{
    const bool arriere = tirer(0, 1) == 1;
    const Qt::Key cle = arriere ? Qt::Key_Backtab : Qt::Key_Tab;
    const Qt::KeyboardModifiers modificateurs = arriere ? Qt::ShiftModifier : Qt::NoModifier;
    const QString nom = arriere ? QStringLiteral("Backtab") : QStringLiteral("Tab");
    ++parGenre[QStringLiteral("key ") + nom];
    QWidget* cible = cibleClavier();
    Evenement appui;
    appui.genre = Genre::TabAppui;
    if (!evenement(appui, nom + QStringLiteral(" pressed"),
                   [&] { QTest::keyPress(cible, cle, modificateurs); })) {
        return false;
    }
    QWidget* cibleRelache = cibleClavier();
    Evenement relache;
    relache.genre = Genre::TabRelache;
    return evenement(relache,
                     nom + QStringLiteral(" released on ")
                         + QLatin1String(cibleRelache->metaObject()->className()),
                     [&] { QTest::keyRelease(cibleRelache, cle, modificateurs); });
}

bool SessionAleatoire::caseSouris()
{
    ++parGenre[QStringLiteral("mouse check box")];
    Evenement ev;
    ev.genre = Genre::CaseSouris;
    return evenement(ev, QStringLiteral("click on \"Activer la souris\""),
                     [&] { QTest::mouseClick(vue.souris, Qt::LeftButton); });
}

bool SessionAleatoire::difficulte(int index)
{
    ++parGenre[QStringLiteral("difficulty %1").arg(index)];
    Evenement ev;
    ev.genre = Genre::Difficulte;
    ev.index = index;
    bool ouverte = true;
    const bool ok = evenement(ev, QStringLiteral("difficulty list, item %1").arg(index),
                              [&] { ouverte = choisirDansLaListe(vue.difficulte, index); });
    if (ok && !ouverte) {
        fautes << QStringLiteral("the difficulty list did not open or did not take the item");
        return false;
    }
    return ok;
}

bool SessionAleatoire::radio()
{
    QRadioButton* radios[4] = {vue.rougeOrdi, vue.rougeHumain, vue.jauneOrdi, vue.jauneHumain};
    static const char* noms[4] = {"red computer", "red person", "yellow computer", "yellow person"};
    const int i = tirer(0, 3);
    ++parGenre[QStringLiteral("radio button")];
    Evenement ev;
    ev.genre = Genre::Radio;
    ev.radio = i;
    return evenement(ev, QStringLiteral("radio button %1").arg(QLatin1String(noms[i])),
                     [&] { QTest::mouseClick(radios[i], Qt::LeftButton); });
}

bool SessionAleatoire::nouvellePartie()
{
    ++parGenre[QStringLiteral("Nouvelle Partie")];
    Evenement ev;
    ev.genre = Genre::Nouvelle;
    return evenement(ev, QStringLiteral("click on \"Nouvelle Partie\""),
                     [&] { QTest::mouseClick(vue.nouvellePartie, Qt::LeftButton); });
}

bool SessionAleatoire::echap()
{
    // Escape is the board's to handle only while the board has the focus.
    if (cibleClavier() != vue.plateau) {
        return touche();
    }
    ++parGenre[QStringLiteral("key Escape")];
    QWidget* cible = vue.plateau;
    return quitter(QStringLiteral("key Escape, inside the event loop"), [cible] {
        QTest::keyPress(cible, Qt::Key_Escape);
        QTest::keyRelease(cible, Qt::Key_Escape);
    });
}

bool SessionAleatoire::boutonQuitter()
{
    ++parGenre[QStringLiteral("Quitter")];
    QPushButton* bouton = vue.quitter;
    return quitter(QStringLiteral("click on \"Quitter\", inside the event loop"),
                   [bouton] { QTest::mouseClick(bouton, Qt::LeftButton); });
}

QString SessionAleatoire::defauts() const
{
    QString texte = QStringLiteral("seed %1, action %2, event %3:\n  ")
                        .arg(graine)
                        .arg(nombreActions)
                        .arg(nombreEvenements);
    texte += fautes.join(QStringLiteral("\n  "));
    texte += QStringLiteral("\nlast events (action.event):\n  ") + recentes.join(QStringLiteral("\n  "));
    return texte;
}

QString SessionAleatoire::bilan() const
{
    QString texte = QStringLiteral("%1 actions, %2 events, %3 end-of-game boxes (%4 draws) in %5 s")
                        .arg(nombreActions)
                        .arg(nombreEvenements)
                        .arg(fermeur ? fermeur->nombre() : 0)
                        .arg(fermeur ? fermeur->nulles() : 0)
                        .arg(static_cast<double>(chrono.elapsed()) / 1000.0, 0, 'f', 1);
    for (auto it = parGenre.constBegin(); it != parGenre.constEnd(); ++it) {
        texte += QStringLiteral("\n  %1: %2").arg(it.key()).arg(it.value());
    }
    return texte;
}
