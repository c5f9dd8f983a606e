// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "images_du_jeu.h"

#include "dessins.h"
#include "nom_a_l_echelle.h"
#include "palette.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <functional>

namespace {

using Dessin = std::function<void(QPainter&, const QRectF&)>;

// The drawing is made for a picture of largeur by hauteur pixels; with an
// echelle above 1 it is painted into as many more pixels (sides rounded),
// still as a drawing, so that it stays sharp.
QImage peindre(int largeur, int hauteur, QImage::Format format, const Dessin& dessin, qreal echelle = 1.0) {
    QImage image(qRound(largeur * echelle), qRound(hauteur * echelle), format);
    image.fill(Qt::transparent);
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing, true);
    peintre.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (image.width() != largeur || image.height() != hauteur)
        peintre.scale(qreal(image.width()) / largeur, qreal(image.height()) / hauteur);
    dessin(peintre, QRectF(0, 0, largeur, hauteur));
    peintre.end();
    return image;
}

QImage caseOpaque(const Dessin& dessin, qreal echelle) {
    return peindre(palette::coteCase, palette::coteCase, QImage::Format_RGB32, dessin, echelle);
}

}  // namespace

QList<ImageDuJeu> imagesDuJeu(qreal echelle) {
    using namespace dessins;
    QList<ImageDuJeu> images;
    images.append({"emplacement_pour_pion.bmp",
                   caseOpaque([](QPainter& p, const QRectF& r) { dessinerEmplacement(p, r); }, echelle)});
    images.append({"pion_rouge_joue.bmp",
                   caseOpaque([](QPainter& p, const QRectF& r) { dessinerPionJoue(p, r, Couleur::Rouge); }, echelle)});
    images.append({"pion_jaune_joue.bmp",
                   caseOpaque([](QPainter& p, const QRectF& r) { dessinerPionJoue(p, r, Couleur::Jaune); }, echelle)});
    images.append({"pion_rouge.bmp",
                   caseOpaque([](QPainter& p, const QRectF& r) { dessinerCurseur(p, r, Couleur::Rouge); }, echelle)});
    images.append({"pion_jaune.bmp",
                   caseOpaque([](QPainter& p, const QRectF& r) { dessinerCurseur(p, r, Couleur::Jaune); }, echelle)});
    for (int colonne = 0; colonne < 7; ++colonne) {
        images.append({QString::number(colonne) + ".bmp", caseOpaque([colonne](QPainter& p, const QRectF& r) {
                           dessinerEnteteColonne(p, r, colonne);
                       }, echelle)});
    }
    images.append({"pion_rouge_gagnant.bmp",
                   caseOpaque([](QPainter& p, const QRectF& r) { dessinerPionGagnant(p, r, Couleur::Rouge); }, echelle)});
    images.append({"pion_jaune_gagnant.bmp",
                   caseOpaque([](QPainter& p, const QRectF& r) { dessinerPionGagnant(p, r, Couleur::Jaune); }, echelle)});
    images.append({"icone.bmp", peindre(64, 64, QImage::Format_RGB32, [](QPainter& p, const QRectF&) {
                       dessinerIcone(p, 64, false);
                   }, echelle)});
    return images;
}

QList<ImageDuJeu> imagesDuJeuAgrandies() {
    QList<ImageDuJeu> images;
    for (int facteur : {2, 3})
        for (ImageDuJeu& image : imagesDuJeu(facteur))
            images.append({nomALEchelle(image.nom, facteur), image.image});
    return images;
}

QList<ImageDuJeu> iconesDuBureau() {
    QList<ImageDuJeu> icones;
    for (int cote : {16, 24, 32, 48, 64, 128, 256}) {
        const QString taille = QString::number(cote);
        icones.append({taille + "x" + taille + "/quartelo4.png",
                       peindre(cote, cote, QImage::Format_ARGB32_Premultiplied,
                               [cote](QPainter& p, const QRectF&) { dessins::dessinerIcone(p, cote, true); })});
    }
    return icones;
}

QList<ImageDuJeu> imagesDeLInstallateur() {
    // Two columns of the board, the lowest row whole, tokens played from the
    // bottom up; top row first.
    static constexpr char cases[4][3] = {"..", "r.", "jr", "rj"};
    constexpr int largeur = 164;
    constexpr int hauteur = 314;
    constexpr qreal carre = largeur / 2.0;
    return {{"bienvenue.bmp", peindre(largeur, hauteur, QImage::Format_RGB32, [](QPainter& p, const QRectF&) {
                 for (int ligne = 0; ligne < 4; ++ligne) {
                     for (int colonne = 0; colonne < 2; ++colonne) {
                         const QRectF ou(colonne * carre, hauteur - (4 - ligne) * carre, carre, carre);
                         const char valeur = cases[ligne][colonne];
                         if (valeur == '.')
                             dessins::dessinerEmplacement(p, ou);
                         else
                             dessins::dessinerPionJoue(p, ou, valeur == 'r' ? dessins::Couleur::Rouge
                                                                             : dessins::Couleur::Jaune);
                     }
                 }
             })}};
}

bool ecrireImages(const QList<ImageDuJeu>& images, const QString& dossier, QString* erreur) {
    const QDir racine(dossier);
    for (const ImageDuJeu& image : images) {
        const QString chemin = racine.filePath(image.nom);
        if (!QDir().mkpath(QFileInfo(chemin).absolutePath())) {
            if (erreur)
                *erreur = "impossible de créer le dossier de " + chemin;
            return false;
        }
        const bool bmp = chemin.endsWith(".bmp");
        // Opaque pictures go out without alpha, so the BMP writer uses 24 bits.
        const QImage aEcrire = bmp ? image.image.convertToFormat(QImage::Format_RGB32) : image.image;
        QImageWriter ecrivain(chemin, bmp ? "bmp" : "png");
        if (!ecrivain.write(aEcrire)) {
            if (erreur)
                *erreur = chemin + " : " + ecrivain.errorString();
            return false;
        }
    }
    return true;
}
