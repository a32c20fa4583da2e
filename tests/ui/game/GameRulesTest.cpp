// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a game without a window, on the three sizes: every command from every state
// against the state table written out for the tests, what the game tells its view, which cells an
// entry reports, and what a failed attempt after a size change leaves.
#include <QTest>
#include <vector>

#include "support/LanguageScope.h"
#include "support/StateRules.h"
#include "support/Supply.h"
#include "ui/game/Game.h"
#include "ui/game/StateTable.h"
#include "ui/platform/RecordingServices.h"

using namespace quintara;
using namespace quintara::testing;
using enum GameState;

namespace {

// Records what the game tells whatever shows it.
class RecordingView : public GameView {
  public:
    void LayOut(int32_t box_size, bool size_changed) override {
        layouts.push_back({box_size, size_changed});
    }
    void NewPuzzle() override { ++new_puzzles; }
    void StateChanged() override { ++state_changes; }
    void CellsChanged(const std::vector<CellPlace>& cells) override { reports.push_back(cells); }

    std::vector<std::pair<int32_t, bool>> layouts;
    int new_puzzles = 0;
    int state_changes = 0;
    std::vector<std::vector<CellPlace>> reports;
};

struct Table {
    Supply supply = Supply::Bank;
    platform::RecordingServices services;
    RecordingView view;
    Game game{services, SwitchableBank(supply), view};

    Table() { game.Reset(); }
    // The first open cell, row by row.
    CellPlace Open() const {
        for (int row = 0; row < game.GridSize(); ++row) {
            for (int col = 0; col < game.GridSize(); ++col) {
                if (!game.IsGiven(row, col)) {
                    return {col, row};
                }
            }
        }
        return {-1, -1};
    }
    // Brings a fresh game to a column's state; while playing, every open cell holds an entry.
    void Reach(int column, int size_item) {
        if (column > 0) {
            game.Generate(size_item, 0);
        }
        if (column >= 3) {
            game.Play();
            for (int i = 0; i < game.GridSize() * game.GridSize(); ++i) {
                game.Enter({i % game.GridSize(), i / game.GridSize()}, game.Symbols().front());
            }
        }
        if (column == 2 || column == 4) {
            game.ToggleView();
        }
        view = {};
        services.messages.clear();
    }
    // Runs a command as the window would while its action is enabled.
    void Run(Command command, int size_item) {
        switch (command) {
            case Command::Hint:
                game.Hint(Open());
                break;
            case Command::PlayAnsweredYes:
            case Command::PlayAnsweredNo:
                services.answers.push_back(command == Command::PlayAnsweredYes
                                               ? platform::DialogAnswer::Yes
                                               : platform::DialogAnswer::No);
                game.Playing() ? void(game.Quit()) : game.Play();
                break;
            case Command::Toggle:
                game.ToggleView();
                break;
            case Command::Generate:
            case Command::GenerateEngineFails:
            case Command::GenerateSolutionClashes:
            case Command::GenerateFetchFails:
                supply = command == Command::GenerateEngineFails       ? Supply::EngineFails
                         : command == Command::GenerateSolutionClashes ? Supply::SolutionClashes
                         : command == Command::GenerateFetchFails      ? Supply::FetchFails
                                                                       : Supply::Bank;
                game.Generate(size_item, 0);
                break;
            default:  // the window's own: help, print and the two boxes leave the game alone
                break;
        }
    }
};

// Whether each cell of the grid carries a clash mark.
std::vector<bool> Marks(const Game& game) {
    std::vector<bool> marks;
    for (int row = 0; row < game.GridSize(); ++row) {
        for (int col = 0; col < game.GridSize(); ++col) {
            marks.push_back(game.ShowsClash(row, col));
        }
    }
    return marks;
}

}  // namespace

class GameRulesTest : public QObject {
    Q_OBJECT

  private slots:
    // The state reached, and the view told of it once for each state set: a generation attempt
    // sets one whether it succeeds or fails in the engine, a refused quit or a hint sets none.
    void everyCommandFromEveryState() {
        for (int size_item = 0; size_item < 3; ++size_item) {
            for (int from = 0; from < 5; ++from) {
                for (int c = 0; c <= static_cast<int>(Command::GenerateFetchFails); ++c) {
                    const auto command = static_cast<Command>(c);
                    const int to = After(command, from);
                    if (to == kPass) {
                        continue;
                    }
                    Table t;
                    t.Reach(from, size_item);
                    const CharGrid play = t.game.PlayGrid();
                    const CharGrid given = t.game.GivenGrid();
                    t.Run(command, size_item);
                    const QByteArray where = QByteArray::number(c) + " from " +
                                             QByteArray::number(from) + " on size item " +
                                             QByteArray::number(size_item);
                    QVERIFY2(t.game.State() == kStates[to], where);
                    const bool sets_state = command == Command::Toggle ||
                                            command == Command::PlayAnsweredYes ||
                                            (command == Command::PlayAnsweredNo && from < 3);
                    const int attempts = command == Command::Generate             ? 1
                                         : command == Command::GenerateFetchFails ? 0
                                         : command >= Command::Generate           ? 11
                                                                                  : 0;
                    QVERIFY2(t.view.state_changes == (sets_state ? 1 : attempts), where);
                    QVERIFY2(t.view.new_puzzles == (command == Command::Generate ? 1 : 0), where);
                    QVERIFY2(t.view.reports.empty(), where);
                    // Quitting erases every entry and keeps the givens; a failed fetch keeps the
                    // game on display (a first one lays out an empty grid); nothing else touches
                    // the grids.
                    if (command == Command::PlayAnsweredYes && from >= 3) {
                        QVERIFY2(t.game.PlayGrid() == given, where);
                    } else if (command < Command::Generate ||
                               (command == Command::GenerateFetchFails && from > 0)) {
                        QVERIFY2(t.game.PlayGrid() == play && t.game.GivenGrid() == given, where);
                    }
                }
            }
        }
    }

