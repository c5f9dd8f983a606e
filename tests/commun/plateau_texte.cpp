// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plateau_texte.h"

#include <QStringList>

#include "images_essai.h"
#include "label.h"
#include "quartelo4.h"

namespace essai {

QString enTete(const Quartelo4* plateau)
{
    QString texte;
    for (int c = 0; c < kColonnes; ++c)
        texte += QChar(codeLabel(plateau->getLabel(0, c)));
    return texte;
}

QString plateauVu(const Quartelo4* plateau)
{
    QStringList lignes;
    for (int r = 1; r <= kLignes; ++r) {
        QString ligne;
        for (int c = 0; c < kColonnes; ++c)
            ligne += QChar(codeLabel(plateau->getLabel(r, c)));
        lignes << ligne;
    }
    return lignes.join('\n');
}

QString grilleEnTexte(const Case* grille)
{
    QStringList lignes;
    for (int r = 0; r < kLignes; ++r) {
        QString ligne;
        for (int c = 0; c < kColonnes; ++c) {
            const Case v = grille[c + kColonnes * r];
            ligne += QChar(v == 0 ? '.' : v == 1 || v == 2 ? imageJouee(v) : '?');
        }
        lignes << ligne;
    }
    return lignes.join('\n');
}

QString grilleVue(const Quartelo4* plateau)
{
    return grilleEnTexte(plateau->getGrille());
}

int nombreDeJetons(const Quartelo4* plateau)
{
    int n = 0;
    for (int i = 0; i < kCases; ++i)
        n += plateau->getGrille()[i] != 0 ? 1 : 0;
    return n;
}

QString apresCoups(const std::vector<int>& coups, int premier)
{
    QString cases[kLignes];
    for (QString& ligne : cases)
        ligne = QString(kColonnes, '.');
    int joueur = premier;
    for (int colonne : coups) {
        int r = kLignes - 1;
        while (r >= 0 && cases[r][colonne] != '.')
            --r;
        if (r < 0)
            return "colonne pleine";
        cases[r][colonne] = imageJouee(joueur);
        joueur = 3 - joueur;
    }
    QStringList lignes;
    for (const QString& ligne : cases)
        lignes << ligne;
    return lignes.join('\n');
}

QString avecGagnants(QString plateau, const std::vector<std::pair<int, int>>& cases)
{
    for (auto [r, c] : cases) {
        const int i = r * (kColonnes + 1) + c;
        plateau[i] = plateau[i].toUpper();
    }
    return plateau;
}

QString enTeteAvecCurseur(int colonne, int joueur)
{
    QString texte;
    for (int c = 0; c < kColonnes; ++c)
        texte += QChar(imageEntete(c));
    if (joueur == 1 || joueur == 2)
        texte[colonne] = imageCurseur(joueur);
    return texte;
}

}  // namespace essai
