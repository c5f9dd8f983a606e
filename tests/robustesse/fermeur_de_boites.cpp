// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fermeur_de_boites.h"

#include <QMessageBox>

#include "fenetre.h"
#include "textes_essai.h"
#include "vue_jeu.h"

FermeurDeBoites::FermeurDeBoites(const VueJeu& laVue, essai::ImagesDuJeu& lesImages)
    : vue(laVue), images(lesImages)
{
    surveillant.pendant = [this](QMessageBox* boite) { verifier(boite); };
    surveillant.autreModale = [this](QWidget* modale) {
        ++autresModales;
        defauts << QStringLiteral("a modal window that is not a message box: %1")
                       .arg(QLatin1String(modale->metaObject()->className()));
    };
    surveillant.resteeOuverte = [this] { defauts << QStringLiteral("Ok did not close the box"); };
}

QStringList FermeurDeBoites::prendreDefauts()
{
    QStringList pris;
    pris.swap(defauts);
    return pris;
}

void FermeurDeBoites::verifier(QMessageBox* boite)
{
    const EtatJeu etat = vue.lire();
    boitesNulles += etat.joueurCourant == 0 && etat.gagnant == 0 ? 1 : 0;
    if (etat.joueurCourant != 0) {
        defauts << QStringLiteral("an end-of-game box while the game goes on");
    }
    if (boite->windowTitle() != essai::kTitreFin) {
        defauts << QStringLiteral("box titled \"%1\"").arg(boite->windowTitle());
    }
    if (boite->text() != essai::texteFin(etat.gagnant)) {
        defauts << QStringLiteral("box text \"%1\" instead of \"%2\"")
                       .arg(boite->text(), essai::texteFin(etat.gagnant));
    }
    if (boite->buttons().size() != 1 || boite->button(QMessageBox::Ok) == nullptr) {
        defauts << QStringLiteral("the box does not hold the single button Ok");
    }
    if (boite->parentWidget() != vue.fenetre) {
        defauts << QStringLiteral("the box does not belong to the game window");
    }
    Contexte pendant = leContexte;
    pendant.boiteOuverte = true;
    const QStringList vus = verifierEtat(vue, etat, images, pendant);
    for (const QString& d : vus) {
        defauts << QStringLiteral("while the box is up: ") + d;
    }
}
