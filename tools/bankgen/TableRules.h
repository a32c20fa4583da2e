// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "engine/Symbols.h"
#include "tools/bankgen/Deduction.h"

namespace quintara::bankgen {

// One table of the bank: its size and level, how many entries, the given-count range and mean
// it aims at, and the technique set its puzzles need exactly.
struct TableRules {
    int box;
    char level;
    int count;
    int min_givens;
    int max_givens;
    double reference_mean;
    double mean_tolerance;
    Technique technique;

    // "3E", "4M", ...: names the table in messages and file names.
    std::string Name() const;
};

// The nine tables in their fixed order: 3E 3M 3A 4E 4M 4A 5E 5M 5A.
std::span<const TableRules> BankTables();

inline constexpr char kBlank = '?';

// The first entry of the 9x9 'E' table, fixed in advance.
inline constexpr std::string_view kExamplePuzzle =
    "???1?7??????8????5????927?3????3???????4?156??1??5??9?5?2????1?9????5??????9??4?6";
inline constexpr std::string_view kExampleSolution =
    "835147629729863145641592783456239871397481562218756394562374918984615237173928456";

// One half of an entry in cell values: '?' reads as -1, a symbol as its index. Characters
// outside the alphabet read as -2, which no check accepts.
Grid ParseHalf(std::string_view text, std::string_view symbols);
std::string FormatHalf(const Grid& cells, std::string_view symbols);

}  // namespace quintara::bankgen
