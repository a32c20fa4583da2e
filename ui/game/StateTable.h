// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <span>

#include "ui/game/GameState.h"

namespace quintara {

// A text in both languages.
struct Caption {
    const char* italian = nullptr;
    const char* english = nullptr;
};

// The items of the grid's context menu, in the order a state lists them.
enum class MenuItem : uint8_t {
    Symbols,        // the delete item, then one item per symbol of the board's alphabet
    ErrorView,      // switches the error view
    Hint,           // bound to the hint command, with the command's own caption
    Play,           // bound to Play / Quit game, captioned like its button, trimmed
    Toggle,         // bound to Show solution / Show game, captioned like its button, trimmed
    ToggleAsShown,  // the same with the button's caption as it stands, blanks included
};

// What the window offers in one state: which commands are enabled, what is shown, what the Play
// and view buttons read, what the context menu holds and where the view command leads.
struct StateRow {
    GameState state;
    bool generate;       // Generate and the size group
    bool game_commands;  // Play / Quit game, Show solution / Show game, Print
    bool hint;
    bool game_panel;  // the game panel with its clock, the hide-timer box cleared on entry
    bool focus_grid;  // the grid takes the focus
    Caption play;     // the Play button's text; none (nullptr) leaves the button as captioned
    Caption toggle;   // the view button's text, likewise
    std::span<const MenuItem> menu;  // a state without items has no menu
    GameState toggled;               // the state Show solution / Show game leads to
};

// The row of a state; nullptr for a value that names no state.
const StateRow* RowOf(GameState state);

// The message for a state without a row: a fault of the program, never of the player.
QString UnmanagedStateMessage(uint8_t state);

}  // namespace quintara
