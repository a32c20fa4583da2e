// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's hands: real key presses and clicks on the offscreen window, the same inputs told to
// the model.
#include "Driver.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <random>

#include "engine/Random.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/DrawGrid.h"
#include "ui/platform/LinkLabel.h"
#include "ui/platform/PopupMenu.h"
#include "ui/platform/RadioGroup.h"
#include "ui/window/Usudk0201.h"

namespace quintara::monkey {

Qt::Key KeyOf(const Chord& chord) {
    return static_cast<Qt::Key>(chord.key);
}

Qt::KeyboardModifiers ModifiersOf(const Chord& chord) {
    return chord.keypad ? chord.mods | Qt::KeypadModifier : chord.mods;
}

namespace {

// The generator's state for one event: the same for an event whatever ran before it.
uint32_t GeneratorState(uint32_t seed, size_t index) {
    std::seed_seq sequence{seed, static_cast<uint32_t>(index), static_cast<uint32_t>(index >> 32)};
    std::array<uint32_t, 1> state{};
    sequence.generate(state.begin(), state.end());
    return state[0];
}

// The text a keyboard sends with a key: its character for the Latin-1 keys, nothing for the
// others (the test library knows the text of ASCII keys only).
QString TextOf(const Chord& chord) {
    if (chord.key < Qt::Key_Space || chord.key > Qt::Key_ydiaeresis) {
        return {};
    }
    const QChar character(static_cast<char16_t>(chord.key));
    return chord.mods.testFlag(Qt::ShiftModifier) ? QString(character)
                                                  : QString(character.toLower());
}

Chord SymbolKey(char symbol) {
    return symbol >= 'A' ? Chord{Qt::Key_A + (symbol - 'A'), Qt::NoModifier, false}
                         : Chord{Qt::Key_0 + (symbol - '0'), Qt::NoModifier, false};
}

}  // namespace

Driver::Driver(uint32_t seed, int64_t start_ms)
    : seed_(seed), services_(start_ms), model_(start_ms) {
    services_.on_dialog_closed = [this] { EnsureActive(); };
    Open();
}

Driver::~Driver() = default;

// The program's start: the main window, which creates its news dialog.
void Driver::Open() {
    window_ = std::make_unique<TfrmSudoku>(services_);
    window_->show();
    EnsureActive();
    (void)QTest::qWaitForWindowExposed(window_.get());
}

// The player closes the window mid-game and starts the program again.
void Driver::Reopen() {
    window_.reset();
    model_ = Model(services_.Now().toMSecsSinceEpoch());
    Open();
}

// A window manager gives the main window the activation back when a popup or a dialog closes;
// the offscreen platform does not, so the monkey does.
void Driver::EnsureActive() {
    if (QApplication::activeWindow() != window_.get()) {
        window_->activateWindow();
        QCoreApplication::processEvents();
        // A window that comes back without a focused control gives the focus to its first one.
        const std::optional<Target> focus = model_.Focus();
        if (focus == Target::Nothing || focus == Target::Window) {
            model_.ForgetFocus();
        }
    }
}

std::vector<std::string> Driver::TakeProblems() {
    return std::exchange(problems_, {});
}

void Driver::Problem(std::string text) {
    problems_.push_back(std::move(text));
}

void Driver::Perform(const Event& event, size_t index) {
    RandomState = GeneratorState(seed_, index);
    services_.SetAnswers(event.answers);
    model_.SetAnswers(event.answers);
    services_.AdvanceClock(event.advance_ms);
    model_.AdvanceClock(event.advance_ms);
    EnsureActive();
    switch (event.kind) {
        case Kind::Key:
            Key(event.chord);
            break;
        case Kind::Hold:
            Hold(event.chord, event.count);
            break;
        case Kind::Click:
            Click(event.button, event.aim, event.x, event.y, event.menu);
            break;
        case Kind::FontBurst:
            for (int i = 0; i < event.count; ++i) {
                Click(Mouse::Left, event.plus ? Aim::FontPlus : Aim::FontMinus, 0, 0, {});
            }
            break;
        case Kind::Smart:
            Smart(event);
            break;
        case Kind::Resize:
            Resize(event.x, event.y);
            break;
        case Kind::Close:
            Close();
            break;
    }
}

// ---- keys ------------------------------------------------------------------------------------

void Driver::Key(const Chord& chord) {
    Press(chord);
    Release(chord);
}

void Driver::Hold(const Chord& chord, int presses) {
    for (int i = 0; i < presses; ++i) {
        Press(chord);
    }
    Release(chord);
}

void Driver::Press(const Chord& chord) {
    SyncFocus();
    const std::optional<Target> before = model_.Focus();
    QTest::sendKeyEvent(QTest::Press, window_->windowHandle(), KeyOf(chord), TextOf(chord),
                        ModifiersOf(chord));
    model_.KeyPress(chord);
    TakePuzzleIfDrawn();
    // Arrows move among the size items, checking the next one; where is the toolkit's choice.
    if (before && IsSizeItem(*before) && IsArrow(chord.key)) {
        model_.SizeItemChosen(window_->cbg1->ItemIndex());
    }
}

void Driver::Release(const Chord& chord) {
    QTest::sendKeyEvent(QTest::Release, window_->windowHandle(), KeyOf(chord), TextOf(chord),
                        ModifiersOf(chord));
    model_.KeyRelease(chord);
    TakePuzzleIfDrawn();
}

// Before a key goes in, the model must know where it goes: where it cannot follow the toolkit it
// learns the focus here; where it can, the focus must be where it says.
void Driver::SyncFocus() {
    const Target actual = FocusedTarget();
    const std::optional<Target> expected = model_.Focus();
    if (!expected) {
        model_.FocusMovedTo(actual);
    } else if (*expected != actual) {
        Problem(std::string("focus: on ") + Name(actual) + " before a key, expected on " +
                Name(*expected));
        model_.FocusMovedTo(actual);
    }
}

void Driver::TakePuzzleIfDrawn() {
    if (!model_.AwaitingPuzzle()) {
        return;
    }
    const TfrmSudoku& w = *window_;
    Puzzle puzzle;
    puzzle.box = w.game().ActiveBoxSize();
    const int n =
        std::clamp(w.game().ActiveBoxSize(), 0, 8) * std::clamp(w.game().ActiveBoxSize(), 0, 8);
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            puzzle.given.push_back(w.game().GivenGrid()[row][col]);
            puzzle.solution.push_back(w.game().SolutionGrid()[row][col]);
            puzzle.play.push_back(w.game().PlayGrid()[row][col]);
        }
    }
    model_.TakePuzzle(puzzle);
    ++tally_.puzzles;
}

