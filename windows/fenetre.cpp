// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fenetre.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "bouton.h"
#include "centrage.h"
#include "fichiers_images.h"
#include "plateforme.h"
#include "police_ajustee.h"
#include "quartelo4.h"
#include "textes.h"

namespace {

constexpr Qt::Alignment kEnHautAuCentre = Qt::AlignHCenter | Qt::AlignTop;

// A group box that takes the given layout, which adopts its widgets, named
// by its title for screen readers.
QGroupBox* grouper(const QString& titre, QLayout* contenu)
{
    QGroupBox* groupe = new QGroupBox(titre);
    groupe->setLayout(contenu);
    // Read by its own title: a group box inside another one would otherwise
    // be read with the outer box's title.
    groupe->setAccessibleName(titre);
    return groupe;
}

// The search depth of a difficulty index: "Facile" for anything unknown.
int profondeurDeDifficulte(int index)
{
    switch (index) {
    case 1:
        return 10;
    case 2:
        return 12;
    default:
        return 8;
    }
}

// The difficulty index that shows a depth; other depths show "Facile".
int difficulteDeProfondeur(int profondeur)
{
    switch (profondeur) {
    case 10:
        return 1;
    case 12:
        return 2;
    default:
        return 0;
    }
}

// Gives the status box the least size at which the status line's longest
// text, in the label's present font, fits in it.
void reserverPlaceSituation(QGroupBox* information, const QLabel* situation)
{
    const QFontMetrics mesure = situation->fontMetrics();
    QSize plusGrand;
    for (const QString& texte : textes::toutesLesSituations())
        plusGrand = plusGrand.expandedTo(
            mesure.boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                                Qt::AlignLeft | Qt::TextExpandTabs, texte).size());
    const QSize enPlus = (plusGrand - situation->minimumSizeHint()).expandedTo(QSize(0, 0));
    information->setMinimumSize(information->minimumSizeHint() + enPlus);
}

} // namespace

