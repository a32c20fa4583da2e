// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "BoardFixtures.h"
#include "engine/Random.h"

namespace quintara::testing {
namespace {

std::string Spaces(std::size_t count) {
    return std::string(count, ' ');
}

std::string BlanksAsSpaces(std::string text) {
    for (char& c : text) {
        if (c == '?' || c == '.' || c == '-') {
            c = ' ';
        }
    }
    return text;
}

TEST(BoardLoadTest, LoadsEverySizeAndExportsSpacesForBlanks) {
    for (int32_t n : kBoxSizes) {
        SCOPED_TRACE(n);
        const std::string solution = PatternSolution(n);
        const std::string puzzle = PuzzleFrom(solution, 3);
        const TsdBoard board(n, AlphabetFor(n), puzzle, solution);
        EXPECT_FALSE(board.HasError()) << board.GetErrorText();
        EXPECT_EQ(board.GetGridSize(), n * n);
        EXPECT_EQ(board.SymbolCount(), n * n);
        EXPECT_EQ(ExportedPuzzle(board), BlanksAsSpaces(puzzle));
        EXPECT_EQ(ExportedSolution(board), solution);
        EXPECT_EQ(board.GetGenerationCode(), "");
    }
}

TEST(BoardLoadTest, EveryBlankMarkerReadsAsAnEmptyCell) {
    std::string solution = PatternSolution(3);
    std::string puzzle = solution;
    const std::string markers = ".-? ";
    for (std::size_t p = 0; p < puzzle.size(); p += 2) {
        puzzle[p] = markers[(p / 2) % markers.size()];
    }
    const TsdBoard board(3, "123456789", puzzle, solution);
    EXPECT_FALSE(board.HasError());
    EXPECT_EQ(ExportedPuzzle(board), BlanksAsSpaces(puzzle));
}

TEST(BoardLoadTest, LowerCaseInputMatchesUpperCaseSymbols) {
    const std::string solution = PatternSolution(4);
    std::string lower = solution;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const TsdBoard board(4, "0123456789abcdef", lower, lower);
    EXPECT_FALSE(board.HasError());
    EXPECT_EQ(ExportedPuzzle(board), solution);
    EXPECT_EQ(ExportedSolution(board), solution);
}

TEST(BoardLoadTest, CharactersOutsideTheAlphabetAreEmptyCellsNotErrors) {
    std::string solution = PatternSolution(3);
    std::string puzzle = solution;
    puzzle[0] = '0';
    puzzle[1] = 'X';
    solution[2] = '0';
    const TsdBoard board(3, "123456789", puzzle, solution);
    EXPECT_FALSE(board.HasError());
    EXPECT_EQ(ExportedPuzzle(board).substr(0, 2), "  ");
    EXPECT_EQ(ExportedSolution(board)[2], ' ');
    EXPECT_EQ(board.SolutionChar(0, 2), ' ');
}

TEST(BoardLoadTest, OnlyTheFirstFailingLengthCheckIsRecorded) {
    const std::string good = PatternSolution(3);
    const std::string short_text = good.substr(0, 80);
    struct Case {
        std::string alphabet, puzzle, solution, message;
    };
    const Case cases[] = {
        {"12345678", good, good, "Chars length expected:9 received:8"},
        {"12345678", short_text, short_text, "Chars length expected:9 received:8"},
        {"123456789", short_text, good, "Generator Puzzle dimension expected:81 received:80"},
        {"123456789", short_text, short_text, "Generator Puzzle dimension expected:81 received:80"},
        {"123456789", good, good + "1", "Generator Solution dimension expected:81 received:82"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const TsdBoard board(3, c.alphabet, c.puzzle, c.solution);
        EXPECT_TRUE(board.HasError());
        EXPECT_EQ(board.GetErrorText(), c.message);
        EXPECT_EQ(ExportedPuzzle(board), Spaces(81));
        EXPECT_EQ(ExportedSolution(board), Spaces(81));
    }
}

TEST(BoardLoadTest, AFailedReloadKeepsThePreviousGameAndTheErrorStaysLatched) {
    for (int32_t n : kBoxSizes) {
        SCOPED_TRACE(n);
        const std::string solution = PatternSolution(n);
        const std::string puzzle = PuzzleFrom(solution, 2);
        TsdBoard board(n, AlphabetFor(n), puzzle, solution);
        const std::string cells = static_cast<std::string>(ExportedPuzzle(board));
        board.LoadGame(LinesText(n, true), solution.substr(1), AlphabetFor(n));
        EXPECT_TRUE(board.HasError());
        EXPECT_EQ(ExportedPuzzle(board), cells);
        EXPECT_EQ(ExportedSolution(board), solution);
        board.LoadGame(puzzle, solution, AlphabetFor(n));
        EXPECT_TRUE(board.HasError());
        EXPECT_EQ(board.GetErrorText().rfind("Generator Solution dimension expected:", 0), 0u);
    }
}

TEST(BoardLoadTest, AShorterAlphabetAfterAGameNeverReadsPastItsEnd) {
    const std::string solution = PatternSolution(3);
    TsdBoard board(3, "123456789", solution, solution);
    board.LoadGame(solution, solution, "123");
    EXPECT_EQ(board.GetErrorText(), "Chars length expected:9 received:3");
    for (char c : ExportedPuzzle(board) + ExportedSolution(board)) {
        EXPECT_TRUE(c == ' ' || c == '1' || c == '2' || c == '3') << c;
    }
}

// A new board reseeds the shared generator from the clock; reloading it reseeds nothing and keeps
// the trace of the last disguise.
TEST(BoardLoadTest, ConstructionReseedsAndReloadingKeepsGeneratorAndTrace) {
    const std::string solution = PatternSolution(3);
    RandomState = 12345;
    TsdBoard board(3, "123456789", solution, solution);
    EXPECT_NE(RandomState, 12345u);
    board.Genera();
    const std::string code = board.GetGenerationCode();
    RandomState = 777;
    board.LoadGame(PuzzleFrom(solution, 2), solution, "123456789");
    EXPECT_EQ(RandomState, 777u);
    EXPECT_EQ(board.GetGenerationCode(), code);
}

TEST(BoardLoadTest, BoxesAreNumberedRowByRowOverTheGridOfBoxes) {
    const TsdBoard nine(3, "123456789", PatternSolution(3), PatternSolution(3));
    EXPECT_EQ(nine.BoxOfCell(4, 7), 5);
    EXPECT_EQ(nine.BoxOfCell(8, 0), 6);
    EXPECT_EQ(nine.BoxOfCell(0, 3), 1);
    const TsdBoard sixteen(4, AlphabetFor(4), PatternSolution(4), PatternSolution(4));
    for (int32_t row = 0; row < 16; ++row) {
        for (int32_t column = 0; column < 16; ++column) {
            const bool in_box_6 = row >= 4 && row <= 7 && column >= 8 && column <= 11;
            EXPECT_EQ(sixteen.BoxOfCell(row, column) == 6, in_box_6) << row << "," << column;
        }
    }
}

TEST(BoardLoadTest, ExportsWriteOnlyTheUsedSquare) {
    for (int32_t n : kBoxSizes) {
        const int32_t side = n * n;
        const TsdBoard board(n, AlphabetFor(n), PatternSolution(n), PatternSolution(n));
        CharGrid grid = FilledGrid('#');
        board.ExportPuzzle(grid);
        board.ExportSolution(grid);
        for (int32_t row = 0; row < kTableSide; ++row) {
            for (int32_t column = 0; column < kTableSide; ++column) {
                if (row >= side || column >= side) {
                    ASSERT_EQ(grid[row][column], '#') << n << ": " << row << "," << column;
                }
            }
        }
    }
}

TEST(BoardLoadTest, BoxSizesTheTablesCannotHoldAreRefusedSafely) {
    for (int32_t n : {0, -3, 9, 70, 100000}) {
        SCOPED_TRACE(n);
        TsdBoard board(n, "123456789", PatternSolution(3), PatternSolution(3));
        EXPECT_TRUE(board.HasError());
        EXPECT_EQ(board.GetErrorText(), "Unsupported box size:" + std::to_string(n) + " (1 to 8)");
        EXPECT_EQ(board.GetGridSize(), 0);
        CharGrid grid = FilledGrid('#');
        board.ExportPuzzle(grid);
        EXPECT_EQ(grid[0][0], '#');
        board.LoadGame("", "", "");
        board.Genera();
        EXPECT_TRUE(board.CheckSolution());  // nothing to check in an empty grid
        EXPECT_FALSE(board.RowHasOther('1', 0, 0, grid));
    }
}

TEST(BoardLoadTest, TheLargestBoxThatFitsLoads) {
    const int32_t n = 8;
    std::string alphabet;  // 64 printable symbols: no blank markers, no lower case
    for (char c = '!'; alphabet.size() < 64; ++c) {
        if (std::string(".?-").find(c) == std::string::npos && !(c >= 'a' && c <= 'z')) {
            alphabet += c;
        }
    }
    const std::string text(64 * 64, alphabet[5]);
    TsdBoard board(n, alphabet, text, text);
    EXPECT_FALSE(board.HasError()) << board.GetErrorText();
    EXPECT_EQ(board.GetGridSize(), 64);
    EXPECT_EQ(board.PuzzleChar(63, 63), alphabet[5]);
}

}  // namespace
}  // namespace quintara::testing
