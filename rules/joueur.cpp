#include "joueur.h"

Joueur::Joueur(int numero_, bool ordinateur_)
    : numero(numero_), ordinateur(ordinateur_)
{
}

int Joueur::getNumero() const
{
    return numero;
}

bool Joueur::estOrdinateur() const
{
    return ordinateur;
}

void Joueur::setOrdinateur(bool ordinateur_)
{
    ordinateur = ordinateur_;
}
