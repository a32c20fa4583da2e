// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Random.h"

#include <chrono>
#include <ctime>

namespace quintara {

namespace {

constexpr uint32_t kMultiplier = 134775813;  // 0x08088405

std::optional<uint64_t> SteadyCounter() {
    return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

uint32_t MillisecondsSinceStart() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

int32_t LocalMinute() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local.tm_min;
}

}  // namespace

int32_t RandomBelow(int32_t n) {
    RandomState = RandomState * kMultiplier + 1;
    if (n < 1) {
        return 0;
    }
    return static_cast<int32_t>((uint64_t{RandomState} * static_cast<uint32_t>(n)) >> 32);
}

const ClockSources& SystemClock() {
    static constexpr ClockSources kSystem{&SteadyCounter, &MillisecondsSinceStart, &LocalMinute};
    return kSystem;
}

void SeedFromClock(const ClockSources& clock) {
    if (const std::optional<uint64_t> counter = clock.performance_counter()) {
        RandomState = static_cast<uint32_t>(*counter);
    } else {
        RandomState = clock.tick_count();
    }
}

void SeedRandom(const ClockSources& clock) {
    SeedFromClock(clock);
    int32_t minute = clock.local_minute();
    if (minute == 0) {
        minute = 60;
    }
    for (int32_t i = 0; i < minute; ++i) {
        RandomBelow(2);
    }
}

}  // namespace quintara
