// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "tools/bankgen/Bits.h"
#include "tools/bankgen/Geometry.h"

namespace quintara::bankgen {

// Technique sets, each one holding every simpler one: singles (naked and hidden), then locked
// candidates (pointing and claiming), then naked and hidden pairs, then naked and hidden triples.
enum class Technique { kSingles, kLockedCandidates, kPairs, kTriples };

// Candidate bitmasks of a grid and the logical techniques that narrow them. Every step is sound
// (it keeps every solution of the givens), so a state that ends solved proves the solution is
// the only one, and a state that ends broken proves there is none.
class Deduction {
  public:
    Deduction(const Geometry& geometry, const Grid& givens);

    // Applies the techniques up to `up_to`, simplest first and back to singles after every
    // step that changed something, until nothing changes.
    void Run(Technique up_to);
    // Places a symbol; a symbol the cell cannot take breaks the state.
    void Assign(int cell, int symbol);

    bool Broken() const { return broken_; }
    bool Solved() const { return !broken_ && open_ == 0; }
    Mask Candidates(int cell) const { return candidates_[static_cast<size_t>(cell)]; }
    const Grid& Values() const { return values_; }
    // An open cell with the fewest candidates, -1 when none is open.
    int FewestCandidatesCell() const;

  private:
    Mask OpenCandidates(int cell) const;
    bool Eliminate(int cell, Mask symbols);
    bool NakedSingles();
    bool HiddenSingles();
    bool LockedCandidates();
    bool LockedAlong(bool rows);
    bool NakedSubset(int unit, int size);
    bool HiddenSubset(int unit, int size);
    bool Subsets(int size);
    bool Step(Technique up_to);

    const Geometry* geometry_;
    std::vector<Mask> candidates_;
    Grid values_;
    int open_;
    bool broken_ = false;
};

}  // namespace quintara::bankgen
