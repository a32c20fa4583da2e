// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's model of the game: names, the state's controls, the context menu and what the game
// said. The inputs are in ModelInput.cpp, the commands and entries in ModelGame.cpp.
#include "Model.h"

#include <cstdio>
#include <utility>

#include "Rules.h"

namespace quintara::monkey {

namespace {

std::string Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

bool IsSizeItem(Target target) {
    return target == Target::Size0 || target == Target::Size1 || target == Target::Size2;
}

bool IsArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

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
    return rules::kControls[rules::Index(state)];
}

std::string_view Model::Alphabet(int box) {
    return box >= 3 && box <= 5 ? rules::kAlphabets[static_cast<size_t>(box - 3)]
                                : std::string_view();
}

Model::Model(int64_t now_ms)
    : cell_width_(rules::kDesignColWidth),
      cell_height_(rules::kDesignRowHeight),
      line_width_(rules::kDesignLineWidth),
      grid_rows_(rules::kDesignCells),
      play_caption_("Play [F5]"),
      toggle_caption_("Show solution"),
      now_ms_(now_ms) {}

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
