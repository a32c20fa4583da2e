// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace quintara {

// The states of a game. The numbers are part of the interface: the help routine and the context
// menu receive them, and the message for a state without a row in the state table shows them.
enum class GameState : uint8_t {
    gsNone = 0,             // no game yet, or the last generation attempt failed
    gsPuzzle = 1,           // a puzzle on display, not being played
    gsSolution = 2,         // its solution on display, not being played
    gsPlaying = 4,          // the player is solving; the clock runs
    gsPlayingSolution = 5,  // still in the game, looking at the solution; the clock runs
};

constexpr uint8_t StateNumber(GameState state) {
    return static_cast<uint8_t>(state);
}

}  // namespace quintara
