// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

namespace quintara {

// A picture packed into the program at build time (ui/resources/pack), pixels ready to show.
struct PackedPicture {
    const char* name;  // its file name, as "logo.png"
    int width;
    int height;
    // ARGB pixels (alpha not premultiplied), row after row, as runs: a count, then the pixel it
    // repeats.
    const std::uint32_t* runs;
    int run_count;
};

// Every packed picture; written by the build.
std::span<const PackedPicture> PackedPictures();

}  // namespace quintara
