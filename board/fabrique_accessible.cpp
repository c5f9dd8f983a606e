// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fabrique_accessible.h"

#include <QAccessible>

#include "bouton.h"
#include "bouton_accessible.h"
#include "case_accessible.h"
#include "label.h"
#include "plateau_accessible.h"
#include "quartelo4.h"

namespace fabrique_accessible {

namespace {

// Qt asks with the class names of the object, the most derived first.
QAccessibleInterface* fabriquer(const QString& nomDeClasse, QObject* objet)
{
    if (nomDeClasse == QLatin1String("Quartelo4"))
        return new PlateauAccessible(static_cast<Quartelo4*>(objet));
    // Label is the board's own cell class.
    if (nomDeClasse == QLatin1String("Label"))
        return new CaseAccessible(static_cast<Label*>(objet));
    if (nomDeClasse == QLatin1String("Bouton"))
        return new BoutonAccessible(static_cast<Bouton*>(objet));
    return nullptr;
}

} // namespace

void installer()
{
    static const bool installe = [] {
        QAccessible::installFactory(&fabriquer);
        return true;
    }();
    (void)installe;
}

} // namespace fabrique_accessible
