// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pictures of the game as the tests name them, and how a test tells which
// one a label or an icon shows.
//
// Every picture has a one-character code, used by the board strings of
// plateau_texte.h and by the checks of the random play: '.' empty slot,
// 'r'/'j' red/yellow token in the board, 'R'/'J' red/yellow winning token,
// 'x'/'y' red/yellow cursor, '0'..'6' header image of a column, 'i' the
// window icon; ' ' stands for no picture at all.

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPair>
#include <QString>
#include <QTemporaryDir>

#include <vector>

class QLabel;
class QWidget;

namespace essai {

// One picture of the game, as the program names it, with its code.
struct Image {
    const char* fichier;  // name under images/, as the program loads it
    char code;
    QRgb couleur;         // the solid colour of the test set
};

// The fifteen pictures.
const std::vector<Image>& images();

// The file name of the picture of a code ("" for ' ' or an unknown code).
QString fichierImage(char code);
// The same with the folder, as the program reads it from its working folder.
QString cheminImage(char code);
// The file that holds it, as the artwork program writes it: the name with
// its ".bmp" ("pion_rouge_gagnant.bmp", which the program reads without it).
QString fichierDessine(char code);

// The codes of the pictures by their role.
char imageEntete(int colonne);   // '0' + colonne
char imageJouee(int joueur);     // 'r' for 1, 'j' for 2
char imageCurseur(int joueur);   // 'x' for 1, 'y' for 2
char imageGagnante(int joueur);  // 'R' for 1, 'J' for 2
// A name for messages: the file, or "(no picture)" for ' '.
QString nomImage(char code);

constexpr int kCoteImage = 36;

// A temporary working directory holding an images/ folder of distinct solid
// colour pictures, so that every role can be told from the others even when
// the game's own artwork looks alike. The working directory is restored on
// destruction. `gagnantsAvecExtension`: the two winning pictures are written
// as "<name>.bmp" (found by the image reader from the name without
// extension) instead of under the bare name.
class ImagesDeCouleur {
public:
    explicit ImagesDeCouleur(bool gagnantsAvecExtension = false);
    ~ImagesDeCouleur();
    ImagesDeCouleur(const ImagesDeCouleur&) = delete;
    ImagesDeCouleur& operator=(const ImagesDeCouleur&) = delete;

    bool pret() const { return dossier.isValid() && ecrit; }
    QString chemin() const { return dossier.path(); }

private:
    QTemporaryDir dossier;
    QString ancien;
    bool ecrit = true;
};

// An empty temporary working directory (no images/ folder at all).
class DossierVide {
public:
    DossierVide();
    ~DossierVide();
    DossierVide(const DossierVide&) = delete;
    DossierVide& operator=(const DossierVide&) = delete;
    bool pret() const;

private:
    QTemporaryDir dossier;
    QString ancien;
};

// The code of the colour picture an image shows: ' ' for no picture, '?' for
// a picture of none of the test colours.
char codeImage(const QImage& image);
char codeLabel(const QLabel* label);
// The code of the picture of a window's icon.
char codeIcone(const QWidget* fenetre);

// The game's own pictures, read once from the images folder of the working
// directory, and the test whether a label shows a given one pixel for pixel.
class ImagesDuJeu {
public:
    // Reads every picture; an empty text when all were found, else what is missing.
    QString charger();

    // Whether the label shows exactly the picture of the code; for ' ',
    // whether it shows none.
    bool montre(const QLabel* label, char code);

private:
    QHash<char, QImage> references;
    QHash<QPair<qint64, char>, bool> dejaVus;
};

}  // namespace essai
