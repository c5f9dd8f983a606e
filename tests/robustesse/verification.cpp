// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "verification.h"

#include <QRegularExpression>

#include "images_essai.h"
#include "label.h"
#include "lignes.h"
#include "plateau_texte.h"
#include "textes_essai.h"
#include "vue_jeu.h"

using namespace essai;

namespace {

Case valeur(const Case* grille, int ligne, int colonne)
{
    return grille[colonne + kColonnes * ligne];
}

// Top token of the column, 0 when the column is empty.
Case sommet(const Case* grille, int colonne)
{
    for (int r = 0; r < kLignes; ++r) {
        if (valeur(grille, r, colonne) != 0) {
            return valeur(grille, r, colonne);
        }
    }
    return 0;
}

void verifierImages(const VueJeu& vue, const EtatJeu& e, ImagesDuJeu& images,
                    const Contexte& contexte, QStringList& defauts)
{
    char attendues[kLignes + 1][kColonnes];
    const bool enCours = e.joueurCourant != 0;
    for (int c = 0; c < kColonnes; ++c) {
        attendues[0][c] = enCours && c == e.selection ? imageCurseur(e.joueurCourant)
                                                      : imageEntete(c);
    }
    for (int r = 0; r < kLignes; ++r) {
        for (int c = 0; c < kColonnes; ++c) {
            const Case v = valeur(e.grille, r, c);
            attendues[r + 1][c] = v == 0 ? '.' : imageJouee(v);
        }
    }
    if (!enCours && e.gagnant != 0) {
        const LigneDeQuatre ligne = premiereLigne(e.grille);
        if (ligne.valeur != 0) {
            for (const CaseGrille& k : ligne.cases) {
                attendues[k.ligne + 1][k.colonne] = imageGagnante(ligne.valeur);
            }
        }
    }
    for (int l = 0; l <= kLignes; ++l) {
        for (int c = 0; c < kColonnes; ++c) {
            const char attendue = contexte.sansImages ? ' ' : attendues[l][c];
            if (!images.montre(vue.label(l, c), attendue)) {
                defauts << QStringLiteral("label %1,%2 (%3) does not show %4")
                               .arg(l)
                               .arg(c)
                               .arg(l == 0 ? QStringLiteral("header")
                                           : QStringLiteral("row %1").arg(l - 1))
                               .arg(nomImage(attendue));
            }
        }
    }
}

void verifierSituation(const EtatJeu& e, const Contexte& contexte, int jetons,
                       QStringList& defauts)
{
    const QString& texte = e.situation;
    const bool texteDeFin = texte == texteFin(0) || texte == texteFin(1) || texte == texteFin(2);
    if (contexte.boiteOuverte) {
        // While the box is up the status line still shows the move before.
        static const QRegularExpression enJeu(
            QStringLiteral("^(%1|%2)$").arg(motifTour(), motifColonne()));
        if (texteDeFin || !enJeu.match(texte).hasMatch()) {
            defauts << QStringLiteral("status line while the end box is up: \"%1\"").arg(texte);
        }
        return;
    }
    if (e.joueurCourant == 0) {
        if (texte != texteFin(e.gagnant)) {
            defauts << QStringLiteral("status line \"%1\" instead of \"%2\"")
                           .arg(texte, texteFin(e.gagnant));
        }
        return;
    }
    if (jetons == 0) {
        if (texte != texteDebut(e.joueurCourant)) {
            defauts << QStringLiteral("status line \"%1\" on an empty board instead of \"%2\"")
                           .arg(texte, texteDebut(e.joueurCourant));
        }
        return;
    }
    static const QRegularExpression coup(QStringLiteral("^%1$").arg(motifColonne()));
    const QRegularExpressionMatch m = coup.match(texte);
    if (!m.hasMatch()) {
        defauts << QStringLiteral("status line \"%1\" is not the text of a played column").arg(texte);
        return;
    }
    if (m.captured(2) != couleurDe(e.joueurCourant)) {
        defauts << QStringLiteral("status line names %1 while %2 is to move")
                       .arg(m.captured(2), couleurDe(e.joueurCourant));
    }
    const int colonne = m.captured(1).toInt();
    if (sommet(e.grille, colonne) != adversaire(e.joueurCourant)) {
        defauts << QStringLiteral("status line names column %1, whose top token is not the "
                                  "last mover's")
                       .arg(colonne);
    }
}

} // namespace

int ligneLibre(const Case* grille, int colonne)
{
    for (int r = kLignes - 1; r >= 0; --r) {
        if (valeur(grille, r, colonne) == 0) {
            return r;
        }
    }
    return -1;
}

