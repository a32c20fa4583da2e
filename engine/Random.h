// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace quintara {

// The one generator of the process, shared by the board and the window. Its exact rule is part of
// the game's behaviour: the same state always gives the same draws.
inline uint32_t RandomState = 0;

// Advances RandomState one step (x * 134775813 + 1 mod 2^32) and scales it into 0 .. n-1 by
// multiply-and-shift. n below 1 gives 0 (the state still advances).
int32_t RandomBelow(int32_t n);

// Where seeding reads the time. Tests pass their own; the game uses SystemClock().
struct ClockSources {
    // Low bits of a high-resolution counter, or nothing when the counter is unavailable.
    std::optional<uint64_t> (*performance_counter)();
    // Milliseconds since the system started.
    uint32_t (*tick_count)();
    // Minute (0 to 59) of the local time of day.
    int32_t (*local_minute)();
};

const ClockSources& SystemClock();

void SeedFromClock(const ClockSources& clock = SystemClock());

// Seeds from the clock, then discards one draw per minute of the hour (60 at minute 0).
void SeedRandom(const ClockSources& clock = SystemClock());

}  // namespace quintara
