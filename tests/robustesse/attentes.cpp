// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "attentes.h"

#include <Qt>

#include "lignes.h"
#include "textes_essai.h"
#include "verification.h"
#include "vue_jeu.h"

using essai::couleurDe;
using essai::texteCoup;
using essai::texteDebut;

namespace {

// The parts of the state that an event may change.
enum Champ : unsigned {
    Plateau = 1u << 0,    // board, side to move, winner
    Selection = 1u << 1,
    SourisPlateau = 1u << 2,
    Profondeur = 1u << 3,
    OrdiPlateau = 1u << 4,
    Situation = 1u << 5,
    CaseSouris = 1u << 6,
    Difficulte = 1u << 7,
    Radios = 1u << 8,
    Focus = 1u << 9,
};

void inchange(const EtatJeu& a, const EtatJeu& b, unsigned permis, QStringList& defauts)
{
    auto verifier = [&](Champ champ, bool egal, const char* nom) {
        if (!(permis & champ) && !egal) {
            defauts << QStringLiteral("%1 changed").arg(QLatin1String(nom));
        }
    };
    bool memeGrille = true;
    for (int i = 0; i < kCases; ++i) {
        memeGrille = memeGrille && a.grille[i] == b.grille[i];
    }
    verifier(Plateau, memeGrille && a.joueurCourant == b.joueurCourant && a.gagnant == b.gagnant,
             "the game (board, side to move or winner)");
    verifier(Selection, a.selection == b.selection, "the selected column");
    verifier(SourisPlateau, a.sourisPlateau == b.sourisPlateau, "the board's mouse flag");
    verifier(Profondeur, a.profondeur == b.profondeur, "the search depth");
    verifier(OrdiPlateau,
             a.rougeOrdiPlateau == b.rougeOrdiPlateau && a.jauneOrdiPlateau == b.jauneOrdiPlateau,
             "who the board widget lets the computer play");
    verifier(Situation, a.situation == b.situation, "the status line");
    verifier(CaseSouris, a.caseSouris == b.caseSouris, "the mouse check box");
    verifier(Difficulte, a.indexDifficulte == b.indexDifficulte, "the difficulty list");
    verifier(Radios,
             a.rougeOrdi == b.rougeOrdi && a.rougeHumain == b.rougeHumain
                 && a.jauneOrdi == b.jauneOrdi && a.jauneHumain == b.jauneHumain,
             "the radio buttons");
    verifier(Focus, a.focus == b.focus, "the keyboard focus");
}

void attendreBoites(int boites, int attendues, QStringList& defauts)
{
    if (boites != attendues) {
        defauts << QStringLiteral("%1 end-of-game boxes shown, %2 expected").arg(boites).arg(attendues);
    }
}

void attendreFocus(const EtatJeu& apres, QWidget* plateau, QStringList& defauts)
{
    if (apres.focus != plateau) {
        defauts << QStringLiteral("the board widget does not have the focus");
    }
}

bool contient(const EtatJeu& avant, const EtatJeu& apres)
{
    for (int i = 0; i < kCases; ++i) {
        if (avant.grille[i] != 0 && avant.grille[i] != apres.grille[i]) {
            return false;
        }
    }
    return true;
}

bool ordinateur(const EtatJeu& e, int joueur)
{
    return joueur == 1 ? e.rougeOrdiPlateau : e.jauneOrdiPlateau;
}

// The cells filled between the two states, as indices.
QList<int> ajouts(const EtatJeu& avant, const EtatJeu& apres)
{
    QList<int> liste;
    for (int i = 0; i < kCases; ++i) {
        if (avant.grille[i] == 0 && apres.grille[i] != 0) {
            liste << i;
        }
    }
    return liste;
}

void attendreFinOuSuite(const EtatJeu& apres, int suivant, int colonne, QStringList& defauts)
{
    if (apres.joueurCourant != suivant) {
        defauts << QStringLiteral("side to move %1, expected %2").arg(apres.joueurCourant).arg(suivant);
    }
    if (suivant != 0 && apres.situation != texteCoup(colonne, suivant)) {
        defauts << QStringLiteral("status line \"%1\", expected \"%2\"")
                       .arg(apres.situation, texteCoup(colonne, suivant));
    }
}

// A game started by reinitialiser() or by the start window.
void attendreNouvellePartie(int ouvreur, bool rougeOrdi, bool jauneOrdi, const EtatJeu& apres,
                            int boites, QStringList& defauts)
{
    if (apres.rougeOrdiPlateau != rougeOrdi || apres.jauneOrdiPlateau != jauneOrdi) {
        defauts << QStringLiteral("the board widget did not take who plays each side");
    }
    const bool ouvreurOrdi = ouvreur == 1 ? rougeOrdi : jauneOrdi;
    const bool autreOrdi = ouvreur == 1 ? jauneOrdi : rougeOrdi;
    const int jetons = compterJetons(apres.grille, 1) + compterJetons(apres.grille, 2);
    if (!ouvreurOrdi) {
        if (jetons != 0 || apres.joueurCourant != ouvreur || apres.gagnant != 0) {
            defauts << QStringLiteral("a new game opened by a person is not an empty board with %1 "
                                      "to move")
                           .arg(couleurDe(ouvreur));
        }
        if (apres.situation != texteDebut(ouvreur)) {
            defauts << QStringLiteral("status line \"%1\" at the start of a game").arg(apres.situation);
        }
        attendreBoites(boites, 0, defauts);
    } else if (!autreOrdi) {
        int colonne = -1;
        for (int c = 0; c < kColonnes; ++c) {
            if (apres.grille[c + kColonnes * (kLignes - 1)] == ouvreur) {
                colonne = c;
            }
        }
        if (jetons != 1 || colonne < 0) {
            defauts << QStringLiteral("the computer's opening is not one %1 token")
                           .arg(couleurDe(ouvreur));
        } else {
            attendreFinOuSuite(apres, adversaire(ouvreur), colonne, defauts);
        }
        attendreBoites(boites, 0, defauts);
    } else {
        if (apres.joueurCourant != 0) {
            defauts << QStringLiteral("two computer sides did not play the whole game");
        }
        attendreBoites(boites, 1, defauts);
    }
    if (apres.selection != 0) {
        defauts << QStringLiteral("the cursor is on column %1 after a new game").arg(apres.selection);
    }
}

// jouer(colonne) on a running game.
void attendreCoup(int colonne, const EtatJeu& avant, const EtatJeu& apres, int boites,
                  QStringList& defauts)
{
    const int ligne = ligneLibre(avant.grille, colonne);
    if (ligne < 0) {
        inchange(avant, apres, Selection | Focus, defauts);
        if (apres.selection != colonne) {
            defauts << QStringLiteral("the cursor is not over the full column %1").arg(colonne);
        }
        attendreBoites(boites, 0, defauts);
        return;
    }
    inchange(avant, apres, Plateau | Selection | Situation | Focus, defauts);
    if (!contient(avant, apres)) {
        defauts << QStringLiteral("a move changed tokens already on the board");
        return;
    }
    const int joueur = avant.joueurCourant;
    const int indice = colonne + kColonnes * ligne;
    if (apres.grille[indice] != joueur) {
        defauts << QStringLiteral("no %1 token at row %2 of column %3")
                       .arg(couleurDe(joueur))
                       .arg(ligne)
                       .arg(colonne);
        return;
    }
    if (apres.selection != 0) {
        defauts << QStringLiteral("the cursor is on column %1 after a move").arg(apres.selection);
    }
    Grille apresUn;
    for (int i = 0; i < kCases; ++i) {
        apresUn[i] = avant.grille[i];
    }
    apresUn[indice] = joueur;
    const QList<int> nouveaux = ajouts(avant, apres);
    const int autre = adversaire(joueur);
    if (aUneLigne(apresUn, joueur) || estPleine(apresUn)) {
        if (nouveaux.size() != 1) {
            defauts << QStringLiteral("tokens played after the game ended");
        }
        const int gagnant = aUneLigne(apresUn, joueur) ? joueur : 0;
        if (apres.joueurCourant != 0 || apres.gagnant != gagnant) {
            defauts << QStringLiteral("the move that ended the game left side %1 to move, winner %2")
                           .arg(apres.joueurCourant)
                           .arg(apres.gagnant);
        }
        attendreBoites(boites, 1, defauts);
        return;
    }
    if (!ordinateur(avant, autre)) {
        if (nouveaux.size() != 1) {
            defauts << QStringLiteral("%1 tokens played by one move against a person").arg(nouveaux.size());
        }
        attendreFinOuSuite(apres, autre, colonne, defauts);
        attendreBoites(boites, 0, defauts);
        return;
    }
    if (!ordinateur(avant, joueur)) {
        // The computer answers once.
        if (nouveaux.size() != 2) {
            defauts << QStringLiteral("the computer answered with %1 tokens").arg(nouveaux.size() - 1);
            return;
        }
        const int reponse = nouveaux[0] == indice ? nouveaux[1] : nouveaux[0];
        if (apres.grille[reponse] != autre) {
            defauts << QStringLiteral("the computer's answer is not a %1 token").arg(couleurDe(autre));
        }
        if (apres.joueurCourant == 0) {
            attendreBoites(boites, 1, defauts);
        } else {
            attendreFinOuSuite(apres, joueur, reponse % kColonnes, defauts);
            attendreBoites(boites, 0, defauts);
        }
        return;
    }
    // Both sides are the computer's: the game is played to its end.
    if (apres.joueurCourant != 0) {
        defauts << QStringLiteral("two computer sides stopped before the end of the game");
    }
    attendreBoites(boites, 1, defauts);
}

bool touchePourJouer(int touche)
{
    return touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Down
        || touche == Qt::Key_Space;
}

bool demarrePartie(const Evenement& ev, const EtatJeu& avant)
{
    const bool terminee = avant.joueurCourant == 0;
    switch (ev.genre) {
    case Genre::Nouvelle:
        return true;
    case Genre::AppuiLabel:
        return avant.sourisPlateau && terminee;
    case Genre::ToucheJeu:
        return touchePourJouer(ev.touche) && terminee;
    default:
        return false;
    }
}

// After an event whose effect is not predicted, what can still be known.
void resynchroniser(const EtatJeu& avant, const EtatJeu& apres, Suivi& suivi)
{
    suivi.rougeOrdi = apres.rougeOrdiPlateau;
    suivi.jauneOrdi = apres.jauneOrdiPlateau;
    const bool memePartie = avant.joueurCourant != 0 && contient(avant, apres)
        && !ajouts(avant, apres).isEmpty();
    const bool rien = contient(avant, apres) && ajouts(avant, apres).isEmpty()
        && avant.joueurCourant == apres.joueurCourant && avant.gagnant == apres.gagnant;
    if (memePartie || rien) {
        return;
    }
    const int rouges = compterJetons(apres.grille, 1);
    const int jaunes = compterJetons(apres.grille, 2);
    if (rouges != jaunes) {
        suivi.ouvreur = rouges > jaunes ? 1 : 2;
    } else if (apres.joueurCourant != 0) {
        suivi.ouvreur = apres.joueurCourant;
    } else {
        suivi.ouvreur = 0;
    }
}

} // namespace

