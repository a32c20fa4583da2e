// SPDX-License-Identifier: GPL-3.0-or-later
// Consistency queries: validation of the board's own solution, clash queries on a caller's grid,
// and acceptance of typed symbols.
#include <algorithm>

#include "engine/Ascii.h"
#include "engine/TsdBoard.h"

namespace quintara {

namespace {

// Marks `bit` in `mask` and tells whether it was already there.
bool TestAndSet(uint64_t& mask, int32_t bit) {
    const uint64_t flag = uint64_t{1} << bit;
    const bool seen = (mask & flag) != 0;
    mask |= flag;
    return seen;
}

}  // namespace

bool TsdBoard::CheckSolution() {
    // Same answer as asking CheckSolutionCell of every cell (each pair of cells sharing a row,
    // column or box compared once), in one pass: a seen-mask per unit, bit v for symbol v, and one
    // mask over the units for the empty value -1, which compares like any symbol.
    std::array<uint64_t, kTableSide> rows{};
    std::array<uint64_t, kTableSide> columns{};
    std::array<uint64_t, kTableSide> boxes{};
    uint64_t empty_in_row = 0;
    uint64_t empty_in_column = 0;
    uint64_t empty_in_box = 0;
    for (int32_t row = 0; row < GridSize; ++row) {
        for (int32_t column = 0; column < GridSize; ++column) {
            const int32_t value = SolutionCells[row][column];
            const int32_t box = CellBox[row][column];
            if (value == -1) {
                if (TestAndSet(empty_in_row, row) || TestAndSet(empty_in_column, column) ||
                    TestAndSet(empty_in_box, box)) {
                    return false;
                }
            } else if (TestAndSet(rows[row], value) || TestAndSet(columns[column], value) ||
                       TestAndSet(boxes[box], value)) {
                return false;
            }
        }
    }
    return true;
}

bool TsdBoard::CheckSolutionCell(int32_t row, int32_t column) {
    if (!InGrid(row, column)) {
        return false;
    }
    // -2 never comes from loading, so while the cell holds it, the cell cannot match itself.
    const int32_t value = SolutionCells[row][column];
    SolutionCells[row][column] = -2;
    if (RowHasBefore(row, column, value) || ColHasAbove(row, column, value)) {
        SolutionCells[row][column] = value;
        return false;
    }
    const bool found = BoxHasValue(row, column, value);
    SolutionCells[row][column] = value;
    return !found;
}

bool TsdBoard::RowHasBefore(int32_t row, int32_t column, int32_t value) const {
    if (!InGrid(row, column)) {
        return false;
    }
    const auto& cells = SolutionCells[row];
    return std::find(cells.begin(), cells.begin() + column, value) != cells.begin() + column;
}

bool TsdBoard::ColHasAbove(int32_t row, int32_t column, int32_t value) const {
    if (!InGrid(row, column)) {
        return false;
    }
    for (int32_t r = row - 1; r >= 0; --r) {
        if (SolutionCells[r][column] == value) {
            return true;
        }
    }
    return false;
}

bool TsdBoard::BoxHasValue(int32_t row, int32_t column, int32_t value) const {
    if (!InGrid(row, column)) {
        return false;
    }
    const int32_t box = CellBox[row][column];
    for (int32_t r = BoxTop[box]; r < BoxTop[box] + BoxSize; ++r) {
        for (int32_t c = BoxLeft[box]; c < BoxLeft[box] + BoxSize; ++c) {
            if (SolutionCells[r][c] == value) {
                return true;
            }
        }
    }
    return false;
}

bool TsdBoard::RowHasOther(char character, int32_t row, int32_t column,
                           const CharGrid& grid) const {
    if (!InGrid(row, column)) {
        return false;
    }
    for (int32_t c = GridSize - 1; c >= 0; --c) {
        if (c != column && grid[row][c] == character) {
            return true;
        }
    }
    return false;
}

bool TsdBoard::ColHasOther(char character, int32_t row, int32_t column,
                           const CharGrid& grid) const {
    if (!InGrid(row, column)) {
        return false;
    }
    for (int32_t r = GridSize - 1; r >= 0; --r) {
        if (r != row && grid[r][column] == character) {
            return true;
        }
    }
    return false;
}

bool TsdBoard::BoxHasOther(char character, int32_t row, int32_t column,
                           const CharGrid& grid) const {
    if (!InGrid(row, column)) {
        return false;
    }
    const int32_t box = CellBox[row][column];
    for (int32_t r = BoxTop[box]; r < BoxTop[box] + BoxSize; ++r) {
        for (int32_t c = BoxLeft[box]; c < BoxLeft[box] + BoxSize; ++c) {
            if ((r != row || c != column) && grid[r][c] == character) {
                return true;
            }
        }
    }
    return false;
}

bool TsdBoard::IsSymbol(char character) const {
    return Alphabet.find(UpperAscii(character)) != std::string::npos;
}

}  // namespace quintara
