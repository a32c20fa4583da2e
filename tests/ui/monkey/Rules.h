// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game as its definition gives it, for the monkey's model: alphabets, layout, the state table
// and the transitions (from the tests' one transcription of the table), the texts and the
// addresses. Only the model reads this.
#include <array>
#include <string>
#include <string_view>

#include "Model.h"
#include "support/StateRules.h"
#include "ui/help/Links.h"
#include "ui/help/Usudk02_upgrade.h"

namespace quintara::monkey::rules {

inline constexpr std::array<std::string_view, 3> kAlphabets = {"123456789", "0123456789ABCDEF",
                                                               "ABCDEFGHIJKLMNOPQRSTUVWXY"};

// Cell width is the font size plus K, the height 10 less; the thin lines are as wide as given.
struct SizeLayout {
    int k;
    int line_width;
};
inline constexpr std::array<SizeLayout, 3> kLayouts = {{{36, 3}, {26, 2}, {26, 2}}};
inline constexpr int kHeightLess = 10;
inline constexpr int kSmallestFont = 8;
inline constexpr int kLargestFont = 16;

// The grid before its first layout.
inline constexpr int kDesignCells = 25;
inline constexpr int kDesignColWidth = 25;
inline constexpr int kDesignRowHeight = 22;
inline constexpr int kDesignLineWidth = 1;

// The states in the order of the tables below.
constexpr size_t Index(State state) {
    switch (state) {
        case State::None:
            return 0;
        case State::Puzzle:
            return 1;
        case State::Solution:
            return 2;
        case State::Playing:
            return 3;
        case State::PlayingSolution:
            return 4;
    }
    return 0;
}

// The state table, from the tests' one transcription: generate, game commands, hint, game panel,
// menu, Play and Show solution texts, and where Play (or Quit game answered Yes) and Show solution
// / Show game lead. Both commands are disabled in gsNone; there the transitions are never read.
constexpr std::array<Controls, 5> ControlsTable() {
    std::array<Controls, 5> table{};
    for (size_t i = 0; i < table.size(); ++i) {
        const testing::View& v = testing::kViews[i];
        table[i] = {v.generate, v.play, v.hint, v.game_panel, i > 0, v.play_text, v.toggle_text};
    }
    return table;
}
inline constexpr std::array<Controls, 5> kControls = ControlsTable();

constexpr std::array<State, 5> StatesAfter(testing::Command command) {
    constexpr std::array<State, 5> kByColumn = {State::None, State::Puzzle, State::Solution,
                                                State::Playing, State::PlayingSolution};
    std::array<State, 5> after{};
    for (size_t i = 0; i < after.size(); ++i) {
        const int to = testing::kAfter[static_cast<int>(command)][i];
        after[i] = to == testing::kPass ? State::None : kByColumn[static_cast<size_t>(to)];
    }
    return after;
}
inline constexpr std::array<State, 5> kAfterPlay = StatesAfter(testing::Command::PlayAnsweredYes);
inline constexpr std::array<State, 5> kAfterToggle = StatesAfter(testing::Command::Toggle);

// Help page of each state.
inline constexpr std::array<int, 5> kHelpPage = {0, 1, 1, 2, 2};

inline constexpr const char* kStartMessage = "To start playing click [Play] or press [F5] !";
inline constexpr const char* kResumeMessage = "To play click on [View Game] or press [F6] !";
inline constexpr const char* kQuitQuestion = "Quit the current game ?";
inline constexpr const char* kHintPrefix = "For this box the best symbol is :";
inline constexpr const char* kNewsTitle = "Nuove versioni ?";
inline constexpr const char* kPrintNotice =
    "  In  questa  versione non e' supportata la stampa !\r\n"
    "  Se vuoi sudoku da stampare, chiudi questo messaggio e\r\n"
    "  scaricali da PuzzleDepot con il pulsante in basso \r\n"
    "  [Scarica e stampa..].";

// The web addresses: the paths are the game's; where they lead is chosen at build time.
inline std::string HelpAddress(int page) {
    return links::HelpPageAddress(QStringLiteral("/w_orvella-quintara0-hlp%1-EN.aspx").arg(page))
        .toStdString();
}

inline std::string NewsAddress() {
    return TfrmShowUpgrade::NewsAddress().toStdString();
}

}  // namespace quintara::monkey::rules
