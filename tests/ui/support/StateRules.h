// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's state table as its definition gives it, written out once for the tests: where each
// command leads from each state, and what the player is offered there. The game's rules suite and
// the window's transition test both check against it.
#include <QString>
#include <QStringList>
#include <algorithm>
#include <iterator>

#include "ui/game/GameState.h"

namespace quintara::testing {

// The table's columns.
inline constexpr GameState kStates[] = {GameState::gsNone, GameState::gsPuzzle,
                                        GameState::gsSolution, GameState::gsPlaying,
                                        GameState::gsPlayingSolution};

inline int ColumnOf(GameState state) {
    return int(std::find(std::begin(kStates), std::end(kStates), state) - std::begin(kStates));
}

inline constexpr int kPass = -1;  // the command is disabled there: its key goes on to the grid

enum class Command {
    Help,
    Hint,
    PlayAnsweredYes,  // Play, or Quit game answered Yes
    PlayAnsweredNo,   // Play, or Quit game answered No
    Toggle,
    Print,
    ErrorView,
    HideTimer,
    Generate,
    GenerateEngineFails,      // the engine refuses every puzzle
    GenerateSolutionClashes,  // every solution fails its check
    GenerateFetchFails,       // the bank delivers nothing
};

// The column each command leads to from each column, or kPass.
inline constexpr int kAfter[][5] = {
    {0, 1, 2, 3, 4},                  // Help
    {kPass, kPass, kPass, 3, kPass},  // Hint
    {kPass, 3, 3, 1, 1},              // Play answered Yes
    {kPass, 3, 3, 3, 4},              // Play answered No
    {kPass, 2, 1, 4, 3},              // Toggle
    {kPass, 1, 2, 3, 4},              // Print
    {0, 1, 2, 3, 4},                  // ErrorView
    {kPass, kPass, kPass, 3, kPass},  // HideTimer
    {1, 1, 1, kPass, kPass},          // Generate
    {0, 0, 0, kPass, kPass},          // GenerateEngineFails
    {0, 0, 0, kPass, kPass},          // GenerateSolutionClashes
    {0, 1, 2, kPass, kPass},          // GenerateFetchFails
};

inline int After(Command command, int column) {
    return kAfter[static_cast<int>(command)][column];
}

// What the player is offered in each column's state (English). Texts nullptr: left as they were.
struct View {
    bool generate, play, toggle, hint, game_panel, solution_shown;
    const char* play_text;
    const char* toggle_text;
};
inline constexpr View kViews[] = {
    {true, false, false, false, false, true, nullptr, nullptr},
    {true, true, true, false, false, false, " Play [F5] ", " Show solution [F6] "},
    {true, true, true, false, false, true, " Play [F5] ", " Show game [F6] "},
    {false, true, true, true, true, false, " Quit game [F5] ", " Show solution [F6] "},
    {false, true, true, false, false, true, " Quit game [F5] ", " Show game [F6] "},
};

// The context menu of each column's state (English); none in gsNone.
inline QStringList MenuOf(int column, const QString& symbols, bool error_view) {
    switch (column) {
        case 1:
            return {"Play [F5]", " Show solution [F6] "};
        case 2:
            return {"Play [F5]", " Show game [F6] "};
        case 3: {
            QStringList menu("Delete ");
            for (const QChar symbol : symbols) {
                menu.append(symbol);
            }
            return menu + QStringList{error_view ? "Disable control [F8]" : "View errors [F8]",
                                      "Hint! [F4]", "Quit game [F5]", "Show solution [F6]"};
        }
        case 4:
            return {"Quit game [F5]", "Show game [F6]"};
        default:
            return {};
    }
}

}  // namespace quintara::testing
