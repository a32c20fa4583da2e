// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/StateTable.h"

#include <algorithm>
#include <array>

#include "ui/Language.h"

namespace quintara {

namespace {

using enum MenuItem;
using enum GameState;

constexpr Caption kPlay = {" Gioca [F5] ", " Play [F5] "};
constexpr Caption kQuit = {" Abbandona gioco [F5] ", " Quit game [F5] "};
constexpr Caption kShowSolution = {" Mostra soluzione [F6] ", " Show solution [F6] "};
constexpr Caption kShowGame = {" Mostra gioco [F6] ", " Show game [F6] "};

constexpr MenuItem kChoosing[] = {Play, ToggleAsShown};
constexpr MenuItem kPlaying[] = {Symbols, ErrorView, Hint, Play, Toggle};
constexpr MenuItem kPlayingSolution[] = {Play, Toggle};

// clang-format off
constexpr std::array<StateRow, 5> kRows = {{
    // state           generate game   hint   panel  focus  Play   view button    menu              view leads to
    {gsNone,            true,  false, false, false, false, {},    {},            {},               gsNone},
    {gsPuzzle,          true,  true,  false, false, false, kPlay, kShowSolution, kChoosing,        gsSolution},
    {gsSolution,        true,  true,  false, false, false, kPlay, kShowGame,     kChoosing,        gsPuzzle},
    {gsPlaying,         false, true,  true,  true,  true,  kQuit, kShowSolution, kPlaying,         gsPlayingSolution},
    {gsPlayingSolution, false, true,  false, false, false, kQuit, kShowGame,     kPlayingSolution, gsPlaying},
}};
// clang-format on

}  // namespace

const StateRow* RowOf(GameState state) {
    const auto* row = std::find_if(kRows.begin(), kRows.end(),
                                   [state](const StateRow& r) { return r.state == state; });
    return row == kRows.end() ? nullptr : row;
}

QString UnmanagedStateMessage(uint8_t state) {
    return Pick("Internal error 001: stato:", "Internal error 001: state:") +
           QString::number(state) + Pick(" non gestito !", " unmanaged !");
}

}  // namespace quintara
