#pragma once

#include <string>
#include <vector>

#include "bank/PuzzleBank.h"
#include "tools/bankgen/TableSpec.h"

namespace quintara::testing {

// One stored entry read back through the lookup, with where it came from.
struct StoredEntry {
    bankgen::TableSpec spec;
    int32_t index;
    std::string puzzle;
    std::string solution;

    std::string Label() const { return spec.Name() + "[" + std::to_string(index) + "]"; }
};

// Every entry of every table, in table and index order.
inline std::vector<StoredEntry> AllStoredEntries() {
    std::vector<StoredEntry> all;
    for (const auto& spec : bankgen::BankTables()) {
        for (int32_t i = 0; i < GetPuzzleCount(spec.box, spec.level); ++i) {
            StoredEntry entry{spec, i, "", ""};
            GetPuzzle(spec.box, spec.level, i, entry.puzzle, entry.solution);
            all.push_back(entry);
        }
    }
    return all;
}

}  // namespace quintara::testing
