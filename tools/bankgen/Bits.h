// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstdint>

namespace quintara::bankgen {

// A set of symbols (bit k = symbol k) or of positions inside a unit (bit k = k-th cell).
using Mask = uint32_t;

inline constexpr Mask Bit(int k) {
    return Mask{1} << k;
}
inline constexpr int CountOf(Mask m) {
    return std::popcount(m);
}
inline constexpr int LowestOf(Mask m) {
    return std::countr_zero(m);
}
// One bit exactly; cheaper than a count where the count instruction is not available.
inline constexpr bool IsSingle(Mask m) {
    return m != 0 && (m & (m - 1)) == 0;
}
inline constexpr Mask AllOf(int n) {
    return n >= 32 ? ~Mask{0} : Bit(n) - 1;
}

// Calls visit(k) for every set bit k, lowest first.
template <typename Visit>
void ForEachBit(Mask m, Visit&& visit) {
    while (m != 0) {
        visit(LowestOf(m));
        m &= m - 1;
    }
}

}  // namespace quintara::bankgen