Fenetre::Fenetre(int profondeur, bool sourisActive, bool rougeOrdinateur, bool jauneOrdinateur)
    : QWidget(nullptr)
{
    setFixedSize(880, 720);

    plateau = new Quartelo4(this, rougeOrdinateur, jauneOrdinateur);
    plateau->setSourisActive(sourisActive);
    plateau->setProfondeur(profondeur);

    situation = new QLabel(textes::tour(plateau->getCouleurJoueurCourant()));

    // The options are connected once set, so building the window runs no slot.
    souris = new QCheckBox(QStringLiteral("Activer la souris"));
    souris->setChecked(sourisActive);
    connect(souris, &QCheckBox::stateChanged, this, &Fenetre::setMouseActive);

    difficulte = new QComboBox();
    difficulte->addItem(QStringLiteral("Facile"));
    difficulte->addItem(QStringLiteral("Moyen"));
    difficulte->addItem(QStringLiteral("Difficile"));
    difficulte->setCurrentIndex(difficulteDeProfondeur(profondeur));
    connect(difficulte, &QComboBox::currentIndexChanged, this, &Fenetre::setDifficulte);

    QVBoxLayout* layoutBoutons = new QVBoxLayout();
    for (int n = 0; n < 7; ++n) {
        Bouton* bouton = new Bouton(n);
        bouton->setToolTip(QStringLiteral("Jouer à la colonne ") + QString::number(n));
        connect(bouton, &Bouton::clicked, this, &Fenetre::jouer);
        layoutBoutons->addWidget(bouton);
    }

    rougeOrdi = new QRadioButton(QStringLiteral("Ordinateur"));
    rougeHumain = new QRadioButton(QStringLiteral("Humain"));
    (rougeOrdinateur ? rougeOrdi : rougeHumain)->setChecked(true);
    jauneOrdi = new QRadioButton(QStringLiteral("Ordinateur"));
    jauneHumain = new QRadioButton(QStringLiteral("Humain"));
    (jauneOrdinateur ? jauneOrdi : jauneHumain)->setChecked(true);

    QPushButton* nouvellePartie = new QPushButton(QStringLiteral("Nouvelle Partie"));
    nouvellePartie->setToolTip(QStringLiteral("Lancer une nouvelle partie"));
    connect(nouvellePartie, &QPushButton::clicked, this, &Fenetre::reinitialiser);
    QPushButton* quitter = new QPushButton(QStringLiteral("Quitter"));
    quitter->setToolTip(QStringLiteral("Quitter l'application"));
    connect(quitter, &QPushButton::clicked, qApp, &QCoreApplication::quit);

    // The right-hand column, top to bottom.
    QVBoxLayout* layoutInformation = new QVBoxLayout();
    layoutInformation->addWidget(situation);
    layoutInformation->setAlignment(kEnHautAuCentre);
    QGroupBox* information = grouper(QStringLiteral("Information"), layoutInformation);
    information->setAlignment(kEnHautAuCentre);
    information->setToolTip(QStringLiteral("Situation actuelle du jeu"));
    // The status box takes the column's spare height, so that nothing below
    // it moves when the status line grows from one line to three.
    information->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);

    QVBoxLayout* layoutSouris = new QVBoxLayout();
    layoutSouris->addWidget(souris);
    layoutSouris->setAlignment(kEnHautAuCentre);
    QGroupBox* groupeSouris = grouper(QStringLiteral("Souris"), layoutSouris);
    groupeSouris->setAlignment(Qt::AlignTop);
    groupeSouris->setToolTip(QStringLiteral("Activer/désactiver la souris"));

    QVBoxLayout* layoutDifficulte = new QVBoxLayout();
    layoutDifficulte->addWidget(difficulte);
    layoutDifficulte->setAlignment(kEnHautAuCentre);
    QGroupBox* groupeDifficulte = grouper(QStringLiteral("Difficulté"), layoutDifficulte);
    groupeDifficulte->setAlignment(Qt::AlignTop);
    groupeDifficulte->setToolTip(QStringLiteral("Influe \"l'intelligence\" du programme"));

    QVBoxLayout* layoutOptions = new QVBoxLayout();
    layoutOptions->addWidget(groupeSouris);
    layoutOptions->addWidget(groupeDifficulte);
    layoutOptions->setAlignment(kEnHautAuCentre);
    QGroupBox* options = grouper(QStringLiteral("Options"), layoutOptions);
    options->setAlignment(kEnHautAuCentre);

    layoutBoutons->setAlignment(kEnHautAuCentre);
    QGroupBox* choixColonne = grouper(QStringLiteral("Choix de la colonne"), layoutBoutons);
    choixColonne->setAlignment(kEnHautAuCentre);

    QVBoxLayout* layoutRouge = new QVBoxLayout();
    layoutRouge->addWidget(rougeOrdi);
    layoutRouge->addWidget(rougeHumain);
    QGroupBox* joueurRouge = grouper(QStringLiteral("Joueur rouge"), layoutRouge);
    joueurRouge->setToolTip(QStringLiteral("Le joueur rouge est un ordi ?"));

    QVBoxLayout* layoutJaune = new QVBoxLayout();
    layoutJaune->addWidget(jauneOrdi);
    layoutJaune->addWidget(jauneHumain);
    QGroupBox* joueurJaune = grouper(QStringLiteral("Joueur jaune"), layoutJaune);
    joueurJaune->setToolTip(QStringLiteral("Le joueur jaune est un ordi ?"));

    QVBoxLayout* layoutNouvellePartie = new QVBoxLayout();
    layoutNouvellePartie->addWidget(joueurRouge);
    layoutNouvellePartie->addWidget(joueurJaune);
    layoutNouvellePartie->addWidget(nouvellePartie);
    layoutNouvellePartie->setAlignment(kEnHautAuCentre);
    QGroupBox* groupeNouvellePartie = grouper(QStringLiteral("Nouvelle partie"), layoutNouvellePartie);
    groupeNouvellePartie->setAlignment(kEnHautAuCentre);

    QVBoxLayout* layoutQuitter = new QVBoxLayout();
    layoutQuitter->addWidget(quitter);
    layoutQuitter->setAlignment(Qt::AlignTop);
    QGroupBox* quitterLaPartie = grouper(QStringLiteral("Quitter la partie"), layoutQuitter);
    quitterLaPartie->setAlignment(kEnHautAuCentre);

    QVBoxLayout* colonneDroite = new QVBoxLayout();
    colonneDroite->addWidget(information);
    colonneDroite->addWidget(options);
    colonneDroite->addWidget(choixColonne);
    colonneDroite->addWidget(groupeNouvellePartie);
    colonneDroite->addWidget(quitterLaPartie);

    // The board keeps the size of its pictures, so its rows stay together.
    plateau->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QHBoxLayout* layoutFenetre = new QHBoxLayout();
    layoutFenetre->addWidget(plateau);
    layoutFenetre->addLayout(colonneDroite);
    setLayout(layoutFenetre);
    // The status box keeps the room of the longest status text in every size
    // of font, so that the font chosen for the window holds for the whole game.
    PoliceAjustee::suivre(this, [this, information] {
        reserverPlaceSituation(information, situation);
    });

    centrerSurEcranPrincipal(this);
    setWindowIcon(fichiers_images::icone(devicePixelRatio()));
    setWindowTitle(QStringLiteral("Quartelo 4"));

    plateau->setFocus(Qt::OtherFocusReason);
}

