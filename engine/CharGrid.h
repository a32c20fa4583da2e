// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace quintara {

// Side of every fixed table of the game: room for grids up to 64 x 64 (boxes up to 8 x 8).
inline constexpr int32_t kTableSide = 65;

// A character matrix, row after row, indexed grid[row][column]; only the top-left
// GridSize x GridSize square is used. A space marks an empty cell.
using CharGrid = std::array<std::array<char, kTableSide>, kTableSide>;

}  // namespace quintara
