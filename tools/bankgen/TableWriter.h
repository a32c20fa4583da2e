// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "tools/bankgen/BankBuilder.h"

namespace quintara::bankgen {

// File name of a table's source, e.g. "Table3E.cpp", and the array it defines, "kTable3E".
std::string TableFileName(const TableRules& rules);

// The C++ source of one table: a header saying how it was made, then a constant array with one
// string per entry (puzzle half, then solution half, split over lines at row boundaries).
std::string TableSource(const BuiltTable& table, uint64_t seed);

// Writes every table's source into `dir`; false when a file cannot be written.
bool WriteTables(const std::filesystem::path& dir, const std::vector<BuiltTable>& bank,
                 uint64_t seed);

}  // namespace quintara::bankgen
