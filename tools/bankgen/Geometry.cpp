// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/bankgen/Geometry.h"

#include <array>

namespace quintara::bankgen {

Geometry::Geometry(int box) : box_(box), side_(box * box) {
    unit_cells_.reserve(static_cast<size_t>(Units() * side_));
    for (int unit = 0; unit < Units(); ++unit) {
        for (int cell = 0; cell < Cells(); ++cell) {
            if (InUnit(cell, unit)) {
                unit_cells_.push_back(cell);
            }
        }
    }
    peers_per_cell_ = 3 * side_ - 2 * box_ - 1;
    peer_cells_.reserve(static_cast<size_t>(Cells() * peers_per_cell_));
    for (int cell = 0; cell < Cells(); ++cell) {
        for (int other = 0; other < Cells(); ++other) {
            const bool shares_unit = RowOf(other) == RowOf(cell) ||
                                     ColumnOf(other) == ColumnOf(cell) ||
                                     BoxOf(other) == BoxOf(cell);
            if (other != cell && shares_unit) {
                peer_cells_.push_back(other);
            }
        }
    }
}

bool Geometry::InUnit(int cell, int unit) const {
    if (unit < side_) {
        return RowOf(cell) == unit;
    }
    if (unit < 2 * side_) {
        return ColumnOf(cell) == unit - side_;
    }
    return BoxOf(cell) == unit - 2 * side_;
}

std::span<const int> Geometry::Unit(int unit) const {
    return std::span<const int>(unit_cells_)
        .subspan(static_cast<size_t>(unit * side_), static_cast<size_t>(side_));
}

std::span<const int> Geometry::Peers(int cell) const {
    return std::span<const int>(peer_cells_)
        .subspan(static_cast<size_t>(cell * peers_per_cell_), static_cast<size_t>(peers_per_cell_));
}

const Geometry& GeometryOf(int box) {
    static const std::array<Geometry, 4> kGeometries{Geometry(2), Geometry(3), Geometry(4),
                                                     Geometry(5)};
    return kGeometries[static_cast<size_t>(box - 2)];
}

}  // namespace quintara::bankgen
