// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "images_essai.h"

#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace essai {

const std::vector<Image>& images()
{
    static const std::vector<Image> liste = {
        {"emplacement_pour_pion.bmp", '.', qRgb(40, 40, 40)},
        {"pion_rouge_joue.bmp", 'r', qRgb(200, 0, 0)},
        {"pion_jaune_joue.bmp", 'j', qRgb(220, 220, 0)},
        {"pion_rouge_gagnant", 'R', qRgb(255, 120, 120)},
        {"pion_jaune_gagnant", 'J', qRgb(255, 255, 160)},
        {"pion_rouge.bmp", 'x', qRgb(120, 0, 0)},
        {"pion_jaune.bmp", 'y', qRgb(120, 120, 0)},
        {"0.bmp", '0', qRgb(0, 0, 200)},
        {"1.bmp", '1', qRgb(0, 200, 0)},
        {"2.bmp", '2', qRgb(0, 200, 200)},
        {"3.bmp", '3', qRgb(200, 0, 200)},
        {"4.bmp", '4', qRgb(100, 50, 0)},
        {"5.bmp", '5', qRgb(0, 100, 50)},
        {"6.bmp", '6', qRgb(50, 0, 100)},
        {"icone.bmp", 'i', qRgb(255, 255, 255)},
    };
    return liste;
}

QString fichierImage(char code)
{
    for (const Image& image : images())
        if (image.code == code)
            return QString::fromLatin1(image.fichier);
    return QString();
}

QString cheminImage(char code)
{
    return QStringLiteral("images/") + fichierImage(code);
}

QString fichierDessine(char code)
{
    const QString fichier = fichierImage(code);
    return fichier.isEmpty() || fichier.endsWith(QStringLiteral(".bmp")) ? fichier : fichier + QStringLiteral(".bmp");
}

char imageEntete(int colonne)
{
    return static_cast<char>('0' + colonne);
}

char imageJouee(int joueur)
{
    return joueur == 1 ? 'r' : 'j';
}

char imageCurseur(int joueur)
{
    return joueur == 1 ? 'x' : 'y';
}

char imageGagnante(int joueur)
{
    return joueur == 1 ? 'R' : 'J';
}

QString nomImage(char code)
{
    return code == ' ' ? QStringLiteral("(no picture)") : cheminImage(code);
}

ImagesDeCouleur::ImagesDeCouleur(bool gagnantsAvecExtension) : ancien(QDir::currentPath())
{
    QDir(dossier.path()).mkdir("images");
    for (const Image& image : images()) {
        QImage dessin(kCoteImage, kCoteImage, QImage::Format_RGB32);
        dessin.fill(QColor(image.couleur));
        QString nom = dossier.path() + "/images/" + image.fichier;
        if (gagnantsAvecExtension && !nom.endsWith(".bmp"))
            nom += ".bmp";
        ecrit = dessin.save(nom, "BMP") && ecrit;
    }
    QDir::setCurrent(dossier.path());
}

ImagesDeCouleur::~ImagesDeCouleur()
{
    QDir::setCurrent(ancien);
}

DossierVide::DossierVide() : ancien(QDir::currentPath())
{
    QDir::setCurrent(dossier.path());
}

DossierVide::~DossierVide()
{
    QDir::setCurrent(ancien);
}

bool DossierVide::pret() const
{
    return dossier.isValid() && QDir::currentPath() == QDir(dossier.path()).canonicalPath();
}

char codeImage(const QImage& image)
{
    if (image.isNull())
        return ' ';
    if (image.width() != kCoteImage || image.height() != kCoteImage)
        return '?';
    const QRgb centre = image.pixel(kCoteImage / 2, kCoteImage / 2) | 0xff000000u;
    const QRgb coin = image.pixel(0, 0) | 0xff000000u;
    for (const Image& candidate : images())
        if (centre == candidate.couleur && coin == candidate.couleur)
            return candidate.code;
    return '?';
}

char codeLabel(const QLabel* label)
{
    return codeImage(label->pixmap().toImage());
}

char codeIcone(const QWidget* fenetre)
{
    const QIcon icone = fenetre->windowIcon();
    if (icone.isNull())
        return ' ';
    return codeImage(icone.pixmap(QSize(kCoteImage, kCoteImage)).toImage());
}

QString ImagesDuJeu::charger()
{
    QString manquantes;
    for (const Image& image : images()) {
        if (image.code == 'i')
            continue;  // the window icon is not a picture of the board
        const QString chemin = cheminImage(image.code);
        const QImage lue = QPixmap(chemin).toImage();
        if (lue.isNull())
            manquantes += chemin + QLatin1Char(' ');
        references.insert(image.code, lue);
    }
    return manquantes;
}

bool ImagesDuJeu::montre(const QLabel* label, char code)
{
    const QPixmap affichee = label->pixmap();
    if (code == ' ')
        return affichee.isNull();
    if (affichee.isNull())
        return false;
    // The key names the pixels: a pixmap that changes gets a new key.
    const QPair<qint64, char> cle(affichee.cacheKey(), code);
    const auto trouve = dejaVus.constFind(cle);
    if (trouve != dejaVus.constEnd())
        return *trouve;
    const bool egale = affichee.toImage() == references.value(code);
    if (dejaVus.size() > 100000)
        dejaVus.clear();  // a long run loads new pixmaps all the time
    dejaVus.insert(cle, egale);
    return egale;
}

}  // namespace essai
