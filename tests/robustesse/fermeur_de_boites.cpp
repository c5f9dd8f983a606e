#include "fermeur_de_boites.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "fenetre.h"
#include "vue_jeu.h"

FermeurDeBoites::FermeurDeBoites(const VueJeu& laVue, ImagesDuJeu& lesImages)
    : vue(laVue), images(lesImages)
{
    // The timer only fires inside an event loop, that is inside the box's own.
    minuterie.setInterval(1);
    connect(&minuterie, &QTimer::timeout, this, &FermeurDeBoites::surveiller);
    minuterie.start();
}

QStringList FermeurDeBoites::prendreDefauts()
{
    QStringList pris;
    pris.swap(defauts);
    return pris;
}

void FermeurDeBoites::surveiller()
{
    QWidget* modale = QApplication::activeModalWidget();
    if (modale == nullptr || !modale->isVisible()) {
        return;
    }
    ++boites;
    auto* boite = qobject_cast<QMessageBox*>(modale);
    if (boite == nullptr) {
        defauts << QStringLiteral("a modal window that is not a message box: %1")
                       .arg(QLatin1String(modale->metaObject()->className()));
        modale->close();
        return;
    }

    const EtatJeu etat = vue.lire();
    boitesNulles += etat.joueurCourant == 0 && etat.gagnant == 0 ? 1 : 0;
    if (etat.joueurCourant != 0) {
        defauts << QStringLiteral("an end-of-game box while the game goes on");
    }
    if (boite->windowTitle() != QStringLiteral("Partie terminée")) {
        defauts << QStringLiteral("box titled \"%1\"").arg(boite->windowTitle());
    }
    if (boite->text() != texteFin(etat.gagnant)) {
        defauts << QStringLiteral("box text \"%1\" instead of \"%2\"")
                       .arg(boite->text(), texteFin(etat.gagnant));
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

    QAbstractButton* ok = boite->button(QMessageBox::Ok);
    if (ok != nullptr) {
        QTest::mouseClick(ok, Qt::LeftButton);
    }
    if (boite->isVisible()) {
        defauts << QStringLiteral("Ok did not close the box");
        boite->done(QMessageBox::Ok);
    }
}
