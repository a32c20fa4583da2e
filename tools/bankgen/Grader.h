// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "tools/bankgen/Deduction.h"
#include "tools/bankgen/Geometry.h"

namespace quintara::bankgen {

// True when the techniques up to `up_to` alone fill every cell of the puzzle (which also proves
// that its solution is unique).
bool Completes(const Geometry& geometry, const Grid& puzzle, Technique up_to);

// The smallest technique set that completes the puzzle; nothing when even triples do not.
std::optional<Technique> Grade(const Geometry& geometry, const Grid& puzzle);

// The next simpler technique set; singles have none.
std::optional<Technique> Simpler(Technique technique);

}  // namespace quintara::bankgen
