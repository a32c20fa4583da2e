// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/bankgen/TableRules.h"

namespace quintara::bankgen {

// Every fault of one stored entry (puzzle half then solution half) against its table: format and
// alphabet, a valid complete solution, givens agreeing with it, the given range, exactly one
// solution, the table's level by technique, and no symmetric blank pattern. Empty when sound.
std::vector<std::string> AuditEntry(const TableRules& rules, std::string_view entry);

// One entry with the place it came from, for the bank-wide checks.
struct LabelledEntry {
    std::string label;
    std::string_view entry;
    int cells;
};

// Every puzzle half and every solution half seen twice anywhere among the entries.
std::vector<std::string> AuditRepeats(const std::vector<LabelledEntry>& entries);

}  // namespace quintara::bankgen
