// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Driver.h"
#include "Events.h"
#include "Places.h"

namespace quintara::monkey {

class QtWarnings;

// The first problem of a run: at which event of the stream, and every problem seen there.
struct Failure {
    size_t index = 0;
    std::vector<std::string> problems;
};

struct Played {
    size_t events = 0;
    std::optional<Failure> failure;
    Tally tally;
};

// Plays seeds on fresh windows, checks after every event and shrinks what fails.
class Runner {
  public:
    Runner(QtWarnings& warnings, size_t look_every)
        : warnings_(warnings), look_every_(look_every) {}

    // Plays the events of `stream` at the places `order` lists, in that order, on a new window;
    // stops at the first event after which a check fails.
    Played Play(uint32_t seed, const std::vector<Event>& stream, const std::vector<size_t>& order);

    // Removes events from `played` (the places played up to the failure) while the run still
    // fails with a problem of the same kind; gives up shrinking further after `seconds`.
    // Returns the places of the events kept.
    std::vector<size_t> Shrink(uint32_t seed, const std::vector<Event>& stream,
                               std::vector<size_t> played, const Failure& failure, double seconds,
                               size_t& trials);

  private:
    QtWarnings& warnings_;
    size_t look_every_;
};

}  // namespace quintara::monkey
