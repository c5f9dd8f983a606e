// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include "ordinateur.h"
#include "plateaux.h"
#include "reference.h"

namespace essai {

inline const Moteur kReference{"Reference", &reference::evaluerJoueur,
                               &reference::evaluerPosition, &reference::analyserPosition};
inline const Moteur kJeu{"Jeu", &::evaluerJoueur, &::evaluerPosition, &::analyserPosition};

inline auto lesMoteurs()
{
    return ::testing::Values(kReference, kJeu);
}

inline std::string nomMoteur(const ::testing::TestParamInfo<Moteur>& info)
{
    return info.param.nom;
}

} // namespace essai
