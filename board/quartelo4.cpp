// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quartelo4.h"

#include <QGridLayout>

#include <algorithm>

#include "cote_case.h"
#include "fabrique_accessible.h"
#include "fenetre.h"
#include "fichiers_images.h"
#include "joueur.h"
#include "label.h"
#include "ordinateur.h"
#include "plateforme.h"
#include "suivi_du_rapport.h"
#include "textes_accessibles.h"

namespace {

constexpr int kTailleDepart = 7 * kCoteCase;

int indiceCase(int ligne, int colonne)
{
    return colonne + kColonnes * ligne;
}

QString couleur(int joueur)
{
    switch (joueur) {
    case 1:
        return QStringLiteral("rouge");
    case 2:
        return QStringLiteral("jaune");
    default:
        return QString();
    }
}

} // namespace

Quartelo4::Quartelo4(Fenetre* fenetreDeJeu, bool rougeOrdi, bool jauneOrdi)
    : QWidget(nullptr),
      joueurRouge(nullptr),
      joueurJaune(nullptr),
      fenetre(fenetreDeJeu),
      sourisActive(true),
      profondeur(8),
      colonneSelectionnee(0),
      joueurCourant(1),
      gagnant(0),
      grille{},
      labels{},
      layoutGrille(nullptr)
{
    // Before any accessible name is set: Qt may build the interfaces then.
    fabrique_accessible::installer();

    // A starting size only: the window's layout may stretch the board.
    resize(kTailleDepart, kTailleDepart);

    joueurRouge = new Joueur(1, rougeOrdi);
    joueurJaune = new Joueur(2, jauneOrdi);

    layoutGrille = new QGridLayout();
    layoutGrille->setHorizontalSpacing(0);
    layoutGrille->setVerticalSpacing(0);

    // Every label of a column, its header included, reports that column.
    auto ajouterLabel = [this](int ligne, int colonne) {
        Label* label = new Label(colonne, QString());
        connect(label, &Label::clicked, this, &Quartelo4::clicSurLabel);
        connect(label, &Label::moved, this, &Quartelo4::moveSurLabel);
        layoutGrille->addWidget(label, ligne, colonne);
        labels[ligne][colonne] = label;
    };
    for (int colonne = 0; colonne < kColonnes; ++colonne) {
        ajouterLabel(0, colonne);
        montrerEnTete(colonne, 0);
    }
    for (int ligne = 0; ligne < kLignes; ++ligne) {
        for (int colonne = 0; colonne < kColonnes; ++colonne) {
            ajouterLabel(ligne + 1, colonne);
            montrerCase(ligne, colonne, 0, false);
        }
    }
    setAccessibleName(textes_accessibles::plateau());

    selectionnerColonne(0);
    setLayout(layoutGrille);

    // On a screen of another scale every picture is read again for it.
    new SuiviDuRapport(this, [this] {
        for (auto& ligne : labels)
            for (Label* label : ligne)
                label->rechargerImage();
    });
}

// The labels and the layout belong to the widget tree; only the players are ours.
Quartelo4::~Quartelo4()
{
    delete joueurRouge;
    delete joueurJaune;
}

void Quartelo4::setSourisActive(bool active)
{
    sourisActive = active;
}

void Quartelo4::setProfondeur(int nouvelleProfondeur)
{
    profondeur = nouvelleProfondeur;
}

void Quartelo4::setRougeOrdinateur(bool ordinateur)
{
    joueurRouge->setOrdinateur(ordinateur);
}

void Quartelo4::setJauneOrdinateur(bool ordinateur)
{
    joueurJaune->setOrdinateur(ordinateur);
}

bool Quartelo4::estTerminee() const
{
    return joueurCourant == 0;
}

int Quartelo4::getColonneSelectionnee() const
{
    return colonneSelectionnee;
}

QString Quartelo4::getCouleurJoueurCourant() const
{
    return couleur(joueurCourant);
}

QString Quartelo4::getCouleurGagnant() const
{
    return couleur(gagnant);
}

bool Quartelo4::estSourisActive() const
{
    return sourisActive;
}

int Quartelo4::getProfondeur() const
{
    return profondeur;
}

int Quartelo4::getJoueurCourant() const
{
    return joueurCourant;
}

int Quartelo4::getGagnant() const
{
    return gagnant;
}

const Case* Quartelo4::getGrille() const
{
    return grille;
}

bool Quartelo4::estRougeOrdinateur() const
{
    return joueurRouge->estOrdinateur();
}

bool Quartelo4::estJauneOrdinateur() const
{
    return joueurJaune->estOrdinateur();
}

Label* Quartelo4::getLabel(int ligne, int colonne) const
{
    if (ligne < 0 || ligne > kLignes || colonne < 0 || colonne >= kColonnes)
        return nullptr;
    return labels[ligne][colonne];
}

