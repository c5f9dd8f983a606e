#include "images_du_jeu.h"

#include <QLabel>
#include <QPixmap>

namespace {

constexpr int kNombreImages = static_cast<int>(Image::Entete0) + 7;

// The file that the game reads for each picture, relative to the working folder.
QString fichier(Image image)
{
    switch (image) {
    case Image::Aucune:
        return QString();
    case Image::Emplacement:
        return QStringLiteral("images/emplacement_pour_pion.bmp");
    case Image::RougeJoue:
        return QStringLiteral("images/pion_rouge_joue.bmp");
    case Image::JauneJoue:
        return QStringLiteral("images/pion_jaune_joue.bmp");
    case Image::RougeCurseur:
        return QStringLiteral("images/pion_rouge.bmp");
    case Image::JauneCurseur:
        return QStringLiteral("images/pion_jaune.bmp");
    case Image::RougeGagnant:
        return QStringLiteral("images/pion_rouge_gagnant");
    case Image::JauneGagnant:
        return QStringLiteral("images/pion_jaune_gagnant");
    default:
        return QStringLiteral("images/%1.bmp").arg(static_cast<int>(image) - static_cast<int>(Image::Entete0));
    }
}

} // namespace

Image imageEntete(int colonne)
{
    return static_cast<Image>(static_cast<int>(Image::Entete0) + colonne);
}

Image imageJouee(int joueur)
{
    return joueur == 1 ? Image::RougeJoue : Image::JauneJoue;
}

Image imageCurseur(int joueur)
{
    return joueur == 1 ? Image::RougeCurseur : Image::JauneCurseur;
}

Image imageGagnante(int joueur)
{
    return joueur == 1 ? Image::RougeGagnant : Image::JauneGagnant;
}

QString nomImage(Image image)
{
    return image == Image::Aucune ? QStringLiteral("(no picture)") : fichier(image);
}

QString ImagesDuJeu::charger()
{
    QString manquantes;
    for (int i = 1; i < kNombreImages; ++i) {
        const QImage image = QPixmap(fichier(static_cast<Image>(i))).toImage();
        if (image.isNull()) {
            manquantes += fichier(static_cast<Image>(i)) + QLatin1Char(' ');
        }
        references.insert(i, image);
    }
    return manquantes;
}

bool ImagesDuJeu::montre(const QLabel* label, Image image)
{
    const QPixmap affichee = label->pixmap();
    if (image == Image::Aucune) {
        return affichee.isNull();
    }
    if (affichee.isNull()) {
        return false;
    }
    // The key names the pixels: a pixmap that changes gets a new key.
    const QPair<qint64, int> cle(affichee.cacheKey(), static_cast<int>(image));
    const auto trouve = dejaVus.constFind(cle);
    if (trouve != dejaVus.constEnd()) {
        return *trouve;
    }
    const bool egale = affichee.toImage() == references.value(static_cast<int>(image));
    if (dejaVus.size() > 100000) {
        dejaVus.clear(); // a long run loads new pixmaps all the time
    }
    dejaVus.insert(cle, egale);
    return egale;
}
