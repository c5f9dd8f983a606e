// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

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
