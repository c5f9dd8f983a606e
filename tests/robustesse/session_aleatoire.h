// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <random>

#include "attentes.h"
#include "fermeur_de_boites.h"
#include "images_essai.h"
#include "vue_jeu.h"

class Fenetre;
class FenetreDebut;
class QComboBox;
class QWidget;

// A user who does anything at all to the game's windows, at random from a
// seed, and checks after every single event what the windows show.
class SessionAleatoire {
public:
    SessionAleatoire(Fenetre* fenetre, FenetreDebut* debut, essai::ImagesDuJeu& images,
                     bool sansImages, std::uint64_t graine);

    // An empty text when the windows were found, else what is missing.
    QString erreur() const { return manque; }

    // Chooses the options of the start window at random and presses its
    // "Nouvelle Partie". False on a fault, described by defauts().
    bool lancer();

    // One user action (a click is a press and a release, each checked).
    bool agir();

    // The whole fault, with the recent actions, to replay it.
    QString defauts() const;

    // What was done so far, in a few lines.
    QString bilan() const;

    long actions() const { return nombreActions; }
    long evenements() const { return nombreEvenements; }
    int boites() const { return fermeur->nombre(); }

private:
    // One event: the state before, the gesture, the state after, the checks.
    bool evenement(const Evenement& ev, const QString& description,
                   const std::function<void()>& geste);
    // Runs the gesture inside the application's event loop and expects it
    // to end the loop.
    bool quitter(const QString& description, const std::function<void()>& geste);
    // The checks of the state after an event, added to the faults found so
    // far; false when there is any.
    bool conclure(const EtatJeu& apres, QStringList trouves);
    bool choisirDansLaListe(QComboBox* liste, int index);
    void rendreActive();
    QWidget* cibleClavier() const;
    int tirer(int min, int max);
    QPoint pointDans(QWidget* widget);

    bool clicLabel(bool double_);
    bool survol();
    bool clicBouton(bool double_);
    bool presser(QWidget* cible, Qt::MouseButton b, QPoint p, const Evenement& appui,
                 const QString& nom, bool double_);
    bool partiePrudente();
    bool touche();
    bool tabulation();
    bool caseSouris();
    bool difficulte(int index);
    bool radio();
    bool nouvellePartie();
    bool echap();
    bool boutonQuitter();

    Fenetre* fenetre;
    FenetreDebut* debut;
    VueJeu vue;
    essai::ImagesDuJeu& images;
    bool sansImages;
    std::uint64_t graine;
    std::mt19937_64 alea;
    std::unique_ptr<FermeurDeBoites> fermeur;
    Suivi suivi;
    QString manque;
    QStringList recentes;
    QStringList fautes;
    long nombreActions = 0;
    long nombreEvenements = 0;
    QMap<QString, long> parGenre;
    QElapsedTimer chrono;
};
