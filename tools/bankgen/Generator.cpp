// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/bankgen/Generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numeric>

#include "tools/bankgen/Grader.h"
#include "tools/bankgen/Solver.h"

namespace quintara::bankgen {

namespace {

// Branchings allowed while filling a random grid before the attempt gives up; a fill that
// needs more has wandered into a dead end and a fresh attempt is cheaper.
constexpr long kFillBudget = 2000;

// Targets reach this far below the reference mean, and as far above as keeps it the centre.
constexpr double kTargetReach = 2.5;

int GivenCount(const Grid& puzzle) {
    return static_cast<int>(
        std::count_if(puzzle.begin(), puzzle.end(), [](int v) { return v >= 0; }));
}

// True when the simpler technique set cannot complete the puzzle (always true for singles).
bool NeedsTechnique(const Geometry& geometry, const Grid& puzzle, Technique technique) {
    const auto simpler = Simpler(technique);
    return !simpler || !Completes(geometry, puzzle, *simpler);
}

// Gives back blanks that the simpler techniques fill anyway, until the count reaches `target`:
// they leave the simpler techniques exactly as stuck, so the puzzle keeps its level.
void AddBackFilledCells(const Geometry& geometry, const Grid& solution, Technique technique,
                        int target, Rng& rng, Grid& puzzle) {
    const auto simpler = Simpler(technique);
    if (!simpler) {
        return;
    }
    Deduction deduction(geometry, puzzle);
    deduction.Run(*simpler);
    std::vector<int> filled;
    for (int cell = 0; cell < geometry.Cells(); ++cell) {
        const auto at = static_cast<size_t>(cell);
        if (puzzle[at] < 0 && deduction.Values()[at] >= 0) {
            filled.push_back(cell);
        }
    }
    rng.Shuffle(filled);
    for (size_t i = 0; i < filled.size() && GivenCount(puzzle) < target; ++i) {
        const auto at = static_cast<size_t>(filled[i]);
        puzzle[at] = solution[at];
    }
}

// True when singles place the cell again straight from the other givens: removing it then leaves
// every deduction as it was, and the full check can be skipped.
bool RefilledAtOnce(const Geometry& geometry, const Grid& puzzle, int cell) {
    // Symbols given around a cell, leaving out the cell being removed.
    const auto given_peers = [&](int of) {
        Mask seen = 0;
        for (const int peer : geometry.Peers(of)) {
            const int given = puzzle[static_cast<size_t>(peer)];
            seen |= peer != cell && given >= 0 ? Bit(given) : 0;
        }
        return seen;
    };
    const int value = puzzle[static_cast<size_t>(cell)];
    if (CountOf(given_peers(cell) & ~Bit(value)) == geometry.Side() - 1) {
        return true;
    }
    const int units[] = {geometry.RowUnit(geometry.RowOf(cell)),
                         geometry.ColumnUnit(geometry.ColumnOf(cell)),
                         geometry.BoxUnit(geometry.BoxOf(cell))};
    return std::any_of(std::begin(units), std::end(units), [&](int unit) {
        const auto others = geometry.Unit(unit);
        return std::all_of(others.begin(), others.end(), [&](int other) {
            return other == cell || puzzle[static_cast<size_t>(other)] >= 0 ||
                   (given_peers(other) & Bit(value)) != 0;
        });
    });
}

// Removes givens in random order while the technique set still completes the puzzle; stops at
// `target` givens once the puzzle needs the set, else goes on down to `floor`.
void RemoveGivens(const Geometry& geometry, Technique technique, int target, int floor, Rng& rng,
                  Grid& puzzle) {
    std::vector<int> order(static_cast<size_t>(geometry.Cells()));
    std::iota(order.begin(), order.end(), 0);
    rng.Shuffle(order);
    int count = geometry.Cells();
    for (const int cell : order) {
        if (count <= target && NeedsTechnique(geometry, puzzle, technique)) {
            return;
        }
        if (count == floor) {
            return;
        }
        const auto at = static_cast<size_t>(cell);
        const int given = puzzle[at];
        const bool refilled = RefilledAtOnce(geometry, puzzle, cell);
        puzzle[at] = -1;
        if (refilled || Completes(geometry, puzzle, technique)) {
            --count;
        } else {
            puzzle[at] = given;
        }
    }
}

}  // namespace

int DrawTarget(const TableRules& rules, Rng& rng) {
    const int low = std::max(rules.min_givens,
                             static_cast<int>(std::lround(rules.reference_mean - kTargetReach)));
    const int high =
        std::min(rules.max_givens, static_cast<int>(std::lround(2 * rules.reference_mean - low)));
    return low + rng.Below(high - low + 1);
}

std::optional<Entry> TryGenerate(const TableRules& rules, int target, Rng& rng) {
    const Geometry& geometry = GeometryOf(rules.box);
    const auto solution = RandomSolution(geometry, rng, kFillBudget);
    if (!solution) {
        return std::nullopt;
    }
    Grid puzzle = *solution;
    RemoveGivens(geometry, rules.technique, target, rules.min_givens, rng, puzzle);
    if (!NeedsTechnique(geometry, puzzle, rules.technique)) {
        return std::nullopt;
    }
    AddBackFilledCells(geometry, *solution, rules.technique, target, rng, puzzle);
    if (GivenCount(puzzle) != target || HasSymmetricBlanks(geometry, puzzle)) {
        return std::nullopt;
    }
    const auto symbols = SymbolsOf(rules.box);
    return Entry{FormatHalf(puzzle, symbols), FormatHalf(*solution, symbols)};
}

bool HasSymmetricBlanks(const Geometry& geometry, const Grid& puzzle) {
    const int last = geometry.Side() - 1;
    using Mirror = std::function<int(int, int)>;
    const std::array<Mirror, 4> mirrors{
        [&](int r, int c) { return geometry.CellAt(last - r, last - c); },
        [&](int r, int c) { return geometry.CellAt(r, last - c); },
        [&](int r, int c) { return geometry.CellAt(last - r, c); },
        [&](int r, int c) { return geometry.CellAt(c, r); },
    };
    return std::any_of(mirrors.begin(), mirrors.end(), [&](const Mirror& mirror) {
        for (int cell = 0; cell < geometry.Cells(); ++cell) {
            const int image = mirror(geometry.RowOf(cell), geometry.ColumnOf(cell));
            if ((puzzle[static_cast<size_t>(cell)] < 0) !=
                (puzzle[static_cast<size_t>(image)] < 0)) {
                return false;
            }
        }
        return true;
    });
}

}  // namespace quintara::bankgen
