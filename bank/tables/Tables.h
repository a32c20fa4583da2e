// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace quintara::tables {

// The nine generated tables (bank/tables/Table*.cpp, written by tools/bankgen). Each entry is
// the puzzle half then the solution half, CellCount characters each.
extern const char* const kTable3E[100];
extern const char* const kTable3M[100];
extern const char* const kTable3A[100];
extern const char* const kTable4E[50];
extern const char* const kTable4M[25];
extern const char* const kTable4A[25];
extern const char* const kTable5E[25];
extern const char* const kTable5M[25];
extern const char* const kTable5A[25];

// True when every entry of a table is there and holds two halves of `cells` characters. Each
// generated table asserts it: an initializer list shorter than the declared count would
// otherwise compile, leaving null entries at the end.
template <std::size_t N>
constexpr bool EntriesComplete(const char* const (&table)[N], std::size_t cells) {
    for (const char* entry : table) {
        if (entry == nullptr || std::char_traits<char>::length(entry) != 2 * cells) {
            return false;
        }
    }
    return true;
}

}  // namespace quintara::tables
