// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "tools/bankgen/Geometry.h"
#include "tools/bankgen/TableRules.h"

namespace quintara::testing {

// A 9x9 half written row by row ('?' for a blank) as cell values.
inline bankgen::Grid Nine(std::string_view text) {
    return bankgen::ParseHalf(text, SymbolsOf(3));
}

// The mask of the given 9x9 digits (digit d is bit d-1).
inline bankgen::Mask Digits(std::string_view digits) {
    bankgen::Mask mask = 0;
    for (const char d : digits) {
        mask |= bankgen::Bit(d - '1');
    }
    return mask;
}

}  // namespace quintara::testing
