// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class Quartelo4;

// What assistive technologies see of the board: a table of 7 columns by
// 7 rows, the header row on top, then the six board rows from the top one
// (« rangée 6 ») down to the bottom one (« rangée 1 »). Its cells are the
// board's labels (see CaseAccessible). Nothing can be selected in it.
class PlateauAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit PlateauAccessible(Quartelo4* plateau);

    // The labels, row by row, each row from column 0 to 6.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* enfant) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override;
    QAccessibleInterface* summary() const override;
    QAccessibleInterface* cellAt(int ligne, int colonne) const override;
    int rowCount() const override;
    int columnCount() const override;
    QString rowDescription(int ligne) const override;
    QString columnDescription(int colonne) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    int selectedColumnCount() const override;
    QList<int> selectedColumns() const override;
    int selectedRowCount() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int colonne) const override;
    bool isRowSelected(int ligne) const override;
    bool selectRow(int ligne) override;
    bool selectColumn(int colonne) override;
    bool unselectRow(int ligne) override;
    bool unselectColumn(int colonne) override;
    void modelChange(QAccessibleTableModelChangeEvent* evenement) override;

private:
    Quartelo4* plateau() const;
};