int ouvreurPendant(const Evenement& evenement, const EtatJeu& avant, const Suivi& suivi)
{
    if (evenement.genre == Genre::Lancement) {
        return 1;
    }
    if (demarrePartie(evenement, avant)) {
        return avant.gagnant == 1 ? 2 : 1;
    }
    return suivi.ouvreur;
}

QStringList verifierEvenement(const Evenement& ev, const EtatJeu& avant, const EtatJeu& apres,
                              int boites, QWidget* plateau, Suivi& suivi)
{
    QStringList defauts;
    const bool enCours = avant.joueurCourant != 0;

    if (ev.genre != Genre::Libre && ev.genre != Genre::Lancement
        && (avant.rougeOrdiPlateau != suivi.rougeOrdi || avant.jauneOrdiPlateau != suivi.jauneOrdi)) {
        defauts << QStringLiteral("the board widget's computer sides changed between events");
    }

    if (demarrePartie(ev, avant)) {
        const int ouvreur = avant.gagnant == 1 ? 2 : 1;
        inchange(avant, apres, Plateau | Selection | SourisPlateau | OrdiPlateau | Situation | Focus,
                 defauts);
        if (apres.sourisPlateau != avant.caseSouris) {
            defauts << QStringLiteral("the new game did not take the mouse box");
        }
        attendreNouvellePartie(ouvreur, avant.rougeOrdi, avant.jauneOrdi, apres, boites, defauts);
        attendreFocus(apres, plateau, defauts);
        suivi.ouvreur = ouvreur;
        suivi.rougeOrdi = avant.rougeOrdi;
        suivi.jauneOrdi = avant.jauneOrdi;
        return defauts;
    }

    switch (ev.genre) {
    case Genre::Rien:
    case Genre::TabAppui:
        inchange(avant, apres, ev.genre == Genre::TabAppui ? unsigned(Focus) : 0u, defauts);
        attendreBoites(boites, 0, defauts);
        break;
    case Genre::Libre: {
        if (boites > 1 || (boites == 1 && apres.joueurCourant != 0)) {
            defauts << QStringLiteral("%1 end-of-game boxes for one key").arg(boites);
        }
        if (enCours && apres.joueurCourant == 0 && boites != 1) {
            defauts << QStringLiteral("a game ended without its box");
        }
        resynchroniser(avant, apres, suivi);
        break;
    }
    case Genre::AppuiLabel:
        // A running game, or the mouse is off (a finished game was handled above).
        if (!avant.sourisPlateau) {
            inchange(avant, apres, 0, defauts);
            attendreBoites(boites, 0, defauts);
        } else {
            attendreCoup(ev.colonne, avant, apres, boites, defauts);
            attendreFocus(apres, plateau, defauts);
        }
        break;
    case Genre::Survol:
        inchange(avant, apres, Selection, defauts);
        if (avant.sourisPlateau && enCours) {
            if (apres.selection != ev.colonne) {
                defauts << QStringLiteral("the cursor did not follow the mouse to column %1")
                               .arg(ev.colonne);
            }
        } else if (apres.selection != avant.selection) {
            defauts << QStringLiteral("the cursor moved while the mouse may not play");
        }
        attendreBoites(boites, 0, defauts);
        break;
    case Genre::AppuiBouton:
        if (enCours) {
            attendreCoup(ev.colonne, avant, apres, boites, defauts);
        } else {
            inchange(avant, apres, Focus, defauts);
            attendreBoites(boites, 0, defauts);
        }
        attendreFocus(apres, plateau, defauts);
        break;
    case Genre::ToucheJeu: {
        const int t = ev.touche;
        if (touchePourJouer(t)) {
            attendreCoup(avant.selection, avant, apres, boites, defauts); // running game
        } else {
            inchange(avant, apres, Selection, defauts);
            int attendue = avant.selection;
            if (enCours) {
                if (t == Qt::Key_Left && attendue > 0) {
                    --attendue;
                } else if (t == Qt::Key_Right && attendue < kColonnes - 1) {
                    ++attendue;
                } else if (t >= Qt::Key_0 && t <= Qt::Key_6) {
                    attendue = t - Qt::Key_0;
                }
            }
            if (apres.selection != attendue) {
                defauts << QStringLiteral("cursor on column %1 instead of %2")
                               .arg(apres.selection)
                               .arg(attendue);
            }
            attendreBoites(boites, 0, defauts);
        }
        attendreFocus(apres, plateau, defauts);
        break;
    }
    case Genre::TabRelache:
        // The release draws a column at random; which columns it may reach is
        // the keyboard tests' business. Nothing else may change, and the
        // board gets the focus back.
        inchange(avant, apres, Selection | Focus, defauts);
        attendreFocus(apres, plateau, defauts);
        attendreBoites(boites, 0, defauts);
        break;
    case Genre::CaseSouris:
        inchange(avant, apres, CaseSouris | SourisPlateau | Focus, defauts);
        if (apres.caseSouris == avant.caseSouris || apres.sourisPlateau != apres.caseSouris) {
            defauts << QStringLiteral("a click on the mouse box did not switch mouse play");
        }
        attendreFocus(apres, plateau, defauts);
        attendreBoites(boites, 0, defauts);
        break;
    case Genre::Difficulte: {
        inchange(avant, apres, Difficulte | Profondeur | Focus, defauts);
        static const int profondeurs[3] = {8, 10, 12};
        if (apres.indexDifficulte != ev.index || apres.profondeur != profondeurs[ev.index]) {
            defauts << QStringLiteral("item %1 chosen, the list shows %2 and the depth is %3")
                           .arg(ev.index)
                           .arg(apres.indexDifficulte)
                           .arg(apres.profondeur);
        }
        if (ev.index != avant.indexDifficulte) {
            attendreFocus(apres, plateau, defauts);
        }
        attendreBoites(boites, 0, defauts);
        break;
    }
    case Genre::Radio: {
        inchange(avant, apres, Radios | Focus, defauts);
        const bool coches[4] = {apres.rougeOrdi, apres.rougeHumain, apres.jauneOrdi, apres.jauneHumain};
        const bool avants[4] = {avant.rougeOrdi, avant.rougeHumain, avant.jauneOrdi, avant.jauneHumain};
        for (int i = 0; i < 4; ++i) {
            const bool partenaire = (i ^ 1) == ev.radio;
            const bool attendu = i == ev.radio ? true : partenaire ? false : avants[i];
            if (coches[i] != attendu) {
                defauts << QStringLiteral("radio button %1 is %2").arg(i).arg(coches[i]);
            }
        }
        attendreBoites(boites, 0, defauts);
        break;
    }
    case Genre::Lancement: {
        inchange(avant, apres,
                 Plateau | Selection | SourisPlateau | Profondeur | OrdiPlateau | Situation
                     | CaseSouris | Difficulte | Radios | Focus,
                 defauts);
        static const int profondeurs[3] = {8, 10, 12};
        if (apres.indexDifficulte != ev.index || apres.profondeur != profondeurs[ev.index]
            || apres.caseSouris != ev.sourisDebut || apres.sourisPlateau != ev.sourisDebut
            || apres.rougeOrdi != ev.rougeDebut || apres.jauneOrdi != ev.jauneDebut) {
            defauts << QStringLiteral("the game window did not take the start window's choices");
        }
        attendreNouvellePartie(1, ev.rougeDebut, ev.jauneDebut, apres, boites, defauts);
        attendreFocus(apres, plateau, defauts);
        suivi.ouvreur = 1;
        suivi.rougeOrdi = ev.rougeDebut;
        suivi.jauneOrdi = ev.jauneDebut;
        break;
    }
    case Genre::Quitter:
        inchange(avant, apres, Focus, defauts);
        attendreBoites(boites, 0, defauts);
        break;
    case Genre::Nouvelle:
        break; // handled above
    }
    return defauts;
}
