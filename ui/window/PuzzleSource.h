#pragma once

#include <cstdint>
#include <string>

namespace quintara {

// Where a new game takes its puzzles: the puzzle bank in the game; tests pass their own lookups
// to reach the failure paths.
struct PuzzleSource {
    int32_t (*GetPuzzleCount)(int32_t BoxSize, char level);
    bool (*GetPuzzle)(int32_t BoxSize, char level, int32_t index, std::string& puzzle,
                      std::string& solution);
};

// The compiled-in puzzle bank.
PuzzleSource BankPuzzles();

}  // namespace quintara
