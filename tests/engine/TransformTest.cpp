// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>

#include "BoardFixtures.h"
#include "engine/Random.h"

namespace quintara::testing {
namespace {

// Independent model of the disguise on plain strings, written from the rules rather than from
// the board's code: derangements are enumerated here, not copied from the engine's tables.
class ReferenceDisguise {
  public:
    ReferenceDisguise(int32_t n, std::string puzzle, std::string solution)
        : n_(n), side_(n * n), puzzle_(std::move(puzzle)), solution_(std::move(solution)) {}

    void Run(uint32_t state) {
        RandomState = state;
        for (int32_t g = 0; g < n_; ++g) {
            const std::vector<int32_t> p = LinePermutation();
            MoveLines(p, g, /*rows=*/false);
            Append(p, g > 0);
        }
        for (int32_t g = 0; g < n_; ++g) {
            const std::vector<int32_t> p = LinePermutation();
            MoveLines(p, g, /*rows=*/true);
            Append(p, true);
        }
        for (bool rows : {false, true}) {
            const std::vector<int32_t> p = GroupPermutation();
            MoveGroups(p, rows);
            Append(p, true);
        }
        Relabel();
    }

    std::string puzzle_after() const { return puzzle_; }
    std::string solution_after() const { return solution_; }
    std::string code() const { return code_; }

  private:
    std::vector<std::vector<int32_t>> Derangements() const {
        std::vector<int32_t> p(static_cast<std::size_t>(n_));
        std::iota(p.begin(), p.end(), 0);
        std::vector<std::vector<int32_t>> all;
        while (std::next_permutation(p.begin(), p.end())) {
            bool fixed_point = false;
            for (int32_t k = 0; k < n_; ++k) {
                fixed_point = fixed_point || p[k] == k;
            }
            if (!fixed_point) {
                all.push_back(p);
            }
        }
        return all;
    }

    std::vector<int32_t> LinePermutation() const {
        if (n_ == 3) {
            const std::vector<std::vector<int32_t>> shifts{{1, 2, 0}, {2, 0, 1}};
            return shifts[RandomBelow(2)];
        }
        const auto all = Derangements();
        return all[RandomBelow(static_cast<int32_t>(all.size()))];
    }

    std::vector<int32_t> GroupPermutation() const {
        if (n_ == 3) {
            const std::vector<std::vector<int32_t>> five{
                {1, 2, 0}, {1, 0, 2}, {2, 0, 1}, {2, 1, 0}, {0, 2, 1}};
            return five[RandomBelow(5)];
        }
        return LinePermutation();
    }

    char& At(std::string& text, int32_t row, int32_t column) const {
        return text[static_cast<std::size_t>(row * side_ + column)];
    }

    void MoveLines(const std::vector<int32_t>& p, int32_t g, bool rows) {
        for (std::string* text : {&puzzle_, &solution_}) {
            const std::string old = *text;
            for (int32_t k = 0; k < n_; ++k) {
                for (int32_t i = 0; i < side_; ++i) {
                    const int32_t to = g * n_ + k;
                    const int32_t from = g * n_ + p[k];
                    rows ? At(*text, to, i) = old[from * side_ + i]
                         : At(*text, i, to) = old[i * side_ + from];
                }
            }
        }
    }

    void MoveGroups(const std::vector<int32_t>& p, bool rows) {
        for (std::string* text : {&puzzle_, &solution_}) {
            const std::string old = *text;
            for (int32_t g = 0; g < n_; ++g) {
                for (int32_t j = 0; j < n_; ++j) {
                    for (int32_t i = 0; i < side_; ++i) {
                        const int32_t to = g * n_ + j;
                        const int32_t from = p[g] * n_ + j;
                        rows ? At(*text, to, i) = old[from * side_ + i]
                             : At(*text, i, to) = old[i * side_ + from];
                    }
                }
            }
        }
    }

    void Relabel() {
        std::vector<int32_t> q;
        while (static_cast<int32_t>(q.size()) < side_) {
            const int32_t v = RandomBelow(side_);
            if (std::find(q.begin(), q.end(), v) == q.end()) {
                q.push_back(v);
            }
        }
        const std::string alphabet = AlphabetFor(n_);
        for (std::string* text : {&puzzle_, &solution_}) {
            for (char& c : *text) {
                if (c != ' ') {
                    c = alphabet[static_cast<std::size_t>(q[alphabet.find(c)])];
                }
            }
        }
    }

    void Append(const std::vector<int32_t>& p, bool separator) {
        if (separator) {
            code_ += '-';
        }
        for (int32_t v : p) {
            code_ += static_cast<char>('0' + v);
        }
    }

