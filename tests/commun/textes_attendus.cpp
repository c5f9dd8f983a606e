// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints, as one JSON object, the texts that the tests expect the game to
// show and to give screen readers: the status line, the end-of-game box,
// the names of the board's cells and headers. Tests written in another
// language (the AT-SPI client) read their expected texts here, so that each
// text is spelled once, in the test library.
//
//   quartelo4_textes_attendus
//
// Keys: "titre_fin"; "tour" and "fin" by side ("1", "2"; "fin" also "0" for
// a draw); "coup" by "<column> <side to move next>"; "case" by
// "<column> <row from the bottom> <code>" with the codes . r j R J of the
// board as text; "en_tete" by "<column> <side of the cursor, 0 for none>";
// "colonne" and "rangee" by number.

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

#include "accessibles_essai.h"
#include "textes_essai.h"

namespace {

QString cle(int a, int b)
{
    return QString::number(a) + QLatin1Char(' ') + QString::number(b);
}

}  // namespace

int main()
{
    constexpr int kColonnes = 7;
    constexpr int kRangees = 6;

    QJsonObject tour, fin, coup, cases, enTetes, colonnes, rangees;
    for (int joueur = 0; joueur <= 2; ++joueur) {
        fin.insert(QString::number(joueur), essai::texteFin(joueur));
        if (joueur != 0)
            tour.insert(QString::number(joueur), essai::texteDebut(joueur));
    }
    for (int colonne = 0; colonne < kColonnes; ++colonne) {
        colonnes.insert(QString::number(colonne), essai::nomDeColonne(colonne));
        for (int joueur = 0; joueur <= 2; ++joueur) {
            enTetes.insert(cle(colonne, joueur), essai::nomDEnTete(colonne, joueur));
            if (joueur != 0)
                coup.insert(cle(colonne, joueur), essai::texteCoup(colonne, joueur));
        }
        for (int rangee = 1; rangee <= kRangees; ++rangee)
            for (char code : {'.', 'r', 'j', 'R', 'J'})
                cases.insert(cle(colonne, rangee) + QLatin1Char(' ') + QLatin1Char(code),
                             essai::nomDeCase(colonne, rangee, code));
    }
    for (int rangee = 1; rangee <= kRangees; ++rangee)
        rangees.insert(QString::number(rangee), essai::nomDeRangee(rangee));

    QJsonObject textes;
    textes.insert(QStringLiteral("titre_fin"), essai::kTitreFin);
    textes.insert(QStringLiteral("tour"), tour);
    textes.insert(QStringLiteral("fin"), fin);
    textes.insert(QStringLiteral("coup"), coup);
    textes.insert(QStringLiteral("case"), cases);
    textes.insert(QStringLiteral("en_tete"), enTetes);
    textes.insert(QStringLiteral("colonne"), colonnes);
    textes.insert(QStringLiteral("rangee"), rangees);
    const QByteArray json = QJsonDocument(textes).toJson(QJsonDocument::Indented);
    return std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout)
                   == static_cast<size_t>(json.size())
               ? 0
               : 1;
}
