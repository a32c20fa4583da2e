// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "tools/bankgen/Generator.h"
#include "tools/bankgen/TableRules.h"

namespace quintara::bankgen {

struct BuiltTable {
    TableRules rules;
    std::vector<Entry> entries;
};

// The tables (the bank's nine unless told otherwise), in order, built from `seed` by `workers`
// threads. The result depends on the seed and the tables alone: each entry draws from its own
// stream, and repeats are resolved afterwards in table and index order. A 9x9 'E' table starts
// with the fixed example. Nothing when some entry cannot be built.
std::optional<std::vector<BuiltTable>> BuildBank(uint64_t seed, int workers,
                                                 std::span<const TableRules> tables = BankTables());

}  // namespace quintara::bankgen
