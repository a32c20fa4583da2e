// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace quintara {

// Where a new game takes its puzzles: the puzzle bank in the game; tests pass their own lookups
// to reach the failure paths.
struct PuzzleSource {
    std::function<int32_t(int32_t BoxSize, char level)> GetPuzzleCount;
    std::function<bool(int32_t BoxSize, char level, int32_t index, std::string& puzzle,
                       std::string& solution)>
        GetPuzzle;
};

// The compiled-in puzzle bank.
PuzzleSource BankPuzzles();

}  // namespace quintara
