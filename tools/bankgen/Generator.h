// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "tools/bankgen/Geometry.h"
#include "tools/bankgen/Rng.h"
#include "tools/bankgen/TableRules.h"

namespace quintara::bankgen {

// One bank entry: puzzle half and solution half, in the size's symbols.
struct Entry {
    std::string puzzle;
    std::string solution;
};

// A given count for one entry: uniform over a window of the table's range centred on its
// reference mean, so the table's mean lands on the reference whatever the attempts cost.
int DrawTarget(const TableRules& rules, Rng& rng);

// One attempt at an entry for the table: a random solution grid, then givens removed in random
// order while the table's techniques still complete the puzzle, stopping at `target` givens once
// the puzzle needs exactly those techniques. Nothing when the attempt cannot reach the target
// with the level, or its blank pattern is symmetric.
std::optional<Entry> TryGenerate(const TableRules& rules, int target, Rng& rng);

// True when the blank pattern maps onto itself under a half turn, a left-right or up-down mirror
// or the main diagonal.
bool HasSymmetricBlanks(const Geometry& geometry, const Grid& puzzle);

}  // namespace quintara::bankgen
