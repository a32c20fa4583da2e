// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quintara::monkey {

// The command line of quintara_monkey.
struct Options {
    std::vector<uint32_t> seeds;              // seeds that always run
    size_t fresh = 0;                         // new seeds drawn for this run
    size_t events = 5000;                     // events a seed plays
    double minutes = 0;                       // soak for this long on new seeds; 0: no soak
    bool soak = false;                        // soak until stopped (Ctrl-C), or for `minutes`
    std::optional<std::vector<size_t>> keep;  // play only these events of the stream
    bool shrink = true;
    double shrink_seconds = 120;
    size_t look_every = 50;  // events between two looks at the grid's picture
    bool quiet = false;      // no line per seed
    bool list = false;       // print the events instead of playing them
    bool worker = false;     // this process plays; without it, it supervises a worker
    int report_fd = -1;      // where a worker reports a crash to its supervisor

    // The arguments that make a worker play the same run.
    std::vector<std::string> arguments;
};

// Reads the command line; nothing when it is wrong (the usage is printed).
std::optional<Options> ParseOptions(int argc, char** argv);

}  // namespace quintara::monkey
