// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QPair>

class Label;
class Quartelo4;

// One label of the board as a cell of the board's table (see
// PlateauAccessible): row 0 is the header row, rows 1 to 6 the board rows
// from the top. Its name is the label's accessible name, which the board
// keeps in step with the picture. Its place is looked up in the board when
// asked, since Qt may build the interface before the label joins the board.
class CaseAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    explicit CaseAccessible(Label* label);

    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    int columnExtent() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    int columnIndex() const override;
    int rowExtent() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int rowIndex() const override;
    QAccessibleInterface* table() const override;

private:
    // The board that holds the label, or null.
    Quartelo4* plateau() const;
    // The row (0 for the header) and the column of the label, or -1, -1.
    QPair<int, int> place() const;
};
