// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/bankgen/TableRules.h"

#include <array>

namespace quintara::bankgen {

namespace {

// Counts, given ranges and reference means per table; 25x25 means may drift by 2, others by 1.
constexpr std::array<TableRules, 9> kTables{{
    {3, 'E', 100, 23, 27, 24.5, 1.0, Technique::kSingles},
    {3, 'M', 100, 22, 28, 24.5, 1.0, Technique::kLockedCandidates},
    {3, 'A', 100, 22, 27, 24.5, 1.0, Technique::kPairs},
    {4, 'E', 50, 89, 99, 93.4, 1.0, Technique::kSingles},
    {4, 'M', 25, 89, 97, 92.7, 1.0, Technique::kLockedCandidates},
    {4, 'A', 25, 88, 96, 92.5, 1.0, Technique::kPairs},
    {5, 'E', 25, 257, 270, 262.7, 2.0, Technique::kSingles},
    {5, 'M', 25, 254, 270, 261.6, 2.0, Technique::kLockedCandidates},
    {5, 'A', 25, 255, 270, 262.5, 2.0, Technique::kPairs},
}};

}  // namespace

std::string TableRules::Name() const {
    return std::to_string(box) + level;
}

std::span<const TableRules> BankTables() {
    return kTables;
}

Grid ParseHalf(std::string_view text, std::string_view symbols) {
    Grid cells;
    cells.reserve(text.size());
    for (const char c : text) {
        const size_t at = symbols.find(c);
        cells.push_back(c == kBlank                    ? -1
                        : at == std::string_view::npos ? -2
                                                       : static_cast<int>(at));
    }
    return cells;
}

std::string FormatHalf(const Grid& cells, std::string_view symbols) {
    std::string text;
    text.reserve(cells.size());
    for (const int value : cells) {
        text.push_back(value < 0 ? kBlank : symbols[static_cast<size_t>(value)]);
    }
    return text;
}

}  // namespace quintara::bankgen
