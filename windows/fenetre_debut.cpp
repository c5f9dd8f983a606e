// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fenetre_debut.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "centrage.h"
#include "fichiers_images.h"
#include "fenetre.h"
#include "police_ajustee.h"

namespace {

constexpr Qt::Alignment kEnHautAuCentre = Qt::AlignTop | Qt::AlignHCenter;

} // namespace

// Every group box is given its own title as its accessible name: a box inside
// another one would otherwise be read with the outer box's title.
FenetreDebut::FenetreDebut(Fenetre* fenetreDeJeu)
    : QWidget(nullptr), fenetre(fenetreDeJeu)
{
    setFixedSize(250, 210);

    souris = new QCheckBox(QStringLiteral("Activer la souris"));
    souris->setChecked(true);
    QVBoxLayout* layoutSouris = new QVBoxLayout();
    layoutSouris->setAlignment(kEnHautAuCentre);
    layoutSouris->addWidget(souris);
    QGroupBox* groupeSouris = new QGroupBox(QStringLiteral("Souris"));
    groupeSouris->setAccessibleName(groupeSouris->title());
    groupeSouris->setLayout(layoutSouris);
    groupeSouris->setAlignment(Qt::AlignTop);
    groupeSouris->setToolTip(QStringLiteral("Activer/désactiver la souris"));

    difficulte = new QComboBox();
    difficulte->addItem(QStringLiteral("Facile"));
    difficulte->addItem(QStringLiteral("Moyen"));
    difficulte->addItem(QStringLiteral("Difficile"));
    QVBoxLayout* layoutDifficulte = new QVBoxLayout();
    layoutDifficulte->setAlignment(kEnHautAuCentre);
    layoutDifficulte->addWidget(difficulte);
    QGroupBox* groupeDifficulte = new QGroupBox(QStringLiteral("Difficulté"));
    groupeDifficulte->setAccessibleName(groupeDifficulte->title());
    groupeDifficulte->setLayout(layoutDifficulte);
    groupeDifficulte->setAlignment(Qt::AlignTop);
    groupeDifficulte->setToolTip(QStringLiteral("Influe \"l'intelligence\" du programme"));

    // Each side's two buttons share a group box, which makes them exclusive.
    rougeOrdi = new QRadioButton(QStringLiteral("Ordinateur"));
    rougeHumain = new QRadioButton(QStringLiteral("Humain"));
    rougeHumain->setChecked(true);
    QVBoxLayout* layoutRouge = new QVBoxLayout();
    layoutRouge->addWidget(rougeOrdi);
    layoutRouge->addWidget(rougeHumain);
    QGroupBox* joueurRouge = new QGroupBox(QStringLiteral("Joueur rouge"));
    joueurRouge->setAccessibleName(joueurRouge->title());
    joueurRouge->setLayout(layoutRouge);
    joueurRouge->setToolTip(QStringLiteral("Le joueur rouge est un ordi ?"));

    jauneOrdi = new QRadioButton(QStringLiteral("Ordinateur"));
    jauneHumain = new QRadioButton(QStringLiteral("Humain"));
    jauneHumain->setChecked(true);
    QVBoxLayout* layoutJaune = new QVBoxLayout();
    layoutJaune->addWidget(jauneOrdi);
    layoutJaune->addWidget(jauneHumain);
    QGroupBox* joueurJaune = new QGroupBox(QStringLiteral("Joueur jaune"));
    joueurJaune->setAccessibleName(joueurJaune->title());
    joueurJaune->setLayout(layoutJaune);
    joueurJaune->setToolTip(QStringLiteral("Le joueur jaune est un ordi ?"));

    QHBoxLayout* ligneReglages = new QHBoxLayout();
    ligneReglages->setAlignment(kEnHautAuCentre);
    ligneReglages->addWidget(groupeSouris);
    ligneReglages->addWidget(groupeDifficulte);
    QHBoxLayout* ligneJoueurs = new QHBoxLayout();
    ligneJoueurs->setAlignment(kEnHautAuCentre);
    ligneJoueurs->addWidget(joueurRouge);
    ligneJoueurs->addWidget(joueurJaune);
    QVBoxLayout* layoutOptions = new QVBoxLayout();
    layoutOptions->addLayout(ligneReglages);
    layoutOptions->addLayout(ligneJoueurs);
    QGroupBox* options = new QGroupBox(QStringLiteral("Options"));
    options->setAccessibleName(options->title());
    options->setLayout(layoutOptions);
    options->setAlignment(kEnHautAuCentre);

    QPushButton* nouvellePartie = new QPushButton(QStringLiteral("Nouvelle Partie"));
    nouvellePartie->setToolTip(QStringLiteral("Lancer une nouvelle partie"));
    connect(nouvellePartie, &QPushButton::clicked, this, &FenetreDebut::lancer);
    QPushButton* quitter = new QPushButton(QStringLiteral("Quitter"));
    quitter->setToolTip(QStringLiteral("Quitter l'application"));
    connect(quitter, &QPushButton::clicked, qApp, &QCoreApplication::quit);

    QHBoxLayout* ligneBoutons = new QHBoxLayout();
    ligneBoutons->setAlignment(Qt::AlignTop);
    ligneBoutons->addWidget(nouvellePartie);
    ligneBoutons->addWidget(quitter);
    QVBoxLayout* layoutFenetre = new QVBoxLayout();
    layoutFenetre->addWidget(options);
    layoutFenetre->addLayout(ligneBoutons);
    setLayout(layoutFenetre);
    PoliceAjustee::suivre(this);

    centrerSurEcranPrincipal(this);
    setWindowIcon(fichiers_images::icone(devicePixelRatio()));
    setWindowTitle(QStringLiteral("Quartelo 4"));
}

// Hands the choices to the game window, leaves the stage to it for good, and
// lets the computer open when it plays red.
void FenetreDebut::lancer()
{
    const int indexDifficulte = difficulte->currentIndex();
    const bool sourisActive = souris->isChecked();
    const bool rougeOrdinateur = rougeOrdi->isChecked();
    const bool jauneOrdinateur = jauneOrdi->isChecked();
    fenetre->appliquerOptions(indexDifficulte, sourisActive, rougeOrdinateur, jauneOrdinateur);
    setVisible(false);
    fenetre->setVisible(true);
    fenetre->jouer(-1);
}
