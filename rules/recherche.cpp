#include "ordinateur.h"
#include "reference.h"

std::int32_t alphaBeta(bool maximiser, int joueur, Case* grille, int profondeur, int colonne,
                       std::int32_t alpha, std::int32_t beta)
{
    return reference::alphaBeta(maximiser, joueur, grille, profondeur, colonne, alpha, beta);
}

Analyse analyserPosition(int joueur, Case* grille, int profondeur)
{
    return reference::analyserPosition(joueur, grille, profondeur);
}
