// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "BoardFixtures.h"
#include "engine/Random.h"

namespace quintara::testing {
namespace {

// Brute force: does any value (the empty cell included) occur twice in a row, column or box?
bool HasDuplicate(const std::string& grid, int32_t n) {
    const int32_t side = n * n;
    const auto at = [&](int32_t r, int32_t c) {
        return grid[static_cast<std::size_t>(r * side + c)];
    };
    for (int32_t a = 0; a < side * side; ++a) {
        for (int32_t b = a + 1; b < side * side; ++b) {
            const int32_t ra = a / side, ca = a % side, rb = b / side, cb = b % side;
            const bool shared = ra == rb || ca == cb || (ra / n == rb / n && ca / n == cb / n);
            if (shared && at(ra, ca) == at(rb, cb)) {
                return true;
            }
        }
    }
    return false;
}

// The cell-by-cell definition of a valid solution, for comparison with the one-pass check.
bool EveryCellPasses(TsdBoard& board) {
    for (int32_t row = 0; row < board.GetGridSize(); ++row) {
        for (int32_t column = 0; column < board.GetGridSize(); ++column) {
            if (!board.CheckSolutionCell(row, column)) {
                return false;
            }
        }
    }
    return true;
}

TEST(ChecksTest, CheckSolutionAgreesWithBruteForceAndLeavesTheSolutionAsItWas) {
    RandomState = 77;
    for (int32_t n : kBoxSizes) {
        const int32_t cells = n * n * n * n;
        for (int round = 0; round < 60; ++round) {
            std::string solution = PatternSolution(n);
            // Damage: none, a swap of two cells, a blanked cell or two, or an overwritten symbol.
            const int kind = round % 5;
            const auto pick = [&] { return static_cast<std::size_t>(RandomBelow(cells)); };
            if (kind == 1) {
                std::swap(solution[pick()], solution[pick()]);
            } else if (kind == 2) {
                solution[pick()] = '?';
            } else if (kind == 3) {
                solution[pick()] = '?';
                solution[pick()] = '?';
            } else if (kind == 4) {
                solution[pick()] = AlphabetFor(n)[0];
            }
            TsdBoard board(n, AlphabetFor(n), solution, solution);
            const std::string stored = ExportedSolution(board);
            const bool valid = !HasDuplicate(stored, n);
            EXPECT_EQ(board.CheckSolution(), valid) << "size " << n << " round " << round;
            EXPECT_EQ(EveryCellPasses(board), valid) << "size " << n << " round " << round;
            EXPECT_EQ(ExportedSolution(board), stored);
        }
    }
}

TEST(ChecksTest, CheckSolutionCatchesEachKindOfFault) {
    std::string solution = PatternSolution(3);
    EXPECT_TRUE(TsdBoard(3, "123456789", solution, solution).CheckSolution());

    std::string swapped = solution;
    std::swap(swapped[0], swapped[1]);  // two columns now hold duplicates
    EXPECT_FALSE(TsdBoard(3, "123456789", swapped, swapped).CheckSolution());

    std::string latin;  // rows and columns fine, boxes not: only the box test can see it
    for (int32_t r = 0; r < 9; ++r) {
        for (int32_t c = 0; c < 9; ++c) {
            latin += static_cast<char>('1' + (r + c) % 9);
        }
    }
    EXPECT_FALSE(TsdBoard(3, "123456789", latin, latin).CheckSolution());

    std::string one_blank = solution;
    one_blank[40] = '?';
    EXPECT_TRUE(TsdBoard(3, "123456789", one_blank, one_blank).CheckSolution());
    std::string two_in_row = one_blank;
    two_in_row[36] = '?';
    EXPECT_FALSE(TsdBoard(3, "123456789", two_in_row, two_in_row).CheckSolution());
    std::string apart = one_blank;
    apart[0] = '?';  // row 0, column 0, box 0: shares nothing with cell 40
    EXPECT_TRUE(TsdBoard(3, "123456789", apart, apart).CheckSolution());
}

TEST(ChecksTest, ClashQueriesLookOnlyAtOtherCellsOfTheLine) {
    for (int32_t n : kBoxSizes) {
        SCOPED_TRACE(n);
        const int32_t side = n * n;
        const TsdBoard board(n, AlphabetFor(n), PatternSolution(n), PatternSolution(n));
        CharGrid grid = FilledGrid(' ');
        grid[1][1] = 'Q';
        EXPECT_FALSE(board.RowHasOther('Q', 1, 1, grid));  // the cell itself does not count
        EXPECT_FALSE(board.ColHasOther('Q', 1, 1, grid));
        EXPECT_FALSE(board.BoxHasOther('Q', 1, 1, grid));

        grid[1][side - 1] = 'Q';  // same row, another box
        EXPECT_TRUE(board.RowHasOther('Q', 1, 1, grid));
        EXPECT_FALSE(board.BoxHasOther('Q', 1, 1, grid));
        EXPECT_FALSE(board.ColHasOther('Q', 1, 1, grid));

        grid[side - 1][1] = 'Q';  // same column, another box
        EXPECT_TRUE(board.ColHasOther('Q', 1, 1, grid));

        grid[n - 1][n - 1] = 'R';  // same box, other row and column
        EXPECT_TRUE(board.BoxHasOther('R', 0, 0, grid));
        EXPECT_FALSE(board.BoxHasOther('R', n, n, grid));
        EXPECT_FALSE(board.RowHasOther('R', 0, 0, grid));

        EXPECT_TRUE(board.RowHasOther(' ', 1, 1, grid));  // a space compares like any byte
        grid[n - 1][n - 1] = '\0';  // cells beyond the used square are never read
        grid[side][0] = 'Z';
        grid[0][side] = 'Z';
        EXPECT_FALSE(board.RowHasOther('Z', 0, 0, grid));
        EXPECT_FALSE(board.ColHasOther('Z', 0, 0, grid));
    }
}

TEST(ChecksTest, ClashQueriesCompareBytesExactly) {
    const TsdBoard board(4, AlphabetFor(4), PatternSolution(4), PatternSolution(4));
    CharGrid grid = FilledGrid(' ');
    grid[0][0] = 'a';
    grid[0][5] = 'A';
    EXPECT_FALSE(board.RowHasOther('a', 0, 0, grid));
    EXPECT_FALSE(board.RowHasOther('A', 0, 5, grid));
}

TEST(ChecksTest, QueriesOutsideTheGridAnswerNoInsteadOfReadingPastIt) {
    TsdBoard board(3, "123456789", PatternSolution(3), PatternSolution(3));
    const CharGrid grid = FilledGrid('1');
    for (auto [row, column] : {std::pair{-1, -1}, {9, 0}, {0, 9}, {64, 64}, {1000, -1000}}) {
        EXPECT_FALSE(board.RowHasOther('1', row, column, grid));
        EXPECT_FALSE(board.ColHasOther('1', row, column, grid));
        EXPECT_FALSE(board.BoxHasOther('1', row, column, grid));
        EXPECT_FALSE(board.CheckSolutionCell(row, column));
        EXPECT_FALSE(board.BoxHasValue(row, column, 0));
    }
    EXPECT_TRUE(board.CheckSolution());
}

TEST(ChecksTest, IsSymbolUpperCasesAndNeverAcceptsBlanks) {
    const TsdBoard nine(3, "123456789", PatternSolution(3), PatternSolution(3));
    const TsdBoard sixteen(4, AlphabetFor(4), PatternSolution(4), PatternSolution(4));
    const TsdBoard twenty_five(5, AlphabetFor(5), PatternSolution(5), PatternSolution(5));
    EXPECT_TRUE(sixteen.IsSymbol('a'));
    EXPECT_FALSE(nine.IsSymbol('a'));
    EXPECT_FALSE(nine.IsSymbol('0'));
    EXPECT_TRUE(sixteen.IsSymbol('0'));
    EXPECT_FALSE(twenty_five.IsSymbol('Z'));
    EXPECT_TRUE(twenty_five.IsSymbol('y'));
    for (const TsdBoard* board : {&nine, &sixteen, &twenty_five}) {
        for (char blank : {'?', ' ', '.', '-', '\0'}) {
            EXPECT_FALSE(board->IsSymbol(blank));
        }
    }
}

}  // namespace
}  // namespace quintara::testing
