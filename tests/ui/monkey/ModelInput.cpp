// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's model of the game: what keys and clicks do, and where the keyboard focus goes.
#include <algorithm>

#include "Model.h"
#include "Rules.h"

namespace quintara::monkey {

namespace {

bool IsArrowOrHome(int key) {
    return IsArrow(key) || key == Qt::Key_Home || key == Qt::Key_End;
}

// Push buttons and check boxes: the space bar clicks them, the arrows move the focus on.
bool IsButton(Target target) {
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
    struct CommandKey {
        int key;
        bool Controls::*usable;  // null: always usable
        void (Model::*run)();
    };
    static constexpr std::array<CommandKey, 8> kCommandKeys = {{
        {Qt::Key_F1, nullptr, &Model::Help},
        {Qt::Key_F4, &Controls::hint, &Model::Hint},
        {Qt::Key_F5, &Controls::game_commands, &Model::PlayOrQuit},
        {Qt::Key_F6, &Controls::game_commands, &Model::Toggle},
        {Qt::Key_F7, &Controls::game_commands, &Model::Print},
        {Qt::Key_F8, nullptr, &Model::FlipErrorView},
        {Qt::Key_F9, &Controls::game_panel, &Model::FlipHideTimer},
        {Qt::Key_F10, &Controls::generate, &Model::Generate},
    }};
    if (chord.mods & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) {
        return false;
    }
    for (const CommandKey& command : kCommandKeys) {
        if (command.key == chord.key && (command.usable == nullptr || controls().*command.usable)) {
            (this->*command.run)();
            return true;
        }
    }
    return false;
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
    } else if (target == Target::Link) {
        LinkKey(chord);
    } else if (IsButton(target) || IsSizeItem(target)) {
        if (chord.key == Qt::Key_Space) {
            space_down_ = target;  // the click comes with the release
        } else if (IsArrow(chord.key)) {
            focus_.reset();  // arrows move among buttons, or among the size items
        }
    }
}

// The maker's link opens with Enter or the space bar, unmodified, as a keyboard user expects.
void Model::LinkKey(const Chord& chord) {
    const bool opens =
        chord.key == Qt::Key_Return || chord.key == Qt::Key_Enter || chord.key == Qt::Key_Space;
    if (opens && !(chord.mods & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
        Out(Output::Kind::Shell, "open " + links::MakerAddress().toStdString());
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
            Out(Output::Kind::Message, rules::kResumeMessage);
            break;
        default:
            Out(Output::Kind::Message, rules::kStartMessage);
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
                Out(Output::Kind::Shell, "open " + links::MakerAddress().toStdString());
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

}  // namespace quintara::monkey
