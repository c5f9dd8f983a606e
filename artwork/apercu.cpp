// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Lays the pictures of an images folder out as the game shows them, to look
// at the artwork without running the game: a game in progress with the
// cursor, a won game with its winning line, and the icon.
//
//   quartelo4_apercu <images folder> <picture.png>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

// One board as the game shows it: 'R'/'J' played tokens, 'r'/'j' winning
// tokens, '.' empty; the cursor column and colour, or -1 for no cursor.
struct Plateau {
    const char* lignes[6];
    int curseur;
    char couleurCurseur;
};

QImage charger(const QString& dossier, const QString& nom) {
    return QImage(dossier + "/" + nom);
}

void dessinerPlateau(QPainter& peintre, const QString& dossier, const Plateau& plateau, QPoint origine) {
    for (int colonne = 0; colonne < 7; ++colonne) {
        QString nom = QString::number(colonne) + ".bmp";
        if (colonne == plateau.curseur)
            nom = plateau.couleurCurseur == 'R' ? "pion_rouge.bmp" : "pion_jaune.bmp";
        peintre.drawImage(origine + QPoint(colonne * 90, 0), charger(dossier, nom));
    }
    for (int ligne = 0; ligne < 6; ++ligne) {
        for (int colonne = 0; colonne < 7; ++colonne) {
            QString nom = "emplacement_pour_pion.bmp";
            switch (plateau.lignes[ligne][colonne]) {
            case 'R': nom = "pion_rouge_joue.bmp"; break;
            case 'J': nom = "pion_jaune_joue.bmp"; break;
            case 'r': nom = "pion_rouge_gagnant"; break;
            case 'j': nom = "pion_jaune_gagnant"; break;
            default: break;
            }
            peintre.drawImage(origine + QPoint(colonne * 90, (ligne + 1) * 90), charger(dossier, nom));
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage : quartelo4_apercu <dossier des images> <apercu.png>\n";
        return 2;
    }
    const QString dossier = arguments.at(1);
    const Plateau enCours = {{".......", ".......", ".......", "...J...", "..RR...", ".JRJR.."}, 3, 'R'};
    const Plateau gagne = {{".......", ".......", "...j...", "..jR...", ".jRR...", "jRJRJ.."}, -1, ' '};
    const Plateau jauneJoue = {{".......", ".......", "...R...", "..JJ...", ".RRJJ..", "RJJRR.."}, 5, 'J'};

    QImage apercu(3 * 630 + 4 * 20, 630 + 40 + 200, QImage::Format_RGB32);
    apercu.fill(QColor(239, 239, 239));
    QPainter peintre(&apercu);
    dessinerPlateau(peintre, dossier, enCours, QPoint(20, 20));
    dessinerPlateau(peintre, dossier, gagne, QPoint(670, 20));
    dessinerPlateau(peintre, dossier, jauneJoue, QPoint(1320, 20));
    const QImage icone = charger(dossier, "icone.bmp");
    peintre.drawImage(QPoint(20, 680), icone);
    peintre.drawImage(QRect(100, 680, 128, 128), icone);
    peintre.drawImage(QRect(240, 680, 32, 32), icone.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    peintre.drawImage(QRect(280, 680, 16, 16), icone.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    // The cells at twice their size, to judge the detail.
    const char* noms[] = {"pion_rouge_joue.bmp", "pion_jaune_joue.bmp", "pion_rouge_gagnant", "pion_jaune_gagnant",
                          "pion_rouge.bmp", "pion_jaune.bmp"};
    int x = 320;
    for (const char* nom : noms) {
        peintre.drawImage(QRect(x, 680, 180, 180), charger(dossier, nom));
        x += 190;
    }
    peintre.end();
    return apercu.save(arguments.at(2)) ? 0 : 1;
}
