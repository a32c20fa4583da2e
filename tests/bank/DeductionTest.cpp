// SPDX-License-Identifier: GPL-3.0-or-later
// The grader's techniques on hand-made 9x9 positions whose effect can be worked out by hand.

#include "tools/bankgen/Deduction.h"

#include <gtest/gtest.h>

#include "GridText.h"
#include "tools/bankgen/Grader.h"

namespace quintara::bankgen {
namespace {

using testing::Digits;
using testing::Nine;

const Geometry& kNine = GeometryOf(3);

Mask CandidatesAfter(const Grid& givens, Technique up_to, int row, int column) {
    Deduction deduction(kNine, givens);
    deduction.Run(up_to);
    EXPECT_FALSE(deduction.Broken());
    return deduction.Candidates(kNine.CellAt(row, column));
}

// Rows 1 and 2 of the top-left box are full, so 1, 8 and 9 of that box can only go in row 0:
// they leave the rest of row 0 (pointing). Singles see nothing to do.
TEST(DeductionTest, PointingClearsTheRestOfTheLine) {
    const Grid givens = Nine(
        "?????????"
        "234??????"
        "567??????" +
        std::string(54, '?'));
    EXPECT_EQ(CandidatesAfter(givens, Technique::kSingles, 0, 5), Digits("123456789"));
    EXPECT_EQ(CandidatesAfter(givens, Technique::kLockedCandidates, 0, 5), Digits("234567"));
    EXPECT_EQ(CandidatesAfter(givens, Technique::kLockedCandidates, 0, 0), Digits("189"));
}

// Row 0 holds 2 to 7 outside the top-left box, so its 1, 8 and 9 lie in that box's row 0:
// they leave the box's other rows (claiming).
TEST(DeductionTest, ClaimingClearsTheRestOfTheBox) {
    const Grid givens = Nine("???234567" + std::string(72, '?'));
    EXPECT_EQ(CandidatesAfter(givens, Technique::kSingles, 1, 1), Digits("123456789"));
    EXPECT_EQ(CandidatesAfter(givens, Technique::kLockedCandidates, 1, 1), Digits("234567"));
    EXPECT_EQ(CandidatesAfter(givens, Technique::kLockedCandidates, 0, 1), Digits("189"));
}

// In row 0, 1 and 2 are barred from column 2 and from the two right boxes, so both can only
// go in (0,0) and (0,1): a hidden pair, which takes every other candidate from those cells.
// No other symbol has a given, so nothing simpler can touch them.
TEST(DeductionTest, HiddenPairNarrowsItsTwoCells) {
    const Grid givens = Nine(
        "?????????"
        "????1??2?"
        "????2??1?"
        "??1??????"
        "??2??????" +
        std::string(36, '?'));
    EXPECT_EQ(CandidatesAfter(givens, Technique::kLockedCandidates, 0, 0), Digits("123456789"));
    EXPECT_EQ(CandidatesAfter(givens, Technique::kPairs, 0, 0), Digits("12"));
    EXPECT_EQ(CandidatesAfter(givens, Technique::kPairs, 0, 1), Digits("12"));
    EXPECT_EQ(CandidatesAfter(givens, Technique::kPairs, 0, 2), Digits("3456789"));
}

// Row 0 gives 4, 5, 6; columns 0, 3 and 6 give 3/7/8/9, 1/7/8/9 and 2/7/8/9 lower down. So
// (0,0), (0,3) and (0,6) hold only {1,2}, {2,3} and {1,3}: a naked triple that leaves 7, 8 and
// 9 to (0,1), (0,4) and (0,7). No symbol is confined to one box line or to two cells, and no two
// cells share a pair, so nothing up to pairs changes row 0.
TEST(DeductionTest, NakedTripleNeedsTriples) {
    const Grid givens = Nine(
        "??4??5??6"
        "?????????"
        "?????????"
        "3??7??8??"
        "7??8??9??"
        "8??9??7??"
        "9??1??2??" +
        std::string(18, '?'));
    for (const int column : {1, 4, 7}) {
        EXPECT_EQ(CandidatesAfter(givens, Technique::kPairs, 0, column), Digits("123789"));
        EXPECT_EQ(CandidatesAfter(givens, Technique::kTriples, 0, column), Digits("789"));
    }
}

// The stored example is the easy table's first entry: singles alone complete it.
TEST(DeductionTest, ExampleNeedsOnlySingles) {
    const Grid puzzle = Nine(kExamplePuzzle);
    EXPECT_EQ(Grade(kNine, puzzle), Technique::kSingles);
    Deduction deduction(kNine, puzzle);
    deduction.Run(Technique::kSingles);
    ASSERT_TRUE(deduction.Solved());
    EXPECT_EQ(deduction.Values(), Nine(kExampleSolution));
}

// The example's solution with a rectangle of 5s and 9s blanked at rows 0-1, columns 2 and 8:
// swapping the two digits gives a second valid grid, so no deduction may complete it.
TEST(DeductionTest, PuzzleWithTwoSolutionsIsNeverCompleted) {
    std::string text(kExampleSolution);
    for (const int cell : {2, 8, 11, 17}) {
        text[static_cast<size_t>(cell)] = '?';
    }
    const Grid puzzle = Nine(text);
    for (const Technique t : {Technique::kSingles, Technique::kLockedCandidates, Technique::kPairs,
                              Technique::kTriples}) {
        EXPECT_FALSE(Completes(kNine, puzzle, t));
    }
    EXPECT_EQ(Grade(kNine, puzzle), std::nullopt);
}

// Givens that clash, or that leave a cell no symbol, are found broken, never completed.
TEST(DeductionTest, BrokenGridsAreRejected) {
    const std::string clash = "55" + std::string(79, '?');
    const std::string no_place =
        "12345678?"
        "?????????"
        "?????????"
        "?????????"
        "?????????"
        "????????9" +
        std::string(27, '?');
    for (const std::string& text : {clash, no_place}) {
        Deduction deduction(kNine, Nine(text));
        deduction.Run(Technique::kTriples);
        EXPECT_TRUE(deduction.Broken()) << text;
        EXPECT_FALSE(deduction.Solved()) << text;
        EXPECT_FALSE(Grade(kNine, Nine(text)).has_value()) << text;
    }
}

}  // namespace
}  // namespace quintara::bankgen