    int32_t n_;
    int32_t side_;
    std::string puzzle_;
    std::string solution_;
    std::string code_;
};

int32_t GivenCount(const std::string& exported) {
    return static_cast<int32_t>(
        std::count_if(exported.begin(), exported.end(), [](char c) { return c != ' '; }));
}

TEST(TransformTest, GeneraMatchesAnIndependentModelDrawForDraw) {
    for (int32_t n : kBoxSizes) {
        for (uint32_t state : {0u, 1u, 12345u, 0xDEADBEEFu}) {
            SCOPED_TRACE(::testing::Message() << "size " << n << " state " << state);
            const std::string solution = PatternSolution(n);
            TsdBoard board(n, AlphabetFor(n), PuzzleFrom(solution, 3), solution);
            ReferenceDisguise model(n, ExportedPuzzle(board), ExportedSolution(board));
            model.Run(state);
            const uint32_t model_end_state = RandomState;
            RandomState = state;
            board.Genera();
            EXPECT_EQ(board.GetGenerationCode(), model.code());
            EXPECT_EQ(ExportedPuzzle(board), model.puzzle_after());
            EXPECT_EQ(ExportedSolution(board), model.solution_after());
            EXPECT_EQ(RandomState, model_end_state);
        }
    }
}

TEST(TransformTest, GeneraKeepsTheSolutionValidAndTheGivensConsistent) {
    RandomState = 2024;
    for (int32_t n : kBoxSizes) {
        for (int round = 0; round < 20; ++round) {
            const std::string solution = PatternSolution(n);
            TsdBoard board(n, AlphabetFor(n), PuzzleFrom(solution, 2 + round % 3), solution);
            const int32_t givens = GivenCount(ExportedPuzzle(board));
            board.Genera();
            ASSERT_FALSE(board.HasError());
            ASSERT_TRUE(board.CheckSolution());
            const std::string puzzle = ExportedPuzzle(board);
            const std::string after = ExportedSolution(board);
            EXPECT_EQ(GivenCount(puzzle), givens);
            for (std::size_t p = 0; p < puzzle.size(); ++p) {
                ASSERT_TRUE(puzzle[p] == ' ' || puzzle[p] == after[p]);
            }
        }
    }
}

TEST(TransformTest, GenerationCodeHasOneGroupPerPermutationDrawnFromTheRightTable) {
    const std::set<std::string> line3{"120", "201"};
    const std::set<std::string> group3{"120", "102", "201", "210", "021"};
    const std::size_t lengths[] = {31, 49, 71};
    RandomState = 7;
    for (int32_t n : kBoxSizes) {
        TsdBoard board(n, AlphabetFor(n), PatternSolution(n), PatternSolution(n));
        for (int round = 0; round < 50; ++round) {
            board.Genera();
            const std::string code = board.GetGenerationCode();
            ASSERT_EQ(code.size(), lengths[n - 3]);
            for (int32_t g = 0; g < 2 * n + 2; ++g) {
                const std::string group =
                    code.substr(static_cast<std::size_t>(g * (n + 1)), static_cast<std::size_t>(n));
                if (g > 0) {
                    ASSERT_EQ(code[static_cast<std::size_t>(g * (n + 1) - 1)], '-');
                }
                if (n == 3) {
                    EXPECT_TRUE((g < 6 ? line3 : group3).count(group)) << group;
                    continue;
                }
                std::string sorted = group;
                std::sort(sorted.begin(), sorted.end());
                EXPECT_EQ(sorted, std::string("01234").substr(0, static_cast<std::size_t>(n)));
                for (int32_t k = 0; k < n; ++k) {
                    EXPECT_NE(group[static_cast<std::size_t>(k)], '0' + k) << code;
                }
            }
        }
    }
}

TEST(TransformTest, ReordersMoveWholeLinesAndGroupsInBothGrids) {
    const std::string rows9 = LinesText(3, true);
    TsdBoard board(3, "123456789", rows9, rows9);
    board.reorderRowsOfGroup(1, {2, 0, 1, 0, 0});
    const std::string expected_rows = "123645789";  // new 3 = old 5, new 4 = old 3, new 5 = old 4
    for (int32_t row = 0; row < 9; ++row) {
        EXPECT_EQ(board.PuzzleChar(row, 4), expected_rows[static_cast<std::size_t>(row)]);
        EXPECT_EQ(board.SolutionChar(row, 0), expected_rows[static_cast<std::size_t>(row)]);
    }

    const std::string columns9 = LinesText(3, false);
    TsdBoard stacks(3, "123456789", columns9, columns9);
    stacks.reorderColGroups({1, 2, 0, 0, 0});
    EXPECT_EQ(ExportedSolution(stacks).substr(0, 9), "456789123");
    EXPECT_EQ(ExportedPuzzle(stacks).substr(72, 9), "456789123");

    const std::string columns16 = LinesText(4, false);
    TsdBoard sixteen(4, AlphabetFor(4), columns16, columns16);
    sixteen.reorderColsOfGroup(0, {1, 0, 3, 2, 0});
    EXPECT_EQ(ExportedSolution(sixteen).substr(0, 16), "1032456789ABCDEF");

    TsdBoard bands(3, "123456789", rows9, rows9);
    bands.reorderRowGroups({2, 0, 1, 0, 0});
    EXPECT_EQ(bands.SolutionChar(0, 0), '7');
    EXPECT_EQ(bands.SolutionChar(3, 0), '1');
    EXPECT_EQ(bands.PuzzleChar(8, 8), '6');
}

TEST(TransformTest, ReordersIgnoreGroupsAndPermutationsOutsideTheGrid) {
    const std::string text = LinesText(3, true);
    TsdBoard board(3, "123456789", text, text);
    board.reorderRowsOfGroup(3, {2, 0, 1, 0, 0});
    board.reorderRowsOfGroup(-1, {2, 0, 1, 0, 0});
    board.reorderColsOfGroup(0, {0, 0, 1, 0, 0});
    board.reorderColGroups({9, 0, 1, 0, 0});
    board.reorderRowGroups({-4, 0, 1, 0, 0});
    EXPECT_EQ(ExportedSolution(board), text);
    EXPECT_FALSE(board.HasError());
}

TEST(TransformTest, RelabellingRenamesSymbolsOneToOneAndKeepsBlanks) {
    RandomState = 31337;
    for (int32_t n : kBoxSizes) {
        const std::string solution = PatternSolution(n);
        TsdBoard board(n, AlphabetFor(n), PuzzleFrom(solution, 4), solution);
        const std::string before_puzzle = ExportedPuzzle(board);
        board.RelabelSymbols();
        const std::string after = ExportedSolution(board);
        const std::string after_puzzle = ExportedPuzzle(board);
        std::map<char, char> renamed;
        for (std::size_t p = 0; p < after.size(); ++p) {
            const auto [it, fresh] = renamed.emplace(solution[p], after[p]);
            ASSERT_EQ(it->second, after[p]);
            ASSERT_EQ(before_puzzle[p] == ' ', after_puzzle[p] == ' ');
        }
        std::set<char> images;
        for (const auto& [from, to] : renamed) {
            images.insert(to);
        }
        EXPECT_EQ(images.size(), static_cast<std::size_t>(n * n));
    }
}

TEST(TransformTest, RelabellingLeavesEmptySolutionCellsEmpty) {
    std::string solution = PatternSolution(3);
    solution[10] = '0';  // outside "123456789": an empty solution cell
    TsdBoard board(3, "123456789", solution, solution);
    board.Genera();
    EXPECT_FALSE(board.HasError());
    const std::string after = ExportedSolution(board);
    EXPECT_EQ(std::count(after.begin(), after.end(), ' '), 1);
}

TEST(TransformTest, RandomPermutationGivesDistinctValuesAndStopsAtTheGridSize) {
    RandomState = 5;
    TsdBoard board(3, "123456789", PatternSolution(3), PatternSolution(3));
    std::array<int32_t, 12> values{};
    board.RandomPermutation(12, values.data());  // only 9 distinct values exist
    std::set<int32_t> distinct(values.begin(), values.begin() + 9);
    EXPECT_EQ(distinct, (std::set<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(values[9], -1);
    EXPECT_EQ(values[11], -1);
}

TEST(TransformTest, UnsupportedSizesRecordTheOperationAndChangeNothing) {
    const std::string text(36 * 36, '?');
    TsdBoard board(6, std::string(36, '#'), text, text);
    ASSERT_FALSE(board.HasError());
    board.Genera();
    EXPECT_EQ(board.GetErrorText(), "Internal error: Genera. Dimensione:6: non gestita !");
    EXPECT_EQ(board.GetGenerationCode(), "");

    TsdBoard nine(3, "123456789", PatternSolution(3), PatternSolution(3));
    Permutation p{4, 4, 4, 4, 4};
    nine.GetRandomLineReorder(7, p);
    EXPECT_EQ(nine.GetErrorText(), "Internal error: GetRandomReorder. Dimensione:7: non gestita !");
    nine.GetRandomGroupReorder(2, p);
    EXPECT_EQ(nine.GetErrorText(), "Internal error: GetRandomReorder. Dimensione:2: non gestita !");
    EXPECT_EQ(p, (Permutation{4, 4, 4, 4, 4}));

    // Every column of the puzzle and every row of the solution holds its own symbol, so any
    // line that moved would show.
    TsdBoard two(2, "1234", "1234123412341234", "1111222233334444");
    const Permutation swap{1, 0, 0, 0, 0};
    two.reorderColsOfGroup(0, swap);
    EXPECT_EQ(two.GetErrorText(),
              "Internal error: reorderColsOfGroup. Dimensione:2: non gestita !");
    two.reorderRowsOfGroup(0, swap);
    EXPECT_EQ(two.GetErrorText(),
              "Internal error: reorderRowsOfGroup. Dimensione:2: non gestita !");
    two.reorderColGroups(swap);
    EXPECT_EQ(two.GetErrorText(), "Internal error: reorderColGroups. Dimensione:2: non gestita !");
    two.reorderRowGroups(swap);
    EXPECT_EQ(two.GetErrorText(), "Internal error: reorderRowGroups. Dimensione:2: non gestita !");
    EXPECT_EQ(ExportedPuzzle(two), "1234123412341234");
    EXPECT_EQ(ExportedSolution(two), "1111222233334444");
}

}  // namespace
}  // namespace quintara::testing
