// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/bankgen/Solver.h"

#include <limits>
#include <vector>

#include "tools/bankgen/Deduction.h"

namespace quintara::bankgen {

namespace {

// One search: how many solutions to look for, in which candidate order, how many branchings
// are left, and what it found so far.
struct Search {
    int limit;
    Rng* rng;  // null: candidates in symbol order
    long budget;
    int found = 0;
    Grid first{};

    bool Done() const { return found >= limit || budget < 0; }
};

// Propagates, then tries each candidate of a cell with the fewest, depth first.
void Explore(Deduction state, Search& search) {
    state.Run(Technique::kPairs);
    if (state.Broken()) {
        return;
    }
    if (state.Solved()) {
        if (search.found == 0) {
            search.first = state.Values();
        }
        ++search.found;
        return;
    }
    if (--search.budget < 0) {
        return;
    }
    const int cell = state.FewestCandidatesCell();
    std::vector<int> symbols;
    ForEachBit(state.Candidates(cell), [&](int symbol) { symbols.push_back(symbol); });
    if (search.rng != nullptr) {
        search.rng->Shuffle(symbols);
    }
    for (const int symbol : symbols) {
        Deduction next = state;
        next.Assign(cell, symbol);
        Explore(std::move(next), search);
        if (search.Done()) {
            return;
        }
    }
}

}  // namespace

int CountSolutions(const Geometry& geometry, const Grid& givens, int limit) {
    Search search{limit, nullptr, std::numeric_limits<long>::max()};
    Explore(Deduction(geometry, givens), search);
    return search.found;
}

std::optional<Grid> RandomSolution(const Geometry& geometry, Rng& rng, long node_budget) {
    // Boxes on the diagonal share no unit, so each can take a random permutation up front.
    Grid start(static_cast<size_t>(geometry.Cells()), -1);
    const int box = geometry.Box();
    for (int b = 0; b < box; ++b) {
        std::vector<int> symbols(static_cast<size_t>(geometry.Side()));
        for (int s = 0; s < geometry.Side(); ++s) {
            symbols[static_cast<size_t>(s)] = s;
        }
        rng.Shuffle(symbols);
        for (int k = 0; k < geometry.Side(); ++k) {
            const int cell = geometry.CellAt(b * box + k / box, b * box + k % box);
            start[static_cast<size_t>(cell)] = symbols[static_cast<size_t>(k)];
        }
    }
    Search search{1, &rng, node_budget};
    Explore(Deduction(geometry, start), search);
    if (search.found == 0) {
        return std::nullopt;
    }
    return search.first;
}

}  // namespace quintara::bankgen
