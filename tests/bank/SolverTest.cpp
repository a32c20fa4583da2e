// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/bankgen/Solver.h"

#include <gtest/gtest.h>

#include "GridText.h"

namespace quintara::bankgen {
namespace {

using testing::Nine;

TEST(SolverTest, ExampleHasExactlyOneSolution) {
    EXPECT_EQ(CountSolutions(GeometryOf(3), Nine(kExamplePuzzle)), 1);
}

// The example's solution with the 5/9 rectangle at rows 0-1, columns 2 and 8 blanked: the
// grid itself and the one with the two digits swapped.
TEST(SolverTest, DeadlyRectangleHasTwoSolutions) {
    std::string text(kExampleSolution);
    for (const int cell : {2, 8, 11, 17}) {
        text[static_cast<size_t>(cell)] = '?';
    }
    EXPECT_EQ(CountSolutions(GeometryOf(3), Nine(text)), 2);
    EXPECT_EQ(CountSolutions(GeometryOf(3), Nine(text), 5), 2);
    EXPECT_EQ(CountSolutions(GeometryOf(3), Nine(text), 1), 1);
}

// There are 288 complete 4x4 grids (a well-known count), so the empty 4x4 grid exercises
// branching all the way down.
TEST(SolverTest, EmptyFourByFourGridHas288Solutions) {
    const Grid empty(16, -1);
    EXPECT_EQ(CountSolutions(GeometryOf(2), empty, 1000), 288);
    EXPECT_EQ(CountSolutions(GeometryOf(2), empty), 2);
}

TEST(SolverTest, BrokenGridsHaveNoSolution) {
    const std::string clash = "5???5" + std::string(76, '?');
    // Row 0 needs a 9 in column 8, which already has one lower down; no two givens clash.
    const std::string no_place =
        "12345678?" + std::string(45, '?') + "????????9" + std::string(18, '?');
    for (const std::string& text : {clash, no_place}) {
        EXPECT_EQ(CountSolutions(GeometryOf(3), Nine(text)), 0) << text;
    }
}

// Each size's random fill gives a complete grid that follows every rule.
TEST(SolverTest, RandomSolutionIsACompleteValidGrid) {
    for (const int box : {2, 3, 4, 5}) {
        const Geometry& geometry = GeometryOf(box);
        Rng rng(static_cast<uint64_t>(box));
        std::optional<Grid> grid;
        for (int attempt = 0; attempt < 20 && !grid; ++attempt) {
            grid = RandomSolution(geometry, rng, 2000);
        }
        ASSERT_TRUE(grid.has_value()) << box;
        for (int unit = 0; unit < geometry.Units(); ++unit) {
            Mask seen = 0;
            for (const int cell : geometry.Unit(unit)) {
                const int value = (*grid)[static_cast<size_t>(cell)];
                ASSERT_GE(value, 0);
                seen |= Bit(value);
            }
            EXPECT_EQ(seen, AllOf(geometry.Side())) << "box " << box << " unit " << unit;
        }
    }
}

}  // namespace
}  // namespace quintara::bankgen
