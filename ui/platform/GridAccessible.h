// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <map>
#include <optional>
#include <utility>

namespace quintara::platform {

class TDrawGrid;

// The drawn grid as a table: rows, columns and one cell interface per cell, made when first
// asked for and kept until the grid goes. Cells are kept by place, so a grid that changes its
// size keeps the cells that are still inside it; the others report themselves invalid.
// A cell can be renewed: the next ask makes a new interface for its place, which a screen
// reader takes for a new object, and so speaks when it is focused.
class TDrawGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit TDrawGridAccessible(TDrawGrid* grid);

    // QAccessibleInterface
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 1; }
    QList<QAccessibleInterface*> selectedCells() const override;
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
    // The grid selects one cell at a time, never a whole row or column.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // The cell's present interface is retired: it reports itself invalid, unlike the new one,
    // and is kept, since a screen reader may still stand on it, until the next renewal.
    void RenewCell(int col, int row);

  protected:
    ~TDrawGridAccessible() override;

  private:
    TDrawGrid* grid() const;

    // (column, row) -> the cell's id in Qt's accessibility cache, which owns the cell.
    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
    std::optional<QAccessible::Id> retired_;
};

// One cell of the grid: its place, what it holds (the grid's OnCellText), its rectangle on
// the screen, and whether it is the current cell.
class TGridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    TGridCellAccessible(TDrawGrid* grid, int col, int row);

    // QAccessibleInterface
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableCellInterface
    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // From now on the cell reports itself invalid; its place has a new interface.
    void Retire() { retired_ = true; }

  private:
    bool IsCurrent() const;

    QPointer<TDrawGrid> grid_;
    int col_;
    int row_;
    bool retired_ = false;
};

}  // namespace quintara::platform
