// The game's rules for the monkey: the state table, the transitions of each command, the keys,
// the clicks, the context menu and the entries, kept apart from the window's code.
#include "Model.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "ui/Links.h"

namespace quintara::monkey {

namespace {

constexpr std::array<std::string_view, 3> kAlphabets = {"123456789", "0123456789ABCDEF",
                                                        "ABCDEFGHIJKLMNOPQRSTUVWXY"};

// Cell width is the font size plus K, the height 10 less; the thin lines are as wide as given.
struct SizeLayout {
    int k;
    int line_width;
};
constexpr std::array<SizeLayout, 3> kLayouts = {{{36, 3}, {26, 2}, {26, 2}}};
constexpr int kHeightLess = 10;
constexpr int kSmallestFont = 8;
constexpr int kLargestFont = 16;

// The grid before its first layout.
constexpr int kDesignCells = 25;
constexpr int kDesignColWidth = 25;
constexpr int kDesignRowHeight = 22;
constexpr int kDesignLineWidth = 1;

size_t Index(State state) {
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

// The state table: generate, game commands, hint, game panel, menu, Play and Show solution texts.
constexpr std::array<Controls, 5> kControls = {{
    {true, false, false, false, false, nullptr, nullptr},
    {true, true, false, false, true, " Play [F5] ", " Show solution [F6] "},
    {true, true, false, false, true, " Play [F5] ", " Show game [F6] "},
    {false, true, true, true, true, " Quit game [F5] ", " Show solution [F6] "},
    {false, true, false, false, true, " Quit game [F5] ", " Show game [F6] "},
}};

// Where Play (or Quit game answered Yes) and Show solution / Show game lead from each state.
// Both are disabled in gsNone; there the tables are never read.
constexpr std::array<State, 5> kAfterPlay = {State::None, State::Playing, State::Playing,
                                             State::Puzzle, State::Puzzle};
constexpr std::array<State, 5> kAfterToggle = {State::None, State::Solution, State::Puzzle,
                                               State::PlayingSolution, State::Playing};

// Help page of each state.
constexpr std::array<int, 5> kHelpPage = {0, 1, 1, 2, 2};

const char* const kStartMessage = "To start playing click [Play] or press [F5] !";
const char* const kResumeMessage = "To play click on [View Game] or press [F6] !";
const char* const kQuitQuestion = "Quit the current game ?";
const char* const kHintPrefix = "For this box the best symbol is :";
const char* const kPrintNotice =
    "  In  questa  versione non e' supportata la stampa !\r\n"
    "  Se vuoi sudoku da stampare, chiudi questo messaggio e\r\n"
    "  scaricali da PuzzleDepot con il pulsante in basso \r\n"
    "  [Scarica e stampa..].";

std::string Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string HelpAddress(int page) {
    return std::string(links::kMakerSite) + "/w_orvella-quintara0-hlp" + std::to_string(page) +
           "-EN.aspx";
}

std::string NewsAddress() {
    return std::string("https://") + links::kNewsHost +
           "/puzzleDepot/quintara-news.aspx?fid=" + links::kNewsId;
}

bool IsArrowOrHome(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
           key == Qt::Key_Down || key == Qt::Key_Home || key == Qt::Key_End;
}

bool IsArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

bool IsPushButton(Target target) {
    switch (target) {
        case Target::Generate:
        case Target::Play:
        case Target::Toggle:
        case Target::Hint:
        case Target::FontPlus:
        case Target::FontMinus:
        case Target::Help:
        case Target::HideTimer:
        case Target::ErrorView:
            return true;
        default:
            return false;
    }
}

bool IsSizeItem(Target target) {
    return target == Target::Size0 || target == Target::Size1 || target == Target::Size2;
}

// The character a key enters while playing: the space bar, the digit and letter keys with or
// without modifiers, and the keypad's digits. Every other key enters nothing.
std::optional<char> CharacterOf(const Chord& chord) {
    if (chord.key == Qt::Key_Space) {
        return ' ';
    }
    if (chord.key >= Qt::Key_0 && chord.key <= Qt::Key_9) {
        return static_cast<char>('0' + (chord.key - Qt::Key_0));
    }
    if (!chord.keypad && chord.key >= Qt::Key_A && chord.key <= Qt::Key_Z) {
        return static_cast<char>('A' + (chord.key - Qt::Key_A));
    }
    return std::nullopt;
}

}  // namespace

const char* Name(Target target) {
    static constexpr std::array<const char*, 19> kNames = {"nothing",
                                                           "the window",
                                                           "the grid",
                                                           "the grid's scroll area",
                                                           "a scroll bar",
                                                           "Generate",
                                                           "size item 0",
                                                           "size item 1",
                                                           "size item 2",
                                                           "Play",
                                                           "Show solution",
                                                           "Hint",
                                                           "Hide timer",
                                                           "View errors",
                                                           "+",
                                                           "-",
                                                           "Help",
                                                           "the link",
                                                           "an inert part of the window"};
    return kNames[static_cast<size_t>(target)];
}

std::string Describe(const Output& output) {
    static constexpr std::array<const char*, 4> kKinds = {"message", "question", "news dialog",
                                                          "shell"};
    std::string text;
    for (const char c : output.text) {
        text += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return std::string(kKinds[static_cast<size_t>(output.kind)]) + " \"" + text + "\"";
}

const Controls& ControlsOf(State state) {
    return kControls[Index(state)];
}

std::string_view Model::Alphabet(int box) {
    return box >= 3 && box <= 5 ? kAlphabets[static_cast<size_t>(box - 3)] : std::string_view();
}

Model::Model(int64_t now_ms)
    : cell_width_(kDesignColWidth),
      cell_height_(kDesignRowHeight),
      line_width_(kDesignLineWidth),
      grid_rows_(kDesignCells),
      play_caption_("Play [F5]"),
      toggle_caption_("Show solution"),
      now_ms_(now_ms) {}

// ---- inputs ----------------------------------------------------------------------------------

void Model::KeyPress(const Chord& chord) {
    ModifierPresses(chord);
    if (!FunctionKey(chord) && focus_) {
        KeyOn(*focus_, chord);
        // AltGr comes as Ctrl then Alt, as a Windows keyboard sends it; Alt follows only when
        // AltGr went to the focused control.
        if (chord.key == Qt::Key_AltGr) {
            KeyOn(*focus_, Chord{Qt::Key_Alt, Qt::ControlModifier | Qt::AltModifier, false});
        }
    }
}

void Model::KeyRelease(const Chord& chord) {
    if (chord.key == Qt::Key_Space && space_down_ && focus_ == space_down_) {
        const Target target = *space_down_;
        space_down_.reset();
        ControlActivated(target);
    }
}

// A keyboard presses Shift, Ctrl and Alt before the key; each press travels like any other key.
void Model::ModifierPresses(const Chord& chord) {
    const std::array<std::pair<Qt::KeyboardModifier, int>, 3> modifiers = {
        {{Qt::ShiftModifier, Qt::Key_Shift},
         {Qt::ControlModifier, Qt::Key_Control},
         {Qt::AltModifier, Qt::Key_Alt}}};
    Qt::KeyboardModifiers held;
    for (const auto& [modifier, key] : modifiers) {
        if (chord.mods.testFlag(modifier)) {
            if (focus_) {
                KeyOn(*focus_, Chord{key, held, false});
            }
            held |= modifier;
        }
    }
}

// The window sees every key first: an unmodified function key whose command is usable runs it
// and goes no further.
bool Model::FunctionKey(const Chord& chord) {
    if (chord.mods & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) {
        return false;
    }
    const Controls& c = controls();
    switch (chord.key) {
        case Qt::Key_F1:
            Help();
            return true;
        case Qt::Key_F4:
            return c.hint && (Hint(), true);
        case Qt::Key_F5:
            return c.game_commands && (PlayOrQuit(), true);
        case Qt::Key_F6:
            return c.game_commands && (Toggle(), true);
        case Qt::Key_F7:
            return c.game_commands && (Print(), true);
        case Qt::Key_F8:
            FlipErrorView();
            return true;
        case Qt::Key_F9:
            return c.game_panel && (FlipHideTimer(), true);
        case Qt::Key_F10:
            return c.generate && (Generate(), true);
        default:
            return false;
    }
}

// A key that the window left alone reaches the control with the focus.
void Model::KeyOn(Target target, const Chord& chord) {
    const bool traversal =
        chord.key == Qt::Key_Tab && !(chord.mods & (Qt::ControlModifier | Qt::AltModifier));
    if (traversal) {
        focus_.reset();  // the next control in the tab order, which the toolkit chooses
        return;
    }
    if (target == Target::Grid) {
        GridKey(chord);
    } else if (IsPushButton(target) || IsSizeItem(target)) {
        if (chord.key == Qt::Key_Space) {
            space_down_ = target;  // the click comes with the release
        } else if (IsArrow(chord.key)) {
            focus_.reset();  // arrows move among buttons, or among the size items
        }
    }
}

void Model::GridKey(const Chord& chord) {
    switch (state_) {
        case State::Playing:
            if (const std::optional<char> ch = CharacterOf(chord)) {
                Enter(*ch);
            }
            break;
        case State::PlayingSolution:
            Out(Output::Kind::Message, kResumeMessage);
            break;
        default:
            Out(Output::Kind::Message, kStartMessage);
            break;
    }
    if (!IsArrowOrHome(chord.key)) {
        return;
    }
    const int last = grid_rows_ - 1;
    Cell& s = selection_;
    switch (chord.key) {
        case Qt::Key_Left:
            s.col = std::max(s.col - 1, 0);
            break;
        case Qt::Key_Right:
            s.col = std::min(s.col + 1, last);
            break;
        case Qt::Key_Up:
            s.row = std::max(s.row - 1, 0);
            break;
        case Qt::Key_Down:
            s.row = std::min(s.row + 1, last);
            break;
        case Qt::Key_Home:
            s.col = 0;
            break;
        default:
            s.col = last;
            break;
    }
}

bool Model::Usable(Target target) const {
    const Controls& c = controls();
    switch (target) {
        case Target::Generate:
        case Target::Size0:
        case Target::Size1:
        case Target::Size2:
            return c.generate;
        case Target::Play:
        case Target::Toggle:
            return c.game_commands;
        case Target::Hint:
            return c.game_panel && c.hint;
        case Target::HideTimer:
        case Target::ErrorView:
            return c.game_panel;
        case Target::Grid:
            return grid_shown_;
        default:
            return true;
    }
}

bool Model::Click(Mouse button, Target hit, std::optional<Cell> cell, bool works) {
    if (!Usable(hit)) {
        const bool hidden =
            hit == Target::Grid ||
            ((hit == Target::Hint || hit == Target::HideTimer || hit == Target::ErrorView) &&
             !controls().game_panel);
        if (hidden) {
            Fault(std::string("a click landed on ") + Name(hit) + ", which should be hidden");
        }
        return false;  // a disabled control takes neither the click nor the focus
    }
    switch (hit) {
        case Target::Nothing:
        case Target::Window:
        case Target::Inert:
            return false;
        case Target::ScrollBar:
            focus_.reset();  // the scroll area may or may not take the focus
            return false;
        case Target::Link:
            if (button == Mouse::Left) {
                Out(Output::Kind::Shell, std::string("open ") + links::kMakerSite);
            }
            return false;
        default:
            break;
    }
    focus_ = hit;  // a press of any button focuses what it lands on
    if (hit == Target::Grid) {
        const bool on_cell = cell.has_value();
        if (on_cell &&
            (button == Mouse::Left || (button == Mouse::Right && state_ == State::Playing))) {
            selection_ = *cell;
        }
        return button == Mouse::Right && controls().menu;
    }
    if (button == Mouse::Left && works) {
        ControlActivated(hit);
    }
    return false;
}

void Model::ControlActivated(Target target) {
    switch (target) {
        case Target::Generate:
            Generate();
            break;
        case Target::Size0:
        case Target::Size1:
        case Target::Size2:
            size_item_ = static_cast<int>(target) - static_cast<int>(Target::Size0);
            break;
        case Target::Play:
            PlayOrQuit();
            break;
        case Target::Toggle:
            Toggle();
            break;
        case Target::Hint:
            Hint();
            break;
        case Target::HideTimer:
            FlipHideTimer();
            break;
        case Target::ErrorView:
            FlipErrorView();
            break;
        case Target::FontPlus:
            Font(+1);
            break;
        case Target::FontMinus:
            Font(-1);
            break;
        case Target::Help:
            Help();
            break;
        default:
            break;
    }
}

// ---- the context menu ------------------------------------------------------------------------

std::vector<std::string> Model::MenuItems() const {
    std::vector<std::string> items;
    const std::string play = Trim(play_caption_);
    switch (state_) {
        case State::Puzzle:
        case State::Solution:
            return {play, toggle_caption_};  // the toggle item keeps the button's blanks
        case State::Playing:
            items.push_back("Delete ");
            for (const char symbol : Alphabet(box_)) {
                items.emplace_back(1, symbol);
            }
            items.push_back(error_view_ ? "Disable control [F8]" : "View errors [F8]");
            items.push_back("Hint! [F4]");
            items.push_back(play);
            items.push_back(Trim(toggle_caption_));
            return items;
        case State::PlayingSolution:
            return {play, Trim(toggle_caption_)};
        default:
            return items;
    }
}

void Model::ChooseMenuItem(size_t index) {
    if (state_ == State::Playing) {
        const size_t symbols = Alphabet(box_).size();
        if (index == 0) {
            Enter(' ');
        } else if (index <= symbols) {
            Enter(Alphabet(box_)[index - 1]);
        } else if (index == symbols + 1) {
            FlipErrorView();  // the check box is shown and enabled while playing
        } else if (index == symbols + 2) {
            Hint();
        } else if (index == symbols + 3) {
            PlayOrQuit();
        } else {
            Toggle();
        }
        return;
    }
    if (index == 0) {
        PlayOrQuit();
    } else {
        Toggle();
    }
}

// ---- commands --------------------------------------------------------------------------------

void Model::Generate() {
    const int box = size_item_ + 3;
    if (!grid_shown_ || box != box_) {
        const SizeLayout& layout = kLayouts[static_cast<size_t>(box - 3)];
        grid_shown_ = true;
        selection_ = {};
        grid_rows_ = box * box;
        cell_width_ = font_ + layout.k;
        cell_height_ = font_ + layout.k - kHeightLess;
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
        Out(Output::Kind::Question, kQuitQuestion);
        if (answers_.answer == Answer::Yes) {
            state_ = kAfterPlay[Index(state_)];
            play_ = puzzle_.given;
            UpdateState();
        } else {
            FocusGridIfShown();
        }
        return;
    }
    state_ = kAfterPlay[Index(state_)];
    UpdateState();
    start_ms_ = now_ms_;
}

void Model::Toggle() {
    state_ = kAfterToggle[Index(state_)];
    UpdateState();
}

void Model::Hint() {
    const size_t at = static_cast<size_t>(selection_.row * GridSize() + selection_.col);
    if (puzzle_.given[at] == ' ') {
        Out(Output::Kind::Message, kHintPrefix + std::string(1, puzzle_.solution[at]) + ": ");
    }
    FocusGridIfShown();
}

void Model::Help() {
    Out(Output::Kind::Shell, "open " + HelpAddress(kHelpPage[Index(state_)]));
    FocusGridIfShown();
}

void Model::Print() {
    Out(Output::Kind::News, std::string("Nuove versioni ?\n") + kPrintNotice);
    for (int i = 0; i < answers_.news_clicks; ++i) {
        Out(Output::Kind::Shell, "open " + NewsAddress());
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
    if ((step > 0 && font_ >= kLargestFont) || (step < 0 && font_ <= kSmallestFont)) {
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
    // Every state first disables the commands and the size group and hides the game panel; a
    // control among them that held the focus hands it on to one the toolkit chooses.
    if (focus_ && (IsSizeItem(*focus_) || *focus_ == Target::Generate || *focus_ == Target::Play ||
                   *focus_ == Target::Toggle || *focus_ == Target::Hint ||
                   *focus_ == Target::HideTimer || *focus_ == Target::ErrorView)) {
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

// ---- what came out ---------------------------------------------------------------------------

std::string Model::ClockTextOf(int64_t start_ms, int64_t now_ms) {
    constexpr int64_t kDay = 86400;
    const int64_t start = start_ms / 1000 % kDay;
    const int64_t now = now_ms / 1000 % kDay;
    const int64_t shown = ((now - start) % kDay + kDay) % kDay;
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%02d:%02d:%02d", static_cast<int>(shown / 3600),
                  static_cast<int>(shown / 60 % 60), static_cast<int>(shown % 60));
    return text.data();
}

std::string Model::ClockText() const {
    return ClockTextOf(start_ms_, now_ms_);
}

void Model::Out(Output::Kind kind, std::string text) {
    outputs_.push_back({kind, std::move(text)});
}

void Model::Fault(std::string text) {
    faults_.push_back(std::move(text));
}

std::vector<Output> Model::TakeOutputs() {
    return std::exchange(outputs_, {});
}

std::vector<std::string> Model::TakeFaults() {
    return std::exchange(faults_, {});
}

}  // namespace quintara::monkey
