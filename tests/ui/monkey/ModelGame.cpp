// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's model of the game: the commands and their transitions, the entries, the completion
// test and the puzzle the window drew.
#include <algorithm>
#include <cstdlib>

#include "Model.h"
#include "Rules.h"

namespace quintara::monkey {

// ---- commands --------------------------------------------------------------------------------

void Model::Generate() {
    const int box = size_item_ + 3;
    if (!grid_shown_ || box != box_) {
        const rules::SizeLayout& layout = rules::kLayouts[static_cast<size_t>(box - 3)];
        grid_shown_ = true;
        selection_ = {};
        grid_rows_ = box * box;
        cell_width_ = font_ + layout.k;
        cell_height_ = font_ + layout.k - rules::kHeightLess;
        line_width_ = layout.line_width;
    }
    box_ = box;
    awaiting_puzzle_ = true;
    focus_ = Target::Grid;
    state_ = State::Puzzle;
    UpdateState();
}

void Model::PlayOrQuit() {
    if (state_ == State::Playing || state_ == State::PlayingSolution) {
        Out(Output::Kind::Question, rules::kQuitQuestion);
        if (answers_.answer == Answer::Yes) {
            state_ = rules::kAfterPlay[rules::Index(state_)];
            play_ = puzzle_.given;
            UpdateState();
        } else {
            FocusGridIfShown();
        }
        return;
    }
    state_ = rules::kAfterPlay[rules::Index(state_)];
    UpdateState();
    start_ms_ = now_ms_;
}

void Model::Toggle() {
    state_ = rules::kAfterToggle[rules::Index(state_)];
    UpdateState();
}

void Model::Hint() {
    const size_t at = static_cast<size_t>(selection_.row * GridSize() + selection_.col);
    if (puzzle_.given[at] == ' ') {
        Out(Output::Kind::Message,
            rules::kHintPrefix + std::string(1, puzzle_.solution[at]) + ": ");
    }
    FocusGridIfShown();
}

void Model::Help() {
    Out(Output::Kind::Shell, "open " + rules::HelpAddress(rules::kHelpPage[rules::Index(state_)]));
    FocusGridIfShown();
}

void Model::Print() {
    Out(Output::Kind::News, std::string(rules::kNewsTitle) + "\n" + rules::kPrintNotice);
    for (int i = 0; i < answers_.news_clicks; ++i) {
        Out(Output::Kind::Shell, "open " + rules::NewsAddress());
    }
    FocusGridIfShown();
}

void Model::FlipErrorView() {
    error_view_ = !error_view_;
    FocusGridIfShown();
}

void Model::FlipHideTimer() {
    hide_timer_ = !hide_timer_;
    FocusGridIfShown();
}

void Model::Font(int step) {
    if ((step > 0 && font_ >= rules::kLargestFont) || (step < 0 && font_ <= rules::kSmallestFont)) {
        return;
    }
    font_ += step;
    cell_width_ += step;
    cell_height_ += step;
}

void Model::FocusGridIfShown() {
    if (grid_shown_) {
        focus_ = Target::Grid;
    }
}

void Model::UpdateState() {
    // Every state first disables the commands and the size group and hides the game panel with
    // its clock; a control among them that held the focus hands it on to one the toolkit chooses.
    // The clock is the one inert control that holds the focus (a Tab stop, for screen readers).
    if (focus_ && (IsSizeItem(*focus_) || *focus_ == Target::Generate || *focus_ == Target::Play ||
                   *focus_ == Target::Toggle || *focus_ == Target::Hint ||
                   *focus_ == Target::HideTimer || *focus_ == Target::ErrorView ||
                   *focus_ == Target::Inert)) {
        focus_.reset();
    }
    const Controls& c = controls();
    if (c.play != nullptr) {
        play_caption_ = c.play;
        toggle_caption_ = c.toggle;
    }
    if (state_ == State::Playing) {
        hide_timer_ = false;
        FocusGridIfShown();
    }
}

// ---- entries and completion ------------------------------------------------------------------

void Model::Enter(char ch) {
    if (state_ != State::Playing || !HasPuzzle()) {
        return;
    }
    const size_t at = static_cast<size_t>(selection_.row * GridSize() + selection_.col);
    if (puzzle_.given[at] != ' ') {
        return;
    }
    if (ch != ' ' && Alphabet(box_).find(ch) == std::string_view::npos) {
        return;
    }
    play_[at] = ch;
    CheckCompleted();
}

char Model::PlayAt(int col, int row) const {
    return play_[static_cast<size_t>(row * GridSize() + col)];
}

char Model::Shown(int col, int row) const {
    const bool play_shown = state_ == State::Puzzle || state_ == State::Playing;
    return play_shown ? PlayAt(col, row)
                      : puzzle_.solution[static_cast<size_t>(row * GridSize() + col)];
}

bool Model::Full() const {
    return std::find(play_.begin(), play_.end(), ' ') == play_.end();
}

bool Model::Clashes(int col, int row) const {
    const int n = GridSize();
    const char ch = PlayAt(col, row);
    const int left = col - col % box_;
    const int top = row - row % box_;
    for (int i = 0; i < n; ++i) {
        const int box_col = left + i % box_;
        const int box_row = top + i / box_;
        if ((i != col && PlayAt(i, row) == ch) || (i != row && PlayAt(col, i) == ch) ||
            ((box_col != col || box_row != row) && PlayAt(box_col, box_row) == ch)) {
            return true;
        }
    }
    return false;
}

void Model::CheckCompleted() {
    if (!Full()) {
        return;
    }
    for (int row = 0; row < GridSize(); ++row) {
        for (int col = 0; col < GridSize(); ++col) {
            if (Clashes(col, row)) {
                return;
            }
        }
    }
    const int64_t span = std::abs(now_ms_ - start_ms_);
    const int64_t hours = span / 3600000;
    const int64_t minutes = span / 60000 - 60 * hours;
    const int64_t seconds = span / 1000 - 3600 * hours - 60 * minutes;
    Out(Output::Kind::Message,
        "Congratulations !\r\nYou've successfully completed\r\nthe Sudoku puzzle in:" +
            std::to_string(hours) + ": hours, :" + std::to_string(minutes) + " min. and " +
            std::to_string(seconds) + " seconds.");
}

std::vector<Cell> Model::OpenCells() const {
    std::vector<Cell> cells;
    if (!HasPuzzle()) {
        return cells;
    }
    for (int row = 0; row < GridSize(); ++row) {
        for (int col = 0; col < GridSize(); ++col) {
            const size_t at = static_cast<size_t>(row * GridSize() + col);
            if (play_[at] != puzzle_.solution[at]) {
                cells.push_back({col, row});
            }
        }
    }
    return cells;
}

char Model::SolutionAt(Cell cell) const {
    return puzzle_.solution[static_cast<size_t>(cell.row * GridSize() + cell.col)];
}

// ---- the drawn puzzle ------------------------------------------------------------------------

void Model::TakePuzzle(const Puzzle& puzzle) {
    awaiting_puzzle_ = false;
    const int n = box_ * box_;
    const size_t cells = static_cast<size_t>(n * n);
    if (puzzle.box != box_ || puzzle.given.size() != cells || puzzle.solution.size() != cells) {
        Fault("the new puzzle is not of the size chosen");
        return;
    }
    const std::string_view alphabet = Alphabet(box_);
    for (int unit = 0; unit < n; ++unit) {
        std::string row, col, box;
        for (int i = 0; i < n; ++i) {
            const int box_col = unit % box_ * box_ + i % box_;
            const int box_row = unit / box_ * box_ + i / box_;
            row += puzzle.solution[static_cast<size_t>(unit * n + i)];
            col += puzzle.solution[static_cast<size_t>(i * n + unit)];
            box += puzzle.solution[static_cast<size_t>(box_row * n + box_col)];
        }
        // Every alphabet is in ascending order, so a unit holds each symbol once exactly when
        // its sorted symbols spell the alphabet.
        for (std::string* group : {&row, &col, &box}) {
            std::sort(group->begin(), group->end());
            if (*group != alphabet) {
                Fault("the solution breaks a rule in row, column or box " + std::to_string(unit));
                return;
            }
        }
    }
    size_t givens = 0;
    for (size_t i = 0; i < cells; ++i) {
        if (puzzle.given[i] != ' ') {
            ++givens;
            if (puzzle.given[i] != puzzle.solution[i]) {
                Fault("a given differs from the solution");
                return;
            }
        }
    }
    if (givens == 0 || givens == cells) {
        Fault("the new puzzle has no givens or no open cells");
    }
    if (puzzle.play != puzzle.given) {
        Fault("the play grid of a new puzzle is not its givens");
    }
    puzzle_ = puzzle;
    play_ = puzzle.given;
}

}  // namespace quintara::monkey
