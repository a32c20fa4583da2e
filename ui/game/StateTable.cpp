// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/StateTable.h"

#include <algorithm>

#include "ui/Language.h"

namespace quintara {

namespace {

using enum MenuItem;
using enum GameState;

constexpr Caption kPlay = {" Gioca [F5] ", " Play [F5] "};
constexpr Caption kQuit = {" Abbandona gioco [F5] ", " Quit game [F5] "};
constexpr Caption kShowSolution = {" Mostra soluzione [F6] ", " Show solution [F6] "};
constexpr Caption kShowGame = {" Mostra gioco [F6] ", " Show game [F6] "};

// clang-format off
constexpr std::array<StateRow, 5> kRows = {{
    // state           generate game   hint   panel  focus  Play   view button    menu, items        view leads to
    {gsNone,            true,  false, false, false, false, {},    {},            {}, 0,                gsNone},
    {gsPuzzle,          true,  true,  false, false, false, kPlay, kShowSolution, {Play, ToggleAsShown}, 2, gsSolution},
    {gsSolution,        true,  true,  false, false, false, kPlay, kShowGame,     {Play, ToggleAsShown}, 2, gsPuzzle},
    {gsPlaying,         false, true,  true,  true,  true,  kQuit, kShowSolution,
     {Symbols, ErrorView, Hint, Play, Toggle}, 5, gsPlayingSolution},
    {gsPlayingSolution, false, true,  false, false, false, kQuit, kShowGame,     {Play, Toggle}, 2,        gsPlaying},
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
