// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace quintara {

// A constant table of permutations, rows stored one after the other, `width` entries a row.
// A drawn row index always selects the same permutation, so the row order is fixed.
struct PermutationTable {
    const uint8_t* rows;
    int32_t row_count;
    int32_t width;

    const uint8_t* Row(int32_t index) const { return rows + index * width; }
};

// Lines inside a band or stack of 3: only the two cyclic shifts.
extern const PermutationTable Derangements3;
// Whole bands or stacks of 3: every non-identity permutation, in this deliberate order.
extern const PermutationTable NonIdentityPerms3;
// Sizes 4 and 5 use the derangements, in lexicographic order, for both kinds of reorder.
extern const PermutationTable Derangements4;
extern const PermutationTable Derangements5;

}  // namespace quintara
