// SPDX-License-Identifier: GPL-3.0-or-later
#include "bank/PuzzleBank.h"

#include <iterator>

#include "bank/tables/Tables.h"
#include "engine/Ascii.h"

namespace quintara {

namespace {

// One table as the lookup sees it: its entries, their count and the cells of one half.
struct Table {
    const char* const* entries;
    int32_t count;
    int32_t cells;
};

// Picks one of the three tables of a size by level letter; null for any other letter.
const Table* ByLevel(char level, const Table& easy, const Table& medium, const Table& hard) {
    switch (UpperAscii(level)) {
        case 'E':
            return &easy;
        case 'M':
            return &medium;
        case 'A':
            return &hard;
        default:
            return nullptr;
    }
}

// The counts are fixed here, as the lookups promise, rather than taken from the arrays. The
// assertion below ties them to the declared array lengths, and every generated table asserts
// that it fills its declared length (bank/tables/Tables.h), so a table of the wrong length
// fails to compile instead of changing what the game offers.
constexpr Table k3E{tables::kTable3E, 100, 81};
constexpr Table k3M{tables::kTable3M, 100, 81};
constexpr Table k3A{tables::kTable3A, 100, 81};
constexpr Table k4E{tables::kTable4E, 50, 256};
constexpr Table k4M{tables::kTable4M, 25, 256};
constexpr Table k4A{tables::kTable4A, 25, 256};
constexpr Table k5E{tables::kTable5E, 25, 625};
constexpr Table k5M{tables::kTable5M, 25, 625};
constexpr Table k5A{tables::kTable5A, 25, 625};

static_assert(std::size(tables::kTable3E) == 100 && std::size(tables::kTable3M) == 100 &&
              std::size(tables::kTable3A) == 100 && std::size(tables::kTable4E) == 50 &&
              std::size(tables::kTable4M) == 25 && std::size(tables::kTable4A) == 25 &&
              std::size(tables::kTable5E) == 25 && std::size(tables::kTable5M) == 25 &&
              std::size(tables::kTable5A) == 25);

const Table* FindTable(int32_t BoxSize, char level) {
    switch (BoxSize) {
        case 3:
            return ByLevel(level, k3E, k3M, k3A);
        case 4:
            return ByLevel(level, k4E, k4M, k4A);
        case 5:
            return ByLevel(level, k5E, k5M, k5A);
        default:
            return nullptr;
    }
}

}  // namespace

int32_t GetPuzzleCount(int32_t BoxSize, char level) {
    const Table* table = FindTable(BoxSize, level);
    return table != nullptr ? table->count : 0;
}

bool GetPuzzle(int32_t BoxSize, char level, int32_t index, std::string& puzzle,
               std::string& solution) {
    const Table* table = FindTable(BoxSize, level);
    if (table == nullptr || index < 0 || index >= table->count) {
        return false;
    }
    const char* entry = table->entries[index];
    puzzle.assign(entry, static_cast<size_t>(table->cells));
    solution.assign(entry + table->cells, static_cast<size_t>(table->cells));
    return true;
}

}  // namespace quintara
