// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/CharGrid.h"
#include "engine/Symbols.h"
#include "engine/TsdBoard.h"
#include "ui/game/GameState.h"
#include "ui/game/PuzzleSource.h"

namespace quintara {

namespace platform {
class Services;
}

// The size group's items 0, 1 and 2 stand for boxes of 3, 4 and 5 cells a side.
constexpr int32_t BoxSizeOfItem(int item) {
    return kSmallestBoxSize + item;
}
constexpr int SizeItemOf(int32_t box_size) {
    return box_size - kSmallestBoxSize;
}

// A cell of the grid: column from the left, row from the top.
struct CellPlace {
    int col = 0;
    int row = 0;
    friend bool operator==(const CellPlace&, const CellPlace&) = default;
};

// What a game asks of whatever shows it. Each call comes at once, inside the operation that
// causes it, so that what the player sees follows the game's own order of events.
class GameView {
  public:
    virtual ~GameView() = default;
    // Lay the grid out for a box size; a changed size also sizes the window for it.
    virtual void LayOut(int32_t box_size, bool size_changed) = 0;
    // A new puzzle is in the grids; the state follows at once.
    virtual void NewPuzzle() = 0;
    // The state was set (also to the same value): controls and the whole grid follow it.
    virtual void StateChanged() = 0;
    // These cells show something else now: another symbol or another clash mark.
    virtual void CellsChanged(const std::vector<CellPlace>& cells) = 0;
};

// One game at a time, with no widgets: the engine's board, the three grids, the state, the start
// of play and the box size; generation with its retries, play and quit, the two views, the hint,
// entries, the completion test and what each cell shows. Messages and questions go through the
// services; what changed goes to the view.
class Game {
  public:
    // What became of an entry.
    enum class Entry { Written, OnGiven, NotASymbol, NotPlaying };

    Game(platform::Services& services, PuzzleSource puzzles, GameView& view);
    ~Game();

    // The values of a new window: no board, no layout, size 3, gsNone (the view is not told).
    void Reset();

    // One generation attempt for the size group's item and the level group's item; true on
    // success.
    bool NewGame(int size_item, int level_item);
    // The Generate command: the first attempt and up to ten retries; false when they ran out.
    bool Generate(int size_item, int level_item);
    // Starts play and its clock; the state must offer it.
    void Play();
    // Asks whether to quit; on Yes the entries go and the puzzle is shown again. True on Yes.
    bool Quit();
    // Show solution / Show game; nothing in gsNone.
    void ToggleView();
    // The solution's symbol of a cell that is not a given, in a message.
    void Hint(CellPlace cell);
    // The player's entry (a space empties the cell); while playing only.
    Entry Enter(CellPlace cell, char ch);
    // A key on the grid outside play: how to start or resume playing.
    void ExplainHowToPlay();
    // The error view of the window's check box: clash marks while playing.
    void SetErrorView(bool on);
    // Frees the engine's board, as the window closes.
    void FreeBoard() { board_.reset(); }

    GameState State() const { return state_; }
    bool Playing() const;
    // The box size the grid is laid out for, and so the one it shows.
    int32_t ActiveBoxSize() const { return box_size_; }
    int32_t GridSize() const { return box_size_ * box_size_; }
    // Whether any generation attempt has laid the grid out yet.
    bool LaidOut() const { return laid_out_; }
    bool ErrorView() const { return error_view_; }
    const TsdBoard* Board() const { return board_.get(); }
    const CharGrid& PlayGrid() const { return play_; }
    const CharGrid& GivenGrid() const { return given_; }
    const CharGrid& SolutionGrid() const { return solution_; }
    const QDateTime& StartTime() const { return start_time_; }
    // The alphabet of the grid's box size.
    std::string_view Symbols() const { return SymbolsOf(box_size_); }

    // What the grid shows in a cell in this state: the play grid or the solution.
    char ShownSymbol(int row, int col) const;
    bool IsGiven(int row, int col) const;
    // Whether the cell's symbol occurs elsewhere in its column, row or box of the play grid.
    bool Clashes(int row, int col) const;
    // Whether the cell carries a clash mark: while playing, with the error view on.
    bool ShowsClash(int row, int col) const;

  private:
    bool InGrid(CellPlace cell) const;
    void SetState(GameState state);
    void LayOutFor(int32_t box_size);
    bool LoadBoard(int32_t box_size, const std::string& puzzle, const std::string& solution);
    void ClearEntries();
    std::vector<CellPlace> CellsMarkedAround(CellPlace cell) const;
    void CheckCompleted();
    QString CongratulationText() const;

    platform::Services& services_;
    PuzzleSource puzzles_;
    GameView& view_;
    std::unique_ptr<TsdBoard> board_;
    int32_t box_size_ = 3;
    bool laid_out_ = false;
    bool error_view_ = false;
    CharGrid play_{};
    CharGrid given_{};
    CharGrid solution_{};
    GameState state_ = GameState::gsNone;
    QDateTime start_time_;
};

}  // namespace quintara
