// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Options.h"

namespace quintara::monkey {

// Runs the monkey in a worker process and waits for it. A worker that dies (a sanitizer's
// report, a signal) cannot shrink its own crash: the supervisor does, replaying ever shorter
// event sequences in fresh workers. Returns the exit status of the run.
int Supervise(const Options& options);

}  // namespace quintara::monkey
