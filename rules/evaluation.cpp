#include "ordinateur.h"
#include "reference.h"

int evaluerJoueur(int joueur, const Case* grille)
{
    return reference::evaluerJoueur(joueur, grille);
}

int evaluerPosition(int joueur, const Case* grille)
{
    return reference::evaluerPosition(joueur, grille);
}
