// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Events.h"

namespace quintara::monkey {

// The game states and their numbers.
enum class State : uint8_t { None = 0, Puzzle = 1, Solution = 2, Playing = 4, PlayingSolution = 5 };

// What a press, a click or the keyboard focus can land on. The driver says what it hit; the
// model decides what that does.
enum class Target {
    Nothing,  // no widget of the window
    Window,   // the window itself, no control under it
    Grid,
    GridArea,   // the grid's scroll area, around and behind the grid
    ScrollBar,  // one of the scroll area's bars
    Generate,
    Size0,
    Size1,
    Size2,
    Play,
    Toggle,
    Hint,
    HideTimer,
    ErrorView,
    FontPlus,
    FontMinus,
    Help,
    Link,
    Inert,  // panels, labels, the clock (a Tab stop): nothing happens there
};
const char* Name(Target target);
bool IsSizeItem(Target target);
bool IsArrow(int key);  // a Qt key

// What the player sees come out of one event, in order.
struct Output {
    enum class Kind { Message, Question, News, Shell } kind;
    std::string text;
    bool operator==(const Output&) const = default;
};
std::string Describe(const Output& output);

struct Cell {
    int col = 0;
    int row = 0;
    bool operator==(const Cell&) const = default;
};

// A puzzle as the window holds it after a generation, read back by the driver.
struct Puzzle {
    int box = 3;
    std::vector<char> given;     // row by row, ' ' where there is no given
    std::vector<char> solution;  // row by row
    std::vector<char> play;      // the play grid right after the generation
};

// Enabled, visible and captioned controls of a state, transcribed from the state table.
struct Controls {
    bool generate;       // Generate and the size group
    bool game_commands;  // Play, Show solution and Print
    bool hint;
    bool game_panel;     // the panel with the clock, the two check boxes and Hint
    bool menu;           // the context menu opens on a right click
    const char* play;    // caption of the Play button; null: left as it was
    const char* toggle;  // caption of the Show solution button; null: left as it was
};
const Controls& ControlsOf(State state);

// The game as a player expects it to behave: states and their transitions, the controls of each
// state, the grid's layout, the entry rules, the keyboard focus and every message, question,
// dialog and web page the game opens. Written from the rules of the game alone: it never calls
// the window's code, it only reads the puzzle the window drew.
class Model {
  public:
    explicit Model(int64_t now_ms);

    // Inputs, one press or click at a time, as the driver sends them.
    void KeyPress(const Chord& chord);
    void KeyRelease(const Chord& chord);
    // A click landing on `hit`; `cell` is the grid cell under it, if any. A check box or a radio
    // item clicked away from its box and text takes the focus but does not `work`. True when
    // the click opens the context menu.
    bool Click(Mouse button, Target hit, std::optional<Cell> cell, bool works = true);
    // An item of the open context menu chosen, by its place in the menu.
    void ChooseMenuItem(size_t index);
    void SetAnswers(const Answers& answers) { answers_ = answers; }
    void AdvanceClock(int64_t ms) { now_ms_ += ms; }
    // The toolkit moved the focus where the model cannot follow (Tab, arrows on buttons, a
    // control disabled under it): the driver tells where it went.
    void FocusMovedTo(Target target) { focus_ = target; }
    void ForgetFocus() { focus_.reset(); }
    // The size group changed by keyboard navigation among its items.
    void SizeItemChosen(int item) { size_item_ = item; }

    // A generation happened: the driver hands over what the window drew.
    bool AwaitingPuzzle() const { return awaiting_puzzle_; }
    void TakePuzzle(const Puzzle& puzzle);

    // Expectations.
    State state() const { return state_; }
    const Controls& controls() const { return ControlsOf(state_); }
    bool GridShown() const { return grid_shown_; }
    int Box() const { return box_; }
    int GridSize() const { return box_ * box_; }
    int SizeItem() const { return size_item_; }
    Cell Selection() const { return selection_; }
    int FontSize() const { return font_; }
    int CellWidth() const { return cell_width_; }
    int CellHeight() const { return cell_height_; }
    int LineWidth() const { return line_width_; }
    int GridRows() const { return grid_rows_; }
    bool ErrorView() const { return error_view_; }
    bool HideTimer() const { return hide_timer_; }
    bool ClockShown() const { return state_ == State::Playing && !hide_timer_; }
    std::string ClockText() const;  // what the clock shows now, while play runs
    const std::string& PlayCaption() const { return play_caption_; }
    const std::string& ToggleCaption() const { return toggle_caption_; }
    std::vector<std::string> MenuItems() const;
    std::optional<Target> Focus() const { return focus_; }
    bool HasPuzzle() const { return !puzzle_.given.empty(); }
    const Puzzle& puzzle() const { return puzzle_; }
    char PlayAt(int col, int row) const;
    char Shown(int col, int row) const;  // what the cell shows in the current state
    std::vector<Output> TakeOutputs();
    // Faults the model itself noticed (a drawn puzzle that breaks the rules, a click on a
    // control that should not be there); empty when all is well.
    std::vector<std::string> TakeFaults();

    // For the smart moves: the cells whose entry differs from the solution.
    std::vector<Cell> OpenCells() const;
    char SolutionAt(Cell cell) const;

    static std::string_view Alphabet(int box);
    static std::string ClockTextOf(int64_t start_ms, int64_t now_ms);

  private:
    // Commands and handlers.
    void Generate();
    void PlayOrQuit();
    void Toggle();
    void Hint();
    void Help();
    void Print();
    void FlipErrorView();
    void FlipHideTimer();
    void Font(int step);
    void Enter(char ch);
    void UpdateState();
    void FocusGridIfShown();

    bool FunctionKey(const Chord& chord);  // the window's key preview; true when consumed
    void KeyOn(Target target, const Chord& chord);
    void ModifierPresses(const Chord& chord);
    void GridKey(const Chord& chord);
    void LinkKey(const Chord& chord);
    void ControlActivated(Target target);
    bool Usable(Target target) const;  // visible and enabled, so it can take a click or the focus

    bool Full() const;
    bool Clashes(int col, int row) const;
    void CheckCompleted();
    void Out(Output::Kind kind, std::string text);
    void Fault(std::string text);

    State state_ = State::None;
    bool grid_shown_ = false;
    int box_ = 3;
    int size_item_ = 0;
    int font_ = 8;
    int cell_width_;
    int cell_height_;
    int line_width_;
    int grid_rows_;
    Cell selection_;
    bool error_view_ = false;
    bool hide_timer_ = false;
    std::string play_caption_;
    std::string toggle_caption_;
    Puzzle puzzle_;
    std::vector<char> play_;
    bool awaiting_puzzle_ = false;
    int64_t now_ms_;
    int64_t start_ms_ = 0;
    std::optional<Target> focus_;
    std::optional<Target> space_down_;  // a button held down by the space bar
    Answers answers_;
    std::vector<Output> outputs_;
    std::vector<std::string> faults_;
};

}  // namespace quintara::monkey