// ---- the other events ------------------------------------------------------------------------

// Fills open cells with the solution's symbols as a player would: scroll the cell into view,
// click it, type its symbol or pick it from the context menu.
void Driver::Smart(const Event& event) {
    if (model_.state() != State::Playing || !model_.HasPuzzle()) {
        return;
    }
    std::vector<Cell> cells = model_.OpenCells();
    std::mt19937 order(event.pick);
    std::shuffle(cells.begin(), cells.end(), order);
    if (event.count > 0 && cells.size() > static_cast<size_t>(event.count)) {
        cells.resize(static_cast<size_t>(event.count));
    }
    const std::string_view alphabet = Model::Alphabet(model_.Box());
    for (const Cell cell : cells) {
        if (model_.state() != State::Playing) {
            return;
        }
        const QPoint centre = CellCentreInGrid(cell);
        window_->sg1Scroller->ensureVisible(centre.x(), centre.y(), model_.CellWidth(),
                                            model_.CellHeight());
        ClickAt(Mouse::Left, CellCentre(cell), {});
        const char symbol = model_.SolutionAt(cell);
        if (event.by_menu) {
            MenuScript pick;
            pick.choice = MenuChoice::ItemByMouse;
            pick.item = static_cast<uint32_t>(alphabet.find(symbol) + 1);
            ClickAt(Mouse::Right, CellCentre(cell), pick);
        } else {
            Key(SymbolKey(symbol));
        }
    }
}

void Driver::Resize(uint16_t width, uint16_t height) {
    if (height == 0) {
        window_->showMaximized();
    } else {
        if (window_->isMaximized()) {
            window_->showNormal();
        }
        window_->resize(width, height);
    }
    QCoreApplication::processEvents();
}

// Closing asks nothing, even in the middle of a game; then the program starts again.
void Driver::Close() {
    window_->close();
    if (window_->isVisible()) {
        Problem("close: the window stayed open");
    }
    const std::vector<Output> said = services_.TakeOutputs();
    if (!said.empty()) {
        Problem("close: closing the window said " + Describe(said.front()));
    }
    ++tally_.closes;
    Reopen();
}

// ---- what is where ---------------------------------------------------------------------------

Target Driver::FocusedTarget() const {
    return Classify(QApplication::focusWidget());
}

std::array<Driver::Control, 15> Driver::Controls() const {
    const TfrmSudoku& w = *window_;
    return {{
        {Aim::Generate, Target::Generate, w.btnGenera},
        {Aim::SizeItem0, Target::Size0, w.cbg1->Button(0)},
        {Aim::SizeItem1, Target::Size1, w.cbg1->Button(1)},
        {Aim::SizeItem2, Target::Size2, w.cbg1->Button(2)},
        {Aim::Play, Target::Play, w.btnPlay},
        {Aim::Toggle, Target::Toggle, w.btnToggleView},
        {Aim::Print, Target::Inert, w.btnPrint},  // hidden for good: never under a click
        {Aim::Hint, Target::Hint, w.cxButton1},
        {Aim::HideTimer, Target::HideTimer, w.cbxHideTimer},
        {Aim::ErrorView, Target::ErrorView, w.cbxControllo},
        {Aim::FontPlus, Target::FontPlus, w.btnFontPiu},
        {Aim::FontMinus, Target::FontMinus, w.btnFontMeno},
        {Aim::Help, Target::Help, w.btnHelp},
        {Aim::Link, Target::Link, w.cxHyperLinkEdit2},
        {Aim::Clock, Target::Inert, w.Clock1},
    }};
}

Target Driver::Classify(const QWidget* widget) const {
    const TfrmSudoku& w = *window_;
    if (widget == nullptr) {
        return Target::Nothing;
    }
    if (widget == window_.get()) {
        return Target::Window;
    }
    if (widget == w.sg1) {
        return Target::Grid;
    }
    if (qobject_cast<const QScrollBar*>(widget) != nullptr) {
        return Target::ScrollBar;
    }
    if (widget == w.sg1Scroller || widget == w.sg1Scroller->viewport()) {
        return Target::GridArea;
    }
    for (const Control& control : Controls()) {
        if (control.widget == widget) {
            return control.target;
        }
    }
    return Target::Inert;
}

}  // namespace quintara::monkey
