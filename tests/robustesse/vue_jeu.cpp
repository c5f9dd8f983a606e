#include "vue_jeu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "bouton.h"
#include "fenetre.h"
#include "label.h"
#include "quartelo4.h"

namespace {

QGroupBox* groupe(QWidget* fenetre, const QString& titre)
{
    const auto groupes = fenetre->findChildren<QGroupBox*>();
    for (QGroupBox* g : groupes) {
        if (g->title() == titre) {
            return g;
        }
    }
    return nullptr;
}

QRadioButton* radio(QGroupBox* g, const QString& texte)
{
    if (g == nullptr) {
        return nullptr;
    }
    const auto boutons = g->findChildren<QRadioButton*>();
    for (QRadioButton* b : boutons) {
        if (b->text() == texte) {
            return b;
        }
    }
    return nullptr;
}

} // namespace

QString couleurDe(int joueur)
{
    return joueur == 1 ? QStringLiteral("rouge") : QStringLiteral("jaune");
}

VueJeu::VueJeu(Fenetre* f) : fenetre(f)
{
    plateau = fenetre->getPlateau();
    if (plateau == nullptr) {
        manque += QStringLiteral("board widget; ");
    }
    if (QGroupBox* information = groupe(fenetre, QStringLiteral("Information"))) {
        situation = information->findChild<QLabel*>();
    }
    if (situation == nullptr) {
        manque += QStringLiteral("status line; ");
    }
    souris = fenetre->findChild<QCheckBox*>();
    if (souris == nullptr || souris->text() != QStringLiteral("Activer la souris")) {
        manque += QStringLiteral("mouse check box; ");
    }
    difficulte = fenetre->findChild<QComboBox*>();
    if (difficulte == nullptr || difficulte->count() != 3) {
        manque += QStringLiteral("difficulty list; ");
    }
    QGroupBox* rouge = groupe(fenetre, QStringLiteral("Joueur rouge"));
    QGroupBox* jaune = groupe(fenetre, QStringLiteral("Joueur jaune"));
    rougeOrdi = radio(rouge, QStringLiteral("Ordinateur"));
    rougeHumain = radio(rouge, QStringLiteral("Humain"));
    jauneOrdi = radio(jaune, QStringLiteral("Ordinateur"));
    jauneHumain = radio(jaune, QStringLiteral("Humain"));
    if (!rougeOrdi || !rougeHumain || !jauneOrdi || !jauneHumain) {
        manque += QStringLiteral("radio buttons; ");
    }
    const auto tous = fenetre->findChildren<QPushButton*>();
    for (QPushButton* b : tous) {
        if (auto* colonne = qobject_cast<Bouton*>(b)) {
            bool nombre = false;
            const int n = colonne->text().toInt(&nombre);
            if (nombre && n >= 0 && n < kColonnes) {
                boutons[n] = colonne;
            }
        } else if (b->text() == QStringLiteral("Nouvelle Partie")) {
            nouvellePartie = b;
        } else if (b->text() == QStringLiteral("Quitter")) {
            quitter = b;
        }
    }
    for (int c = 0; c < kColonnes; ++c) {
        if (boutons[c] == nullptr) {
            manque += QStringLiteral("column button %1; ").arg(c);
        }
    }
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
