// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/PuzzleBank.h"
#include "bank/tables/Tables.h"

#include <gtest/gtest.h>

#include <string>

namespace quintara {
namespace {

// The first 9x9 'E' entry is fixed in advance; both halves as given for it.
constexpr const char* kExamplePuzzle =
    "???1?7??????8????5????927?3????3???????4?156??1??5??9?5?2????1?9????5??????9??4?6";
constexpr const char* kExampleSolution =
    "835147629729863145641592783456239871397481562218756394562374918984615237173928456";

TEST(PuzzleBankTest, CountsAreFixedPerSizeAndLevelInEitherCase) {
    EXPECT_EQ(GetPuzzleCount(3, 'E'), 100);
    EXPECT_EQ(GetPuzzleCount(3, 'm'), 100);
    EXPECT_EQ(GetPuzzleCount(3, 'a'), 100);
    EXPECT_EQ(GetPuzzleCount(4, 'E'), 50);
    EXPECT_EQ(GetPuzzleCount(4, 'M'), 25);
    EXPECT_EQ(GetPuzzleCount(4, 'A'), 25);
    EXPECT_EQ(GetPuzzleCount(5, 'e'), 25);
    EXPECT_EQ(GetPuzzleCount(5, 'm'), 25);
    EXPECT_EQ(GetPuzzleCount(5, 'A'), 25);
}

TEST(PuzzleBankTest, UnknownSizesAndLevelsCountNothing) {
    for (const int32_t size : {-3, 0, 1, 2, 6, 7, 9}) {
        EXPECT_EQ(GetPuzzleCount(size, 'E'), 0) << size;
    }
    // Only a-z are upper-cased: no other byte may alias a level letter.
    for (const char level :
         {'X', '1', ' ', '\0', static_cast<char>('E' | 0x80), static_cast<char>(0xC5), '@', '`'}) {
        EXPECT_EQ(GetPuzzleCount(3, level), 0) << static_cast<int>(level);
    }
}

TEST(PuzzleBankTest, FirstEasyNineByNineEntryIsTheFixedExample) {
    for (const char level : {'E', 'e'}) {
        std::string puzzle;
        std::string solution;
        ASSERT_TRUE(GetPuzzle(3, level, 0, puzzle, solution));
        EXPECT_EQ(puzzle, kExamplePuzzle);
        EXPECT_EQ(solution, kExampleSolution);
    }
}

TEST(PuzzleBankTest, LastEntriesComeWithHalvesOfTheSizesCellCount) {
    struct Case {
        int32_t size;
        char level;
        int32_t last;
        size_t cells;
    };
    for (const Case& c : {Case{3, 'A', 99, 81}, Case{4, 'E', 49, 256}, Case{4, 'a', 24, 256},
                          Case{5, 'A', 24, 625}, Case{5, 'm', 24, 625}}) {
        std::string puzzle;
        std::string solution;
        ASSERT_TRUE(GetPuzzle(c.size, c.level, c.last, puzzle, solution)) << c.size << c.level;
        EXPECT_EQ(puzzle.size(), c.cells);
        EXPECT_EQ(solution.size(), c.cells);
    }
}

TEST(PuzzleBankTest, RefusalsLeaveBothOutputsUntouched) {
    struct Case {
        int32_t size;
        char level;
        int32_t index;
    };
    for (const Case& c : {Case{4, 'Z', 0}, Case{7, 'E', 0}, Case{2, 'E', 0}, Case{3, 'E', -1},
                          Case{3, 'E', 100}, Case{4, 'E', 50}, Case{4, 'M', 25}, Case{5, 'A', 25},
                          Case{5, 'A', INT32_MIN}, Case{3, 'M', INT32_MAX}}) {
        std::string puzzle = "kept puzzle";
        std::string solution = "kept solution";
        EXPECT_FALSE(GetPuzzle(c.size, c.level, c.index, puzzle, solution))
            << c.size << c.level << c.index;
        EXPECT_EQ(puzzle, "kept puzzle");
        EXPECT_EQ(solution, "kept solution");
    }
}

TEST(PuzzleBankTest, RepeatedCallsGiveTheSameIndependentStrings) {
    std::string first_puzzle;
    std::string first_solution;
    ASSERT_TRUE(GetPuzzle(5, 'M', 7, first_puzzle, first_solution));
    first_puzzle[0] = '#';
    std::string puzzle;
    std::string solution;
    ASSERT_TRUE(GetPuzzle(5, 'M', 7, puzzle, solution));
    EXPECT_NE(puzzle[0], '#');
    EXPECT_EQ(solution, first_solution);
}

// Every generated table asserts this check at compile time: a table declared longer than its
// initializer list ends in null entries, and an entry may be cut short.
TEST(PuzzleBankTest, TableCheckRefusesMissingAndCutEntries) {
    constexpr const char* kFull[2] = {"12", "34"};
    constexpr const char* kMissingOne[3] = {"12", "34"};
    constexpr const char* kCutShort[2] = {"12", "3"};
    EXPECT_TRUE(tables::EntriesComplete(kFull, 1));
    EXPECT_FALSE(tables::EntriesComplete(kMissingOne, 1));
    EXPECT_FALSE(tables::EntriesComplete(kCutShort, 1));
    EXPECT_FALSE(tables::EntriesComplete(kFull, 2));
}

}  // namespace
}  // namespace quintara
