// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Permutations.h"

namespace quintara {

namespace {

constexpr uint8_t kDerangements3[][3] = {{1, 2, 0}, {2, 0, 1}};

constexpr uint8_t kNonIdentity3[][3] = {{1, 2, 0}, {1, 0, 2}, {2, 0, 1}, {2, 1, 0}, {0, 2, 1}};

constexpr uint8_t kDerangements4[][4] = {
    {1, 0, 3, 2}, {1, 2, 3, 0}, {1, 3, 0, 2}, {2, 0, 3, 1}, {2, 3, 0, 1},
    {2, 3, 1, 0}, {3, 0, 1, 2}, {3, 2, 0, 1}, {3, 2, 1, 0},
};

constexpr uint8_t kDerangements5[][5] = {
    {1, 0, 3, 4, 2}, {1, 0, 4, 2, 3}, {1, 2, 0, 4, 3}, {1, 2, 3, 4, 0}, {1, 2, 4, 0, 3},
    {1, 3, 0, 4, 2}, {1, 3, 4, 0, 2}, {1, 3, 4, 2, 0}, {1, 4, 0, 2, 3}, {1, 4, 3, 0, 2},
    {1, 4, 3, 2, 0}, {2, 0, 1, 4, 3}, {2, 0, 3, 4, 1}, {2, 0, 4, 1, 3}, {2, 3, 0, 4, 1},
    {2, 3, 1, 4, 0}, {2, 3, 4, 0, 1}, {2, 3, 4, 1, 0}, {2, 4, 0, 1, 3}, {2, 4, 1, 0, 3},
    {2, 4, 3, 0, 1}, {2, 4, 3, 1, 0}, {3, 0, 1, 4, 2}, {3, 0, 4, 1, 2}, {3, 0, 4, 2, 1},
    {3, 2, 0, 4, 1}, {3, 2, 1, 4, 0}, {3, 2, 4, 0, 1}, {3, 2, 4, 1, 0}, {3, 4, 0, 1, 2},
    {3, 4, 0, 2, 1}, {3, 4, 1, 0, 2}, {3, 4, 1, 2, 0}, {4, 0, 1, 2, 3}, {4, 0, 3, 1, 2},
    {4, 0, 3, 2, 1}, {4, 2, 0, 1, 3}, {4, 2, 1, 0, 3}, {4, 2, 3, 0, 1}, {4, 2, 3, 1, 0},
    {4, 3, 0, 1, 2}, {4, 3, 0, 2, 1}, {4, 3, 1, 0, 2}, {4, 3, 1, 2, 0},
};

template <int32_t Rows, int32_t Width>
constexpr PermutationTable TableOf(const uint8_t (&rows)[Rows][Width]) {
    return {&rows[0][0], Rows, Width};
}

}  // namespace

const PermutationTable Derangements3 = TableOf(kDerangements3);
const PermutationTable NonIdentityPerms3 = TableOf(kNonIdentity3);
const PermutationTable Derangements4 = TableOf(kDerangements4);
const PermutationTable Derangements5 = TableOf(kDerangements5);

}  // namespace quintara
