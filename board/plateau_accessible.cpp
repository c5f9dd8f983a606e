// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plateau_accessible.h"

#include "grille.h"
#include "label.h"
#include "quartelo4.h"
#include "textes_accessibles.h"

namespace {

constexpr int kLignesDuTableau = kLignes + 1;

} // namespace

PlateauAccessible::PlateauAccessible(Quartelo4* p) : QAccessibleWidget(p, QAccessible::Table)
{
}

Quartelo4* PlateauAccessible::plateau() const
{
    return static_cast<Quartelo4*>(widget());
}

int PlateauAccessible::childCount() const
{
    return kLignesDuTableau * kColonnes;
}

QAccessibleInterface* PlateauAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return cellAt(index / kColonnes, index % kColonnes);
}

int PlateauAccessible::indexOfChild(const QAccessibleInterface* enfant) const
{
    if (enfant == nullptr)
        return -1;
    for (int index = 0; index < childCount(); ++index)
        if (plateau()->getLabel(index / kColonnes, index % kColonnes) == enfant->object())
            return index;
    return -1;
}

void* PlateauAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* PlateauAccessible::caption() const
{
    return nullptr;
}

QAccessibleInterface* PlateauAccessible::summary() const
{
    return nullptr;
}

QAccessibleInterface* PlateauAccessible::cellAt(int ligne, int colonne) const
{
    Label* label = plateau()->getLabel(ligne, colonne);
    return label ? QAccessible::queryAccessibleInterface(label) : nullptr;
}

int PlateauAccessible::rowCount() const
{
    return kLignesDuTableau;
}

int PlateauAccessible::columnCount() const
{
    return kColonnes;
}

// The header row has no row number; the others are counted from the bottom.
QString PlateauAccessible::rowDescription(int ligne) const
{
    if (ligne < 1 || ligne >= kLignesDuTableau)
        return QString();
    return textes_accessibles::nomDeRangee(ligne - 1);
}

QString PlateauAccessible::columnDescription(int colonne) const
{
    if (colonne < 0 || colonne >= kColonnes)
        return QString();
    return textes_accessibles::enTete(colonne);
}

int PlateauAccessible::selectedCellCount() const
{
    return 0;
}

QList<QAccessibleInterface*> PlateauAccessible::selectedCells() const
{
    return {};
}

int PlateauAccessible::selectedColumnCount() const
{
    return 0;
}

QList<int> PlateauAccessible::selectedColumns() const
{
    return {};
}

int PlateauAccessible::selectedRowCount() const
{
    return 0;
}

QList<int> PlateauAccessible::selectedRows() const
{
    return {};
}

bool PlateauAccessible::isColumnSelected(int) const
{
    return false;
}

bool PlateauAccessible::isRowSelected(int) const
{
    return false;
}

bool PlateauAccessible::selectRow(int)
{
    return false;
}

bool PlateauAccessible::selectColumn(int)
{
    return false;
}

bool PlateauAccessible::unselectRow(int)
{
    return false;
}

bool PlateauAccessible::unselectColumn(int)
{
    return false;
}

// The table always has the same shape.
void PlateauAccessible::modelChange(QAccessibleTableModelChangeEvent*)
{
}
