// SPDX-License-Identifier: GPL-3.0-or-later
// The proof of the stored bank: every invariant for every entry, read back through the lookup.

#include <gtest/gtest.h>

#include <map>

#include "BankEntries.h"
#include "engine/TsdBoard.h"
#include "tools/bankgen/Audit.h"

namespace quintara {
namespace {

using testing::AllStoredEntries;
using testing::StoredEntry;

const std::vector<StoredEntry>& Entries() {
    static const std::vector<StoredEntry> kEntries = AllStoredEntries();
    return kEntries;
}

TEST(BankInvariantsTest, TablesHoldTheirCountsAndAllEntriesReadBack) {
    EXPECT_EQ(Entries().size(), 475u);
    for (const auto& entry : Entries()) {
        const size_t cells = static_cast<size_t>(entry.rules.box * entry.rules.box) *
                             static_cast<size_t>(entry.rules.box * entry.rules.box);
        ASSERT_EQ(entry.puzzle.size(), cells) << entry.Label();
        ASSERT_EQ(entry.solution.size(), cells) << entry.Label();
    }
}

// Alphabet, valid solution, agreeing givens, given range, one solution, level by technique,
// no symmetric blank pattern.
TEST(BankInvariantsTest, EveryEntryPassesTheAudit) {
    for (const auto& entry : Entries()) {
        const auto faults = bankgen::AuditEntry(entry.rules, entry.puzzle + entry.solution);
        EXPECT_TRUE(faults.empty()) << entry.Label() << ": " << faults.front();
    }
}

TEST(BankInvariantsTest, NoHalfRepeatsAnywhereInTheBank) {
    std::vector<std::string> joined;
    joined.reserve(Entries().size());
    for (const auto& entry : Entries()) {
        joined.push_back(entry.puzzle + entry.solution);
    }
    std::vector<bankgen::LabelledEntry> labelled;
    for (size_t i = 0; i < Entries().size(); ++i) {
        labelled.push_back(
            {Entries()[i].Label(), joined[i], static_cast<int>(Entries()[i].puzzle.size())});
    }
    const auto faults = bankgen::AuditRepeats(labelled);
    EXPECT_TRUE(faults.empty()) << faults.front();
}

TEST(BankInvariantsTest, MeanGivensStayNearEachTablesReference) {
    std::map<std::string, std::pair<double, int>> sums;
    for (const auto& entry : Entries()) {
        auto& [givens, count] = sums[entry.rules.Name()];
        for (const char c : entry.puzzle) {
            givens += c != bankgen::kBlank;
        }
        ++count;
    }
    for (const auto& rules : bankgen::BankTables()) {
        const auto [givens, count] = sums[rules.Name()];
        EXPECT_NEAR(givens / count, rules.reference_mean, rules.mean_tolerance) << rules.Name();
    }
}

TEST(BankInvariantsTest, EveryEntryLoadsIntoTheBoardAndKeepsAValidSolutionWhenDisguised) {
    for (const auto& entry : Entries()) {
        const std::string symbols(SymbolsOf(entry.rules.box));
        TsdBoard board(entry.rules.box, symbols, entry.puzzle, entry.solution);
        ASSERT_FALSE(board.HasError()) << entry.Label() << ": " << board.GetErrorText();
        EXPECT_TRUE(board.CheckSolution()) << entry.Label();
        board.Genera();
        EXPECT_FALSE(board.HasError()) << entry.Label() << ": " << board.GetErrorText();
        EXPECT_TRUE(board.CheckSolution()) << entry.Label();
    }
}

}  // namespace
}  // namespace quintara
