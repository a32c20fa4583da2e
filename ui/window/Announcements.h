// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

// What a screen reader says when a command changes what the window shows, spoken on the current
// cell without moving the focus (TDrawGrid::Announce). A sighted player sees these changes.
namespace quintara::announcements {

// A new puzzle of `grid_size` x `grid_size` cells is on the board.
QString NewPuzzle(int32_t grid_size);
QString PlayStarted();
QString GameQuit();
// The view just set by Show solution or Show game, for the game state it left the window in.
QString ViewShown(uint8_t state);
QString ErrorView(bool on);
QString ClockShown(bool shown);

}  // namespace quintara::announcements
