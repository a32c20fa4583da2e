// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace quintara {

// The box sizes the game plays: boxes of 3, 4 and 5 cells a side, grids of 9, 16 and 25.
inline constexpr int32_t kSmallestBoxSize = 3;
inline constexpr int32_t kLargestBoxSize = 5;

// The symbol alphabet of a box size, one character per symbol; empty for any other size. The
// 16 x 16 alphabet starts at "0"; the 25 x 25 one has no digits.
constexpr std::string_view SymbolsOf(int32_t box_size) {
    switch (box_size) {
        case 3:
            return "123456789";
        case 4:
            return "0123456789ABCDEF";
        case 5:
            return "ABCDEFGHIJKLMNOPQRSTUVWXY";
        default:
            return {};
    }
}

}  // namespace quintara
