// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

namespace quintara::monkey {

// Reports where the monkey was when the process dies (a signal, or a sanitizer's report): one
// line "monkey: CRASH seed=N event=I" on standard error and, when given, on `report_fd`, which a
// supervising process reads to shrink the crash.
void InstallCrashReport(int report_fd);
// The event about to be played.
void MarkPosition(uint32_t seed, size_t index);

}  // namespace quintara::monkey
