#pragma once

#include <QHash>
#include <QImage>
#include <QPair>
#include <QString>

class QLabel;

// The pictures that a label of the board can show.
enum class Image {
    Aucune,       // no picture at all (the images folder is missing)
    Emplacement,  // empty slot
    RougeJoue,
    JauneJoue,
    RougeCurseur,
    JauneCurseur,
    RougeGagnant,
    JauneGagnant,
    Entete0,      // then Entete0 + 1 ... Entete0 + 6 for the seven column headers
};

Image imageEntete(int colonne);
Image imageJouee(int joueur);
Image imageCurseur(int joueur);
Image imageGagnante(int joueur);
QString nomImage(Image image);

// The reference pictures, read once from the images folder of the working
// directory, and the test whether a label shows a given one.
class ImagesDuJeu {
public:
    // Reads every picture; an empty text when all were found, else what is missing.
    QString charger();

    // Whether the label shows exactly the picture (pixel for pixel); for
    // Image::Aucune, whether it shows none.
    bool montre(const QLabel* label, Image image);

private:
    QHash<int, QImage> references;
    QHash<QPair<qint64, int>, bool> dejaVus;
};
