// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAccessibleWidget>

#include <unordered_map>

namespace orvane {

struct AccessibleGame;

// The board area as a table for assistive technology: a row of cells per board row. A
// cell's object is made when one is asked for and kept until the board changes size, when
// the ones made are dropped (and read as invalid by whoever still holds them). The
// keyboard's cursor is the focused cell.
class AccessibleBoard : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    AccessibleBoard(QWidget* board, AccessibleGame& game);
    ~AccessibleBoard() override;

    QAccessible::Role role() const override { return QAccessible::Table; }
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { }

    // The cell's object, made at the first asking; none off the board. The cache is
    // mutable: Qt asks for cells through const questions.
    QAccessibleInterface* Cell(int index) const;
    // Drops the cells made for a board of another size.
    void DropCellsOfOtherSize() const;

private:
    void DropCells() const;

    AccessibleGame& game_;
    mutable std::unordered_map<int, QAccessible::Id> cells_;
    mutable int width_ = 0;
    mutable int height_ = 0;
};

} // namespace orvane
