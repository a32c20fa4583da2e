// SPDX-License-Identifier: GPL-3.0-or-later
// The builder's pieces: generation per level, symmetry and repeat detection, the audit's own
// ability to find faults, and the generated source text.

#include "tools/bankgen/Generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "GridText.h"
#include "tools/bankgen/Audit.h"
#include "tools/bankgen/BankBuilder.h"
#include "tools/bankgen/TableWriter.h"

namespace quintara::bankgen {
namespace {

using testing::Nine;

std::optional<Entry> FirstEntry(const TableRules& rules, int target, uint64_t seed) {
    for (int attempt = 0; attempt < 5000; ++attempt) {
        Rng rng(AttemptSeed(seed, 0, 0, attempt));
        if (auto entry = TryGenerate(rules, target, rng)) {
            return entry;
        }
    }
    return std::nullopt;
}

TEST(GeneratorTest, NineByNineEntriesMeetTheirTableAtTheTarget) {
    for (const TableRules& rules : BankTables().first(3)) {
        for (const int target : {rules.min_givens, rules.max_givens}) {
            const auto entry = FirstEntry(rules, target, 11);
            ASSERT_TRUE(entry.has_value()) << rules.Name() << " " << target;
            const auto faults = AuditEntry(rules, entry->puzzle + entry->solution);
            EXPECT_TRUE(faults.empty()) << rules.Name() << ": " << faults.front();
            EXPECT_EQ(std::count_if(entry->puzzle.begin(), entry->puzzle.end(),
                                    [](char c) { return c != kBlank; }),
                      target);
        }
    }
}

// Most attempts give nothing, so the first two that give an entry are compared: replayed from
// its seed the first gives the very same entry, and the second is another grid.
TEST(GeneratorTest, SameStreamGivesTheSameEntryAndAnotherStreamAnother) {
    const TableRules& rules = BankTables()[0];  // 9x9 'E': quick attempts
    const int target = rules.min_givens + 1;
    std::vector<std::pair<uint64_t, Entry>> made;
    for (int attempt = 0; attempt < 1000 && made.size() < 2; ++attempt) {
        const uint64_t seed = AttemptSeed(5, 0, 3, attempt);
        Rng rng(seed);
        if (auto entry = TryGenerate(rules, target, rng)) {
            made.emplace_back(seed, *entry);
        }
    }
    ASSERT_EQ(made.size(), 2u);
    Rng again(made[0].first);
    const auto replayed = TryGenerate(rules, target, again);
    ASSERT_TRUE(replayed.has_value());
    EXPECT_EQ(replayed->puzzle, made[0].second.puzzle);
    EXPECT_EQ(replayed->solution, made[0].second.solution);
    EXPECT_NE(made[1].second.solution, made[0].second.solution);
}

TEST(GeneratorTest, TargetsStayInsideTheRangeAndAverageNearTheReference) {
    for (const TableRules& rules : BankTables()) {
        Rng rng(1);
        double sum = 0;
        constexpr int kDraws = 4000;
        for (int i = 0; i < kDraws; ++i) {
            const int target = DrawTarget(rules, rng);
            ASSERT_GE(target, rules.min_givens) << rules.Name();
            ASSERT_LE(target, rules.max_givens) << rules.Name();
            sum += target;
        }
        EXPECT_NEAR(sum / kDraws, rules.reference_mean, rules.mean_tolerance / 2) << rules.Name();
    }
}

// One blank at (0,1) plus its image under each symmetry in turn; (0,1) alone has none.
TEST(GeneratorTest, SymmetricBlankPatternsAreRecognised) {
    const Geometry& geometry = GeometryOf(3);
    const auto with_blanks = [&](std::initializer_list<int> cells) {
        Grid puzzle(81, 0);
        for (const int cell : cells) {
            puzzle[static_cast<size_t>(cell)] = -1;
        }
        return puzzle;
    };
    const int half_turn = geometry.CellAt(8, 7);
    const int left_right = geometry.CellAt(0, 7);
    const int up_down = geometry.CellAt(8, 1);
    const int diagonal = geometry.CellAt(1, 0);
    for (const int image : {half_turn, left_right, up_down, diagonal}) {
        EXPECT_TRUE(HasSymmetricBlanks(geometry, with_blanks({1, image}))) << image;
    }
    EXPECT_FALSE(HasSymmetricBlanks(geometry, with_blanks({1})));
    EXPECT_FALSE(HasSymmetricBlanks(geometry, with_blanks({1, geometry.CellAt(2, 5)})));
    EXPECT_FALSE(HasSymmetricBlanks(geometry, Nine(kExamplePuzzle)));
}

std::string ExampleEntry() {
    return std::string(kExamplePuzzle) + std::string(kExampleSolution);
}

TEST(GeneratorTest, AuditAcceptsTheExampleAndNamesEachFault) {
    const TableRules& easy = BankTables()[0];
    EXPECT_TRUE(AuditEntry(easy, ExampleEntry()).empty());

    struct Case {
        std::string name;
        std::string entry;
        const TableRules* rules;
        std::string fault;
    };
    std::string swapped = ExampleEntry();
    std::swap(swapped[81], swapped[82]);  // two solution cells of row 0
    std::string wrong_given = ExampleEntry();
    wrong_given[3] = '2';  // the 1 given at row 0, column 3
    std::string dotted = ExampleEntry();
    dotted[0] = '.';
    std::string rectangle = std::string(kExampleSolution) + std::string(kExampleSolution);
    for (const int cell : {2, 8, 11, 17}) {
        rectangle[static_cast<size_t>(cell)] = '?';
    }
    std::string symmetric = std::string(81, '?') + std::string(kExampleSolution);
    const std::vector<Case> cases{
        {"short", ExampleEntry().substr(1), &easy, "length"},
        {"dotted blank", dotted, &easy, "neither '?' nor a symbol"},
        {"invalid solution", swapped, &easy, "not a complete valid grid"},
        {"given disagrees", wrong_given, &easy, "differs from the solution"},
        {"two solutions", rectangle, &easy, "more than one solution"},
        {"too many givens", rectangle, &easy, "77 givens"},
        {"wrong level", ExampleEntry(), &BankTables()[1], "needs singles"},
        {"symmetric", symmetric, &easy, "symmetric blank pattern"},
    };
    for (const Case& c : cases) {
        const auto faults = AuditEntry(*c.rules, c.entry);
        EXPECT_TRUE(std::any_of(faults.begin(), faults.end(), [&](const std::string& f) {
            return f.find(c.fault) != f.npos;
        })) << c.name;
    }
}

TEST(GeneratorTest, RepeatedHalvesAreReportedWithBothPlaces) {
    const std::string entry = ExampleEntry();
    std::string same_solution = entry;
    same_solution[0] = '8';
    const auto faults =
        AuditRepeats({{"a", entry, 81}, {"b", same_solution, 81}, {"c", entry, 81}});
    ASSERT_EQ(faults.size(), 3u);
    EXPECT_EQ(faults[0], "solution half of b repeats a");
    EXPECT_EQ(faults[1], "puzzle half of c repeats a");
    EXPECT_EQ(faults[2], "solution half of c repeats a");
}

// Small 9x9 tables: the example leads the 'E' one, every entry passes the audit, no half
// repeats, and one worker or two give the very same tables.
TEST(GeneratorTest, BuildDependsOnTheSeedAloneAndPlacesTheExampleFirst) {
    const std::vector<TableRules> tables{
        {3, 'E', 6, 23, 27, 24.5, 1.0, Technique::kSingles},
        {3, 'M', 5, 22, 28, 24.5, 1.0, Technique::kLockedCandidates},
    };
    const auto alone = BuildBank(3, 1, tables);
    const auto paired = BuildBank(3, 2, tables);
    ASSERT_TRUE(alone.has_value());
    ASSERT_TRUE(paired.has_value());
    std::vector<std::string> joined;
    for (size_t t = 0; t < tables.size(); ++t) {
        const auto& entries = (*alone)[t].entries;
        ASSERT_EQ(entries.size(), static_cast<size_t>(tables[t].count));
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].puzzle, (*paired)[t].entries[i].puzzle);
            EXPECT_EQ(entries[i].solution, (*paired)[t].entries[i].solution);
            joined.push_back(entries[i].puzzle + entries[i].solution);
            const auto faults = AuditEntry(tables[t], joined.back());
            EXPECT_TRUE(faults.empty()) << tables[t].Name() << i << ": " << faults.front();
        }
    }
    EXPECT_EQ(joined.front(), ExampleEntry());
    std::vector<LabelledEntry> labelled;
    for (const auto& entry : joined) {
        labelled.push_back({"", entry, 81});
    }
    EXPECT_TRUE(AuditRepeats(labelled).empty());
}

// The literals of the generated source, joined, give back each entry exactly.
TEST(GeneratorTest, TableSourceNamesItsOriginAndHoldsTheEntries) {
    BuiltTable table{BankTables()[6], {}};
    for (const char symbol : {'A', 'B'}) {
        table.entries.push_back({std::string(625, symbol), std::string(625, 'C')});
    }
    const std::string source = TableSource(table, 42);
    EXPECT_NE(source.find("Generated file"), std::string::npos);
    EXPECT_NE(source.find("./quintara bank"), std::string::npos);
    EXPECT_NE(source.find("--seed 42"), std::string::npos);
    EXPECT_NE(source.find("kTable5E[2]"), std::string::npos);
    EXPECT_NE(source.find("static_assert(EntriesComplete(kTable5E, 625)"), std::string::npos);
    std::string literals;
    for (size_t open = source.find("\n    \""); open != std::string::npos;
         open = source.find("\n    \"", open + 1)) {
        const size_t start = open + 6;
        literals += source.substr(start, source.find('"', start) - start);
    }
    EXPECT_EQ(literals, std::string(625, 'A') + std::string(625, 'C') + std::string(625, 'B') +
                            std::string(625, 'C'));
}

}  // namespace
}  // namespace quintara::bankgen
