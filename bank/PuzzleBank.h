// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace quintara {

// Number of stored puzzles for a box size (3, 4, 5) and level ('E', 'M', 'A', any case);
// 0 for anything else.
int32_t GetPuzzleCount(int32_t BoxSize, char level);

// Copies entry `index` of the table into its puzzle and solution halves (CellCount characters
// each). False, with both outputs untouched, for an unknown size or level or an index outside
// 0 .. count-1.
bool GetPuzzle(int32_t BoxSize, char level, int32_t index, std::string& puzzle,
               std::string& solution);

}  // namespace quintara
