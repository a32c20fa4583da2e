// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "tools/bankgen/Geometry.h"
#include "tools/bankgen/Rng.h"

namespace quintara::bankgen {

// Exact count of the solutions of the givens, stopping at `limit` (so 2 means "more than one").
// Propagates singles, locked candidates and pairs, then branches on a cell with the fewest
// candidates.
int CountSolutions(const Geometry& geometry, const Grid& givens, int limit = 2);

// A random complete valid grid, or nothing when the search spends `node_budget` branchings
// without finding one.
std::optional<Grid> RandomSolution(const Geometry& geometry, Rng& rng, long node_budget);

}  // namespace quintara::bankgen
