// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vue_jeu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "bouton.h"
#include "fenetres_essai.h"
#include "fenetre.h"
#include "label.h"
#include "quartelo4.h"

using namespace essai;

VueJeu::VueJeu(Fenetre* f) : fenetre(f)
{
    plateau = fenetre->getPlateau();
    if (plateau == nullptr) {
        manque += QStringLiteral("board widget; ");
    }
    situation = essai::situation(fenetre);
    if (situation == nullptr) {
        manque += QStringLiteral("status line; ");
    }
    souris = caseSouris(fenetre);
    if (souris == nullptr) {
        manque += QStringLiteral("mouse check box; ");
    }
    difficulte = listeDifficulte(fenetre);
    if (difficulte == nullptr || difficulte->count() != 3) {
        manque += QStringLiteral("difficulty list; ");
    }
    rougeOrdi = radio(fenetre, QStringLiteral("Joueur rouge"), QStringLiteral("Ordinateur"));
    rougeHumain = radio(fenetre, QStringLiteral("Joueur rouge"), QStringLiteral("Humain"));
    jauneOrdi = radio(fenetre, QStringLiteral("Joueur jaune"), QStringLiteral("Ordinateur"));
    jauneHumain = radio(fenetre, QStringLiteral("Joueur jaune"), QStringLiteral("Humain"));
    if (!rougeOrdi || !rougeHumain || !jauneOrdi || !jauneHumain) {
        manque += QStringLiteral("radio buttons; ");
    }
    for (int c = 0; c < kColonnes; ++c) {
        boutons[c] = qobject_cast<Bouton*>(bouton(fenetre, QString::number(c)));
        if (boutons[c] == nullptr) {
            manque += QStringLiteral("column button %1; ").arg(c);
        }
    }
    nouvellePartie = bouton(fenetre, QStringLiteral("Nouvelle Partie"));
    quitter = bouton(fenetre, QStringLiteral("Quitter"));
    if (nouvellePartie == nullptr) {
        manque += QStringLiteral("\"Nouvelle Partie\"; ");
    }
    if (quitter == nullptr) {
        manque += QStringLiteral("\"Quitter\"; ");
    }
    for (int l = 0; l <= kLignes && plateau; ++l) {
        for (int c = 0; c < kColonnes; ++c) {
            if (plateau->getLabel(l, c) == nullptr) {
                manque += QStringLiteral("label %1,%2; ").arg(l).arg(c);
            }
        }
    }
}

Label* VueJeu::label(int ligne, int colonne) const
{
    return plateau->getLabel(ligne, colonne);
}

EtatJeu VueJeu::lire() const
{
    EtatJeu e;
    const Case* g = plateau->getGrille();
    for (int i = 0; i < kCases; ++i) {
        e.grille[i] = g[i];
    }
    e.joueurCourant = plateau->getJoueurCourant();
    e.gagnant = plateau->getGagnant();
    e.selection = plateau->getColonneSelectionnee();
    e.sourisPlateau = plateau->estSourisActive();
    e.profondeur = plateau->getProfondeur();
    e.rougeOrdiPlateau = plateau->estRougeOrdinateur();
    e.jauneOrdiPlateau = plateau->estJauneOrdinateur();
    e.situation = situation->text();
    e.caseSouris = souris->isChecked();
    e.indexDifficulte = difficulte->currentIndex();
    e.rougeOrdi = rougeOrdi->isChecked();
    e.rougeHumain = rougeHumain->isChecked();
    e.jauneOrdi = jauneOrdi->isChecked();
    e.jauneHumain = jauneHumain->isChecked();
    e.focus = fenetre->focusWidget();
    e.fenetreVisible = fenetre->isVisible();
    return e;
}
