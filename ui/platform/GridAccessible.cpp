// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn grid and its cells as a screen reader sees them.
#include "ui/platform/GridAccessible.h"

#include <QWidget>
#include <QWindow>

#include "ui/platform/DrawGrid.h"

namespace quintara::platform {

TDrawGridAccessible::TDrawGridAccessible(TDrawGrid* grid)
    : QAccessibleWidget(grid, QAccessible::Table) {}

TDrawGridAccessible::~TDrawGridAccessible() {
    for (const auto& [place, id] : cells_) {
        QAccessible::deleteAccessibleInterface(id);
    }
    if (retired_) {
        QAccessible::deleteAccessibleInterface(*retired_);
    }
}

void TDrawGridAccessible::RenewCell(int col, int row) {
    const auto found = cells_.find({col, row});
    if (found == cells_.end()) {
        return;
    }
    if (retired_) {
        QAccessible::deleteAccessibleInterface(*retired_);
    }
    retired_ = found->second;
    static_cast<TGridCellAccessible*>(QAccessible::accessibleInterface(*retired_))->Retire();
    cells_.erase(found);
}

TDrawGrid* TDrawGridAccessible::grid() const {
    return static_cast<TDrawGrid*>(widget());
}

int TDrawGridAccessible::childCount() const {
    return grid()->RowCount() * grid()->ColCount();
}

int TDrawGridAccessible::columnCount() const {
    return grid()->ColCount();
}

int TDrawGridAccessible::rowCount() const {
    return grid()->RowCount();
}

QAccessibleInterface* TDrawGridAccessible::cellAt(int row, int column) const {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) {
        return nullptr;
    }
    auto found = cells_.find({column, row});
    if (found == cells_.end()) {
        const QAccessible::Id id =
            QAccessible::registerAccessibleInterface(new TGridCellAccessible(grid(), column, row));
        found = cells_.emplace(std::make_pair(column, row), id).first;
    }
    return QAccessible::accessibleInterface(found->second);
}

QAccessibleInterface* TDrawGridAccessible::child(int index) const {
    const int columns = columnCount();
    return index < 0 || index >= childCount() ? nullptr : cellAt(index / columns, index % columns);
}

int TDrawGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr || child->role() != QAccessible::Cell || child->parent() != this) {
        return -1;
    }
    const auto* cell = static_cast<const TGridCellAccessible*>(child);
    return cell->isValid() ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
}

QAccessibleInterface* TDrawGridAccessible::childAt(int x, int y) const {
    const QPoint local = grid()->mapFromGlobal(QPoint(x, y));
    int col = -1;
    int row = -1;
    grid()->MouseToCell(local.x(), local.y(), col, row);
    return cellAt(row, col);
}

QAccessibleInterface* TDrawGridAccessible::focusChild() const {
    return grid()->hasFocus() ? cellAt(grid()->Row(), grid()->Col()) : nullptr;
}

QList<QAccessibleInterface*> TDrawGridAccessible::selectedCells() const {
    return {cellAt(grid()->Row(), grid()->Col())};
}

QString TDrawGridAccessible::columnDescription(int column) const {
    return QStringLiteral("Column %1").arg(column + 1);
}

QString TDrawGridAccessible::rowDescription(int row) const {
    return QStringLiteral("Row %1").arg(row + 1);
}

void* TDrawGridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

TGridCellAccessible::TGridCellAccessible(TDrawGrid* grid, int col, int row)
    : grid_(grid), col_(col), row_(row) {}

bool TGridCellAccessible::isValid() const {
    return grid_ != nullptr && !retired_ && col_ < grid_->ColCount() && row_ < grid_->RowCount();
}

QWindow* TGridCellAccessible::window() const {
    return grid_ != nullptr ? grid_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TGridCellAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(grid_);
}

bool TGridCellAccessible::IsCurrent() const {
    return grid_ != nullptr && grid_->Col() == col_ && grid_->Row() == row_;
}

bool TGridCellAccessible::isSelected() const {
    return IsCurrent();
}

QString TGridCellAccessible::text(QAccessible::Text type) const {
    if (type != QAccessible::Name || !isValid()) {
        return {};
    }
    const QString place = QStringLiteral("Row %1, column %2").arg(row_ + 1).arg(col_ + 1);
    const QString content = grid_->OnCellText ? grid_->OnCellText(col_, row_) : QString();
    return content.isEmpty() ? place : place + QStringLiteral(": ") + content;
}

QRect TGridCellAccessible::rect() const {
    if (!isValid()) {
        return {};
    }
    const TRect cell = grid_->CellRect(col_, row_);
    return {grid_->mapToGlobal(QPoint(cell.Left, cell.Top)),
            QSize(cell.Right - cell.Left, cell.Bottom - cell.Top)};
}

QAccessible::State TGridCellAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.focusable = true;
    state.selectable = true;
    state.selected = IsCurrent();
    state.focused = IsCurrent() && grid_->hasFocus();
    state.invisible = !grid_->isVisible();
    return state;
}

void* TGridCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface) {
        return static_cast<QAccessibleTableCellInterface*>(this);
    }
    return nullptr;
}

}  // namespace quintara::platform