Fenetre::~Fenetre() = default;

Quartelo4* Fenetre::getPlateau() const
{
    return plateau;
}

// Plays a column for the side to move, or with -1 lets the computer move if
// it plays that side, then rewrites the status line. A computer's reply is
// played here too, through a nested call; with two computer sides the rest of
// the game is. True when the asked move placed a token.
bool Fenetre::jouer(int colonne)
{
    const bool ok = plateau->jouerColonne(colonne);
    if (ok) {
        // For -1 the nested call that played the computer's column wrote it.
        if (colonne >= 0 && !plateau->estTerminee())
            situation->setText(textes::colonneJouee(colonne, plateau->getCouleurJoueurCourant()));
        plateau->jouerColonne(-1);
    }
    if (plateau->estTerminee())
        situation->setText(textes::finDePartie(plateau->getCouleurGagnant()));
    plateau->setFocus(Qt::OtherFocusReason);
    return ok;
}

// A new game with the sides chosen by the radio buttons; the board widget
// decides who opens, and a computer side opens at once.
void Fenetre::reinitialiser()
{
    const bool jaune = jauneOrdi->isChecked();
    const bool rouge = rougeOrdi->isChecked();
    plateau->nouvellePartie(rouge, jaune);
    plateau->setSourisActive(souris->isChecked());
    situation->setText(textes::tour(plateau->getCouleurJoueurCourant()));
    jouer(-1);
    plateau->setFocus(Qt::OtherFocusReason);
}

void Fenetre::setMouseActive(int etat)
{
    const bool active = etat != 0;
    souris->setChecked(active);
    plateau->setSourisActive(active);
    plateau->setFocus(Qt::OtherFocusReason);
}

void Fenetre::setDifficulte(int index)
{
    // Qt 6 signals currentIndexChanged(-1) again for an index already at -1
    // (no item): selecting only on a change keeps an index outside the list
    // from calling this slot back without end.
    if (index != difficulte->currentIndex())
        difficulte->setCurrentIndex(index);
    plateau->setProfondeur(profondeurDeDifficulte(index));
    plateau->setFocus(Qt::OtherFocusReason);
}

// Who plays a side takes effect at the board's next computer move, without a new game.
void Fenetre::setRougeOrdi(bool ordi)
{
    plateau->setRougeOrdinateur(ordi);
    (ordi ? rougeOrdi : rougeHumain)->setChecked(true);
    plateau->setFocus(Qt::OtherFocusReason);
}

void Fenetre::setJauneOrdi(bool ordi)
{
    plateau->setJauneOrdinateur(ordi);
    (ordi ? jauneOrdi : jauneHumain)->setChecked(true);
    plateau->setFocus(Qt::OtherFocusReason);
}

// The start window's choices: difficulty index, mouse play, and who plays each side.
void Fenetre::appliquerOptions(int indexDifficulte, bool sourisActive, bool rougeOrdinateur,
                               bool jauneOrdinateur)
{
    setDifficulte(indexDifficulte);
    setMouseActive(sourisActive ? 1 : 0);
    setRougeOrdi(rougeOrdinateur);
    setJauneOrdi(jauneOrdinateur);
    plateau->setFocus(Qt::OtherFocusReason);
}

// The modal end-of-game message; returns once the user has closed it.
void Fenetre::afficherFinDePartie()
{
    QMessageBox::information(this, QStringLiteral("Partie terminée"),
                             textes::finDePartie(plateau->getCouleurGagnant()),
                             QMessageBox::Ok, QMessageBox::NoButton);
    plateforme::apresMessage(this);
}
