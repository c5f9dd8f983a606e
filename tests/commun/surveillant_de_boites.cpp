// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surveillant_de_boites.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include "fenetre.h"
#include "fenetres_essai.h"
#include "plateau_texte.h"
#include "quartelo4.h"

namespace essai {

SurveillantDeBoites::SurveillantDeBoites(Fenetre* fenetreSuivie, int intervalle)
    : fenetre(fenetreSuivie)
{
    minuterie.setInterval(intervalle);
    QObject::connect(&minuterie, &QTimer::timeout, [this] { verifier(); });
    minuterie.start();
}

void SurveillantDeBoites::verifier()
{
    QWidget* modale = QApplication::activeModalWidget();
    if (!modale || !modale->isVisible() || modale == enCours)
        return;
    auto* boite = qobject_cast<QMessageBox*>(modale);
    if (!boite) {
        if (autreModale) {
            autreModale(modale);
            modale->close();
        }
        return;
    }
    enCours = boite;
    BoiteVue vue;
    vue.titre = boite->windowTitle();
    vue.texte = boite->text();
    vue.nombreDeBoutons = int(boite->buttons().size());
    vue.boutons = boite->standardButtons();
    vue.boutonOk = boite->button(QMessageBox::Ok) != nullptr;
    vue.parent = boite->parentWidget();
    if (fenetre) {
        vue.situationPendant = texteSituation(fenetre);
        Quartelo4* plateau = fenetre->getPlateau();
        vue.enTetePendant = enTete(plateau);
        vue.plateauPendant = plateauVu(plateau);
        vue.joueurCourantPendant = plateau->getJoueurCourant();
        vue.gagnantPendant = plateau->getGagnant();
    }
    boites << vue;
    if (pendant)
        pendant(boite);

    QAbstractButton* ok = boite->button(QMessageBox::Ok);
    if (!ok && !boite->buttons().isEmpty())
        ok = boite->buttons().first();
    if (ok)
        QTest::mouseClick(ok, Qt::LeftButton);
    if (boite && boite->isVisible()) {
        if (resteeOuverte)
            resteeOuverte();
        boite->done(QMessageBox::Ok);
    }
    enCours = nullptr;
}

}  // namespace essai
