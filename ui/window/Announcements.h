// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

#include "ui/game/GameState.h"

// What a screen reader says when a command changes what the window shows, spoken on the current
// cell without moving the focus (TDrawGrid::Announce). A sighted player sees these changes.
namespace quintara::announcements {

// The state went from `from` to `to` on a grid of `grid_size` cells a side; empty when there is
// nothing to say (a failed generation says it in its message). Only a new puzzle leads from
// gsNone to gsPuzzle: the window counts a new puzzle as coming from gsNone.
QString StateChange(GameState from, GameState to, int32_t grid_size);
QString ErrorView(bool on);
QString ClockShown(bool shown);

}  // namespace quintara::announcements