// Puts the cursor, the token of the side to move, above column 0 to 6 and
// redraws the whole header row. Other values leave everything as it is.
void Quartelo4::selectionnerColonne(int colonne)
{
    if (static_cast<unsigned>(colonne) > static_cast<unsigned>(kColonnes - 1))
        return;
    colonneSelectionnee = colonne;
    for (int i = 0; i < kColonnes; ++i)
        montrerEnTete(i, i == colonne ? joueurCourant : 0);
}

// Plays a column 0 to 6 for the side to move, or, given a negative column,
// lets the computer move when it plays that side. True when a token was placed.
bool Quartelo4::jouerColonne(int colonne)
{
    if (joueurCourant == 0)
        return false;

    if (colonne < 0) {
        Joueur* joueur = joueurCourant == 1 ? joueurRouge : joueurJaune;
        if (!joueur->estOrdinateur() || fenetre == nullptr)
            return false;
        // The search needs at least one move to look at.
        const int choix = choisirColonne(*joueur, grille, std::max(profondeur, 1));
        // Through the window, so that the status line follows the computer's
        // move and the other side may answer in turn.
        return fenetre->jouer(choix);
    }
    if (colonne >= kColonnes)
        return false;

    // No cursor while the token falls.
    for (int i = 0; i < kColonnes; ++i)
        montrerEnTete(i, 0);

    // The fall, drawn row by row down to the first occupied cell.
    int arrivee = -1;
    for (int ligne = 0; ligne < kLignes; ++ligne) {
        if (grille[indiceCase(ligne, colonne)] != 0)
            break;
        if (ligne > 0)
            montrerCase(ligne - 1, colonne, 0, false);
        montrerCase(ligne, colonne, joueurCourant, false);
        plateforme::montrerEtape(this);
        arrivee = ligne;
    }

    if (arrivee < 0) {
        // A full column: only the cursor moves above it.
        selectionnerColonne(colonne);
        return false;
    }

    grille[indiceCase(arrivee, colonne)] = joueurCourant;
    joueurCourant = adversaire(joueurCourant);
    selectionnerColonne(0);

    const bool fin = verifierFin();
    if (fin)
        montrerEnTete(0, 0);
    // What a screen reader announces for the board: the cell the token
    // landed in, « gagnant » included when it completed the line.
    setAccessibleDescription(labels[arrivee + 1][colonne]->accessibleName());
    if (fin && fenetre != nullptr)
        fenetre->afficherFinDePartie();
    return true;
}

// Clears the board. After a red win yellow opens; otherwise red does.
void Quartelo4::nouvellePartie(bool rougeOrdi, bool jauneOrdi)
{
    joueurRouge->setOrdinateur(rougeOrdi);
    joueurJaune->setOrdinateur(jauneOrdi);

    for (int ligne = 0; ligne < kLignes; ++ligne) {
        for (int colonne = 0; colonne < kColonnes; ++colonne) {
            grille[indiceCase(ligne, colonne)] = 0;
            montrerCase(ligne, colonne, 0, false);
        }
    }

    joueurCourant = gagnant == 1 ? 2 : 1;
    gagnant = 0;
    selectionnerColonne(0);
    setAccessibleDescription(QString());
}

// A click plays its column while the game runs, and starts a new game once it is over.
void Quartelo4::clicSurLabel(int colonne)
{
    if (!sourisActive || fenetre == nullptr)
        return;
    if (joueurCourant != 0)
        fenetre->jouer(colonne);
    else
        fenetre->reinitialiser();
}

// The cursor follows the mouse while the game runs.
void Quartelo4::moveSurLabel(int colonne)
{
    if (sourisActive && joueurCourant != 0)
        selectionnerColonne(colonne);
}

void Quartelo4::montrerCase(int ligneDuPlateau, int colonne, int joueur, bool gagnantDeLaLigne)
{
    Label* label = labels[ligneDuPlateau + 1][colonne];
    if (joueur == 0)
        label->montrerImage(fichiers_images::caseVide());
    else if (gagnantDeLaLigne)
        label->montrerImage(fichiers_images::pionGagnant(joueur));
    else
        label->montrerImage(fichiers_images::pionJoue(joueur));
    const QString nom = textes_accessibles::caseDuPlateau(colonne, ligneDuPlateau, joueur, gagnantDeLaLigne);
    // Only a real change is sent to the screen reader.
    if (label->accessibleName() != nom)
        label->setAccessibleName(nom);
}

// Without a side to move (0) the column's own header picture is shown.
void Quartelo4::montrerEnTete(int colonne, int joueurDuCurseur)
{
    Label* label = labels[0][colonne];
    const bool curseur = joueurDuCurseur == 1 || joueurDuCurseur == 2;
    label->montrerImage(curseur ? fichiers_images::curseur(joueurDuCurseur) : fichiers_images::enTete(colonne));
    const QString nom = curseur ? textes_accessibles::enTeteAvecCurseur(colonne, joueurDuCurseur)
                                : textes_accessibles::enTete(colonne);
    if (label->accessibleName() != nom)
        label->setAccessibleName(nom);
}
