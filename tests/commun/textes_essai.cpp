// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textes_essai.h"

#include <QRegularExpression>

namespace essai {

namespace {

const QString kTourAvant = QStringLiteral("C'est au joueur ");
const QString kTourApres = QStringLiteral(" de jouer");
const QString kFinAvant = QStringLiteral("La partie est terminée,\n");

}  // namespace

const QString kTitreFin = QStringLiteral("Partie terminée");
const QString kNulle = kFinAvant + QStringLiteral(" personne n'a gagné");
const QString kColonneJouee = QStringLiteral("Colonne jouée : ");

QString couleurDe(int joueur)
{
    return joueur == 1 ? QStringLiteral("rouge") : QStringLiteral("jaune");
}

QString texteVainqueur(const QString& couleur)
{
    return kFinAvant + QStringLiteral(" le vainqueur est le joueur \n") + couleur;
}

QString texteTour(const QString& couleur)
{
    return kTourAvant + couleur + kTourApres;
}

QString texteColonne(int colonne, const QString& couleur)
{
    return kColonneJouee + QString::number(colonne) + QLatin1Char('\n') + texteTour(couleur);
}

QString texteDebut(int joueur)
{
    return texteTour(couleurDe(joueur));
}

QString texteCoup(int colonne, int joueur)
{
    return texteColonne(colonne, couleurDe(joueur));
}

QString texteFin(int gagnant)
{
    return gagnant == 0 ? kNulle : texteVainqueur(couleurDe(gagnant));
}

QString motifTour()
{
    return QRegularExpression::escape(kTourAvant) + QStringLiteral("(rouge|jaune)")
           + QRegularExpression::escape(kTourApres);
}

QString motifColonne()
{
    return QRegularExpression::escape(kColonneJouee) + QStringLiteral("([0-6])\\n") + motifTour();
}

}  // namespace essai