    // What each state offers, against the tests' table; a value that names no state has no row
    // and its own message in both languages.
    void rowsOfTheStateTable() {
        LanguageScope scope("EN");
        for (int column = 0; column < 5; ++column) {
            const StateRow* row = RowOf(kStates[column]);
            QVERIFY(row != nullptr);
            const View& v = kViews[column];
            QCOMPARE(row->generate, v.generate);
            QCOMPARE(row->game_commands, v.play && v.toggle);
            QCOMPARE(row->hint, v.hint);
            QCOMPARE(row->game_panel, v.game_panel);
            QCOMPARE(row->focus_grid, v.game_panel);
            QCOMPARE(row->play.english != nullptr, v.play_text != nullptr);
            if (v.play_text != nullptr) {
                QCOMPARE(QString(row->play.english), QString(v.play_text));
                QCOMPARE(QString(row->toggle.english), QString(v.toggle_text));
            }
            QCOMPARE(!row->menu.empty(), column > 0);
            if (column > 0) {
                QCOMPARE(row->toggled, kStates[After(Command::Toggle, column)]);
            }
        }
        for (const int state : {3, 6, 255}) {
            QVERIFY(RowOf(static_cast<GameState>(state)) == nullptr);
        }
        QCOMPARE(UnmanagedStateMessage(3),
                 QStringLiteral("Internal error 001: state:3 unmanaged !"));
        scope.Set("IT");
        QCOMPARE(UnmanagedStateMessage(9),
                 QStringLiteral("Internal error 001: stato:9 non gestito !"));
    }

    // An entry is written only while playing and reports its own cell plus exactly the cells
    // whose clash mark it changed; emptying the cell again reports the same way.
    void entriesReportTheCellsTheyChange() {
        for (int size_item = 0; size_item < 3; ++size_item) {
            for (const bool error_view : {false, true}) {
                Table t;
                t.game.SetErrorView(error_view);
                t.Reach(1, size_item);
                const CellPlace cell = t.Open();
                const char symbol = t.game.Symbols().front();
                for (int column : {1, 2, 4}) {
                    Table other;
                    other.Reach(column, size_item);
                    QCOMPARE(other.game.Enter(other.Open(), symbol), Game::Entry::NotPlaying);
                    QVERIFY(other.view.reports.empty());
                }
                t.game.Play();
                // Every symbol in turn, so that some clash with the row, column or box.
                for (const char ch : std::string(t.game.Symbols()) + " ") {
                    const std::vector<bool> before = Marks(t.game);
                    t.view.reports.clear();
                    QCOMPARE(t.game.Enter(cell, ch), Game::Entry::Written);
                    QCOMPARE(t.game.PlayGrid()[cell.row][cell.col], ch);
                    const std::vector<bool> after = Marks(t.game);
                    std::vector<CellPlace> expected = {cell};
                    for (int i = 0; i < int(after.size()); ++i) {
                        const CellPlace place{i % t.game.GridSize(), i / t.game.GridSize()};
                        if (before[i] != after[i] && !(place == cell)) {
                            expected.push_back(place);
                        }
                    }
                    QCOMPARE(t.view.reports.size(), size_t{1});
                    std::vector<CellPlace> reported = t.view.reports.front();
                    const auto order = [](CellPlace a, CellPlace b) {
                        return std::pair(a.row, a.col) < std::pair(b.row, b.col);
                    };
                    std::sort(reported.begin() + 1, reported.end(), order);
                    std::sort(expected.begin() + 1, expected.end(), order);
                    QVERIFY(reported == expected);
                }
                const CellPlace given = [&] {
                    for (int i = 0;; ++i) {
                        if (t.game.IsGiven(i / t.game.GridSize(), i % t.game.GridSize())) {
                            return CellPlace{i % t.game.GridSize(), i / t.game.GridSize()};
                        }
                    }
                }();
                QCOMPARE(t.game.Enter(given, symbol), Game::Entry::OnGiven);
                QCOMPARE(t.game.Enter(cell, '.'), Game::Entry::NotASymbol);
                t.view.reports.clear();
                t.game.Hint(cell);
                QVERIFY(t.view.reports.empty());
            }
        }
    }

    // A size change lays the grid out at once, filled with '.', for the new size; when the
    // attempt then fails before any board of that size exists, the grid keeps that size (its box
    // lines with it) and the state stays, and the next success builds a board of that size.
    void failedAttemptAfterASizeChange() {
        for (int size_item = 1; size_item < 3; ++size_item) {
            Table t;
            t.Reach(1, 0);
            t.supply = Supply::FetchFails;
            QVERIFY(!t.game.NewGame(size_item, 0));
            const int32_t box_size = BoxSizeOfItem(size_item);
            QVERIFY(t.view.layouts == (std::vector<std::pair<int32_t, bool>>{{box_size, true}}));
            QCOMPARE(t.game.ActiveBoxSize(), box_size);
            QCOMPARE(t.game.State(), gsPuzzle);
            for (int row = 0; row < t.game.GridSize(); ++row) {
                for (int col = 0; col < t.game.GridSize(); ++col) {
                    QCOMPARE(t.game.ShownSymbol(row, col), '.');
                }
            }
            t.supply = Supply::Bank;
            QVERIFY(t.game.NewGame(size_item, 0));
            QCOMPARE(t.game.Board()->GetGridSize(), box_size * box_size);
            QCOMPARE(t.game.PlayGrid(), t.game.GivenGrid());
        }
    }
};

QTEST_GUILESS_MAIN(GameRulesTest)
#include "GameRulesTest.moc"
