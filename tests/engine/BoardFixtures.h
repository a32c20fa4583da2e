// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/CharGrid.h"
#include "engine/TsdBoard.h"

namespace quintara::testing {

inline constexpr std::array<int32_t, 3> kBoxSizes{3, 4, 5};

inline std::string AlphabetFor(int32_t box_size) {
    switch (box_size) {
        case 3:
            return "123456789";
        case 4:
            return "0123456789ABCDEF";
        default:
            return "ABCDEFGHIJKLMNOPQRSTUVWXY";
    }
}

// A valid complete grid by the classic shifting pattern: row r is row 0 shifted by
// (r mod n) * n + r div n places.
inline std::string PatternSolution(int32_t box_size) {
    const int32_t side = box_size * box_size;
    const std::string alphabet = AlphabetFor(box_size);
    std::string text;
    for (int32_t row = 0; row < side; ++row) {
        for (int32_t column = 0; column < side; ++column) {
            text += alphabet[(row % box_size * box_size + row / box_size + column) % side];
        }
    }
    return text;
}

// Blanks every cell whose position is a multiple of `every`, leaving the rest as givens.
inline std::string PuzzleFrom(const std::string& solution, int32_t every) {
    std::string puzzle = solution;
    for (std::size_t p = 0; p < puzzle.size(); p += static_cast<std::size_t>(every)) {
        puzzle[p] = '?';
    }
    return puzzle;
}

// A grid in which every cell of row r holds symbol r (or column c holds symbol c): not a valid
// Sudoku, but it shows where each line went after a reorder.
inline std::string LinesText(int32_t box_size, bool by_row) {
    const int32_t side = box_size * box_size;
    const std::string alphabet = AlphabetFor(box_size);
    std::string text;
    for (int32_t row = 0; row < side; ++row) {
        for (int32_t column = 0; column < side; ++column) {
            text += alphabet[by_row ? row : column];
        }
    }
    return text;
}

inline CharGrid FilledGrid(char fill) {
    CharGrid grid;
    for (auto& row : grid) {
        row.fill(fill);
    }
    return grid;
}

// The used square of an export, row by row.
inline std::string Flatten(const CharGrid& grid, int32_t side) {
    std::string text;
    for (int32_t row = 0; row < side; ++row) {
        text.append(grid[row].data(), static_cast<std::size_t>(side));
    }
    return text;
}

inline std::string ExportedPuzzle(const TsdBoard& board) {
    CharGrid grid = FilledGrid('#');
    board.ExportPuzzle(grid);
    return Flatten(grid, board.GetGridSize());
}

inline std::string ExportedSolution(const TsdBoard& board) {
    CharGrid grid = FilledGrid('#');
    board.ExportSolution(grid);
    return Flatten(grid, board.GetGridSize());
}

}  // namespace quintara::testing
