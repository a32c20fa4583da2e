#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "tools/bankgen/Generator.h"
#include "tools/bankgen/TableSpec.h"

namespace quintara::bankgen {

struct BuiltTable {
    TableSpec spec;
    std::vector<Entry> entries;
};

// The nine tables, in BankTables() order, built from `seed` by `workers` threads. The result
// depends on the seed alone: each entry draws from its own stream, and repeats are resolved
// afterwards in table and index order. Nothing when some entry cannot be built.
std::optional<std::vector<BuiltTable>> BuildBank(uint64_t seed, int workers);

}  // namespace quintara::bankgen
