// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace quintara::monkey {

// How much of the game a run reached, so a summary shows the monkey did get there.
struct Tally {
    size_t puzzles = 0;              // generations
    size_t congratulations = 0;      // completed games
    size_t questions = 0;            // quit questions answered
    size_t news = 0;                 // news dialogs worked
    size_t pages = 0;                // web pages opened
    size_t messages = 0;             // other message boxes
    size_t menus = 0;                // context menus opened
    size_t menu_items = 0;           // items chosen in them
    size_t closes = 0;               // windows closed mid-run
    std::array<size_t, 6> states{};  // events that ended in each game state
    Tally& operator+=(const Tally& other);
    std::string Summary() const;
};

}  // namespace quintara::monkey
