// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <vector>

namespace quintara::bankgen {

// Cell values of a grid, row by row: -1 for an empty cell, else the symbol index.
using Grid = std::vector<int>;

// Rows, columns and boxes of one grid size, all derived from the side of a box. Units are
// numbered rows first (0 .. side-1), then columns, then boxes (row by row over the boxes).
class Geometry {
  public:
    explicit Geometry(int box);

    int Box() const { return box_; }
    int Side() const { return side_; }
    int Cells() const { return side_ * side_; }
    int Units() const { return 3 * side_; }
    int RowOf(int cell) const { return cell / side_; }
    int ColumnOf(int cell) const { return cell % side_; }
    int BoxOf(int cell) const { return RowOf(cell) / box_ * box_ + ColumnOf(cell) / box_; }
    int CellAt(int row, int column) const { return row * side_ + column; }
    int RowUnit(int row) const { return row; }
    int ColumnUnit(int column) const { return side_ + column; }
    int BoxUnit(int box) const { return 2 * side_ + box; }
    bool InUnit(int cell, int unit) const;

    // The side cells of a unit, in reading order.
    std::span<const int> Unit(int unit) const;
    // Every other cell sharing a row, column or box with the cell.
    std::span<const int> Peers(int cell) const;

  private:
    int box_;
    int side_;
    std::vector<int> unit_cells_;
    std::vector<int> peer_cells_;
    int peers_per_cell_;
};

// The shared geometry of box sizes 2 to 5.
const Geometry& GeometryOf(int box);

}  // namespace quintara::bankgen
