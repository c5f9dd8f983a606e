// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "case_accessible.h"

#include "grille.h"
#include "label.h"
#include "quartelo4.h"

CaseAccessible::CaseAccessible(Label* label) : QAccessibleWidget(label, QAccessible::Cell)
{
}

Quartelo4* CaseAccessible::plateau() const
{
    return qobject_cast<Quartelo4*>(widget()->parentWidget());
}

QPair<int, int> CaseAccessible::place() const
{
    if (Quartelo4* p = plateau())
        for (int ligne = 0; ligne <= kLignes; ++ligne)
            for (int colonne = 0; colonne < kColonnes; ++colonne)
                if (p->getLabel(ligne, colonne) == widget())
                    return {ligne, colonne};
    return {-1, -1};
}

void* CaseAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

bool CaseAccessible::isSelected() const
{
    return false;
}

int CaseAccessible::columnExtent() const
{
    return 1;
}

int CaseAccessible::rowExtent() const
{
    return 1;
}

// The header row is the table's first row, not a header of its own.
QList<QAccessibleInterface*> CaseAccessible::columnHeaderCells() const
{
    return {};
}

QList<QAccessibleInterface*> CaseAccessible::rowHeaderCells() const
{
    return {};
}

int CaseAccessible::columnIndex() const
{
    return place().second;
}

int CaseAccessible::rowIndex() const
{
    return place().first;
}

QAccessibleInterface* CaseAccessible::table() const
{
    return QAccessible::queryAccessibleInterface(plateau());
}
