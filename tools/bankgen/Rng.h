// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace quintara::bankgen {

// SplitMix64: small, fast and fully defined here, so a seed gives the same bank on every
// compiler and standard library (the standard distributions are not portable).
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed) {}

    uint64_t Next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A draw in 0 .. n-1 (n >= 1), by multiply-and-shift of the high 32 bits.
    int Below(int n) {
        const uint64_t high = Next() >> 32;
        return static_cast<int>((high * static_cast<uint64_t>(n)) >> 32);
    }

    template <typename T>
    void Shuffle(std::vector<T>& items) {
        for (size_t i = items.size(); i > 1; --i) {
            const auto j = static_cast<size_t>(Below(static_cast<int>(i)));
            std::swap(items[i - 1], items[j]);
        }
    }

  private:
    uint64_t state_;
};

// The seed of one attempt at one entry, so each entry's stream is independent of which thread
// built it and of every other entry.
inline uint64_t AttemptSeed(uint64_t seed, int table, int index, int attempt) {
    Rng mixer(seed);
    uint64_t mixed = mixer.Next();
    for (const int part : {table, index, attempt}) {
        Rng step(mixed ^ static_cast<uint64_t>(part));
        mixed = step.Next();
    }
    return mixed;
}

}  // namespace quintara::bankgen
