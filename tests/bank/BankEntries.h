// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "bank/PuzzleBank.h"
#include "tools/bankgen/TableRules.h"

namespace quintara::testing {

// One stored entry read back through the lookup, with where it came from.
struct StoredEntry {
    bankgen::TableRules rules;
    int32_t index;
    std::string puzzle;
    std::string solution;

    std::string Label() const { return rules.Name() + "[" + std::to_string(index) + "]"; }
};

// Every entry of every table, in table and index order.
inline std::vector<StoredEntry> AllStoredEntries() {
    std::vector<StoredEntry> all;
    for (const auto& rules : bankgen::BankTables()) {
        for (int32_t i = 0; i < GetPuzzleCount(rules.box, rules.level); ++i) {
            StoredEntry entry{rules, i, "", ""};
            GetPuzzle(rules.box, rules.level, i, entry.puzzle, entry.solution);
            all.push_back(entry);
        }
    }
    return all;
}

}  // namespace quintara::testing