QStringList verifierEtat(const VueJeu& vue, const EtatJeu& e, ImagesDuJeu& images,
                         const Contexte& contexte)
{
    QStringList defauts;
    if (!suitLaGravite(e.grille)) {
        defauts << QStringLiteral("the board breaks gravity or holds a value other than 0, 1, 2");
    }
    const int rouges = compterJetons(e.grille, 1);
    const int jaunes = compterJetons(e.grille, 2);
    const int jetons = rouges + jaunes;
    if (rouges - jaunes > 1 || jaunes - rouges > 1) {
        defauts << QStringLiteral("%1 red and %2 yellow tokens").arg(rouges).arg(jaunes);
    }
    if (e.joueurCourant < 0 || e.joueurCourant > 2 || e.gagnant < 0 || e.gagnant > 2) {
        defauts << QStringLiteral("side to move %1, winner %2").arg(e.joueurCourant).arg(e.gagnant);
        return defauts;
    }
    if (e.gagnant != 0 && e.joueurCourant != 0) {
        defauts << QStringLiteral("a winner while a side is to move");
    }
    if (e.selection < 0 || e.selection >= kColonnes) {
        defauts << QStringLiteral("selected column %1").arg(e.selection);
    }

    // Who moved last: from the opener when it is known, else from the counts.
    int dernier = 0;
    if (contexte.ouvreur != 0 && jetons > 0) {
        dernier = jetons % 2 == 1 ? contexte.ouvreur : adversaire(contexte.ouvreur);
    } else if (rouges != jaunes) {
        dernier = rouges > jaunes ? 1 : 2;
    }
    const bool ligneRouge = aUneLigne(e.grille, 1);
    const bool ligneJaune = aUneLigne(e.grille, 2);
    if (e.joueurCourant != 0) {
        if (ligneRouge || ligneJaune) {
            defauts << QStringLiteral("the game goes on over a line of four");
        }
        if (estPleine(e.grille)) {
            defauts << QStringLiteral("the game goes on over a full board");
        }
        const int attendu = dernier != 0 ? adversaire(dernier)
                                         : (jetons == 0 ? contexte.ouvreur : 0);
        if (attendu != 0 && e.joueurCourant != attendu) {
            defauts << QStringLiteral("%1 to move instead of %2 (%3 red, %4 yellow, opener %5)")
                           .arg(couleurDe(e.joueurCourant), couleurDe(attendu))
                           .arg(rouges)
                           .arg(jaunes)
                           .arg(contexte.ouvreur);
        }
    } else if (e.gagnant == 0) {
        if (!estPleine(e.grille) || ligneRouge || ligneJaune) {
            defauts << QStringLiteral("a game over without a winner, but the board is not a full "
                                      "board without a line");
        }
    } else {
        const bool sienne = e.gagnant == 1 ? ligneRouge : ligneJaune;
        const bool autre = e.gagnant == 1 ? ligneJaune : ligneRouge;
        if (!sienne || autre || premiereLigne(e.grille).valeur != e.gagnant) {
            defauts << QStringLiteral("winner %1, but the lines of the board say otherwise")
                           .arg(couleurDe(e.gagnant));
        }
        if (dernier != 0 && e.gagnant != dernier) {
            defauts << QStringLiteral("winner %1 did not make the last move").arg(couleurDe(e.gagnant));
        }
    }

    verifierSituation(e, contexte, jetons, defauts);
    verifierImages(vue, e, images, contexte, defauts);

    static const int profondeurs[3] = {8, 10, 12};
    if (e.caseSouris != e.sourisPlateau) {
        defauts << QStringLiteral("the mouse box and the board's mouse flag differ");
    }
    if (e.indexDifficulte < 0 || e.indexDifficulte > 2
        || e.profondeur != profondeurs[e.indexDifficulte]) {
        defauts << QStringLiteral("difficulty item %1 with depth %2")
                       .arg(e.indexDifficulte)
                       .arg(e.profondeur);
    }
    if (e.rougeOrdi == e.rougeHumain || e.jauneOrdi == e.jauneHumain) {
        defauts << QStringLiteral("a side is both or neither human and computer");
    }
    if (!e.fenetreVisible) {
        defauts << QStringLiteral("the game window is hidden");
    }
    if (!defauts.isEmpty()) {
        defauts << QStringLiteral("board (top row first):\n") + grilleEnTexte(e.grille);
    }
    return defauts;
}
