#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include "verification.h"

class ImagesDuJeu;
class VueJeu;

// Closes the end-of-game box as a user does, by pressing its Ok button, and
// checks on the way what the box and the window show while it is up.
class FermeurDeBoites : public QObject {
    Q_OBJECT

public:
    FermeurDeBoites(const VueJeu& vue, ImagesDuJeu& images);

    // What the checks made while a box is up may assume.
    void setContexte(const Contexte& contexte) { leContexte = contexte; }

    int nombre() const { return boites; }
    // Boxes that announced a draw.
    int nulles() const { return boitesNulles; }
    // Faults seen since the last call, emptied by it.
    QStringList prendreDefauts();

private:
    void surveiller();

    const VueJeu& vue;
    ImagesDuJeu& images;
    Contexte leContexte;
    QTimer minuterie;
    int boites = 0;
    int boitesNulles = 0;
    QStringList defauts;
};
