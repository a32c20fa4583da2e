// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's event stream: weighted toward play, drawn from its own generator so that a seed
// gives the same events everywhere.
#include "Events.h"

#include <QKeySequence>
#include <array>
#include <cstdio>
#include <random>
#include <utility>

namespace quintara::monkey {

namespace {

// Draws from std::mt19937, whose sequence the standard fixes; the distributions are our own,
// since the standard library's differ between implementations.
class Draw {
  public:
    explicit Draw(uint32_t seed) : rng_(seed) {}

    uint32_t Below(uint32_t n) { return static_cast<uint32_t>((uint64_t{rng_()} * n) >> 32); }
    int Between(int low, int high) {
        return low + static_cast<int>(Below(static_cast<uint32_t>(high - low + 1)));
    }
    bool Chance(uint32_t percent) { return Below(100) < percent; }
    uint32_t Word() { return static_cast<uint32_t>(rng_()); }

    template <typename T, size_t N>
    T From(const std::array<T, N>& items) {
        return items[Below(N)];
    }

    // An index into `weights`, each chosen in proportion to its weight.
    template <size_t N>
    size_t Weighted(const std::array<uint32_t, N>& weights) {
        uint32_t total = 0;
        for (uint32_t w : weights) {
            total += w;
        }
        uint32_t roll = Below(total);
        for (size_t i = 0; i < N; ++i) {
            if (roll < weights[i]) {
                return i;
            }
            roll -= weights[i];
        }
        return N - 1;
    }

  private:
    std::mt19937 rng_;
};

constexpr std::array<int, 8> kCommandKeys = {Qt::Key_F1, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6,
                                             Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::Key_F10};
constexpr std::array<int, 4> kSpareFunctionKeys = {Qt::Key_F2, Qt::Key_F3, Qt::Key_F11,
                                                   Qt::Key_F12};
// What Shift and a digit give on a US keyboard, digit by digit from 0.
constexpr std::array<int, 10> kShiftedDigits = {
    Qt::Key_ParenRight, Qt::Key_Exclam,   Qt::Key_At,          Qt::Key_NumberSign,
    Qt::Key_Dollar,     Qt::Key_Percent,  Qt::Key_AsciiCircum, Qt::Key_Ampersand,
    Qt::Key_Asterisk,   Qt::Key_ParenLeft};
constexpr std::array<int, 6> kKeypadOperators = {Qt::Key_Asterisk, Qt::Key_Plus,   Qt::Key_Minus,
                                                 Qt::Key_Slash,    Qt::Key_Period, Qt::Key_Enter};
// The keypad without NumLock.
constexpr std::array<int, 10> kKeypadNavigation = {
    Qt::Key_Home, Qt::Key_End,    Qt::Key_Left,     Qt::Key_Right,  Qt::Key_Up,
    Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Insert, Qt::Key_Delete};
constexpr std::array<int, 4> kArrows = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
constexpr std::array<int, 4> kOtherNavigation = {Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp,
                                                 Qt::Key_PageDown};
constexpr std::array<int, 7> kEditingKeys = {Qt::Key_Return, Qt::Key_Enter,     Qt::Key_Escape,
                                             Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete,
                                             Qt::Key_Insert};
constexpr std::array<int, 12> kPunctuation = {
    Qt::Key_Comma,       Qt::Key_Period,       Qt::Key_Minus,     Qt::Key_Equal,
    Qt::Key_BracketLeft, Qt::Key_BracketRight, Qt::Key_Semicolon, Qt::Key_Apostrophe,
    Qt::Key_Slash,       Qt::Key_Backslash,    Qt::Key_QuoteLeft, Qt::Key_Plus};
// Keys of other layouts and platforms: AltGr, the Windows keys, dead keys, letters of other
// scripts and accented ones.
constexpr std::array<int, 10> kForeignKeys = {
    Qt::Key_AltGr,      Qt::Key_Super_L,         Qt::Key_Super_R,        Qt::Key_Dead_Acute,
    Qt::Key_Dead_Grave, Qt::Key_Dead_Circumflex, Qt::Key_Dead_Diaeresis, 0x0416 /* Zhe */,
    0x03A9 /* Omega */, Qt::Key_Eacute};
constexpr std::array<int, 10> kOtherKeys = {
    Qt::Key_Shift,   Qt::Key_Control,    Qt::Key_Alt,   Qt::Key_Meta,  Qt::Key_CapsLock,
    Qt::Key_NumLock, Qt::Key_ScrollLock, Qt::Key_Pause, Qt::Key_Print, Qt::Key_Menu};

Qt::KeyboardModifiers SomeModifiers(Draw& draw) {
    static constexpr std::array<Qt::KeyboardModifier, 3> kEach = {
        Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
    Qt::KeyboardModifiers mods;
    while (mods == Qt::NoModifier) {
        for (Qt::KeyboardModifier mod : kEach) {
            if (draw.Chance(40)) {
                mods |= mod;
            }
        }
    }
    return mods;
}

Chord RandomChord(Draw& draw) {
    enum Pool {
        kCommand,
        kCommandModified,
        kSpareFunction,
        kDigit,
        kDigitModified,
        kShiftedDigit,
        kLetter,
        kLetterModified,
        kKeypadDigit,
        kKeypadOperator,
        kKeypadNav,
        kArrow,
        kOtherNav,
        kSpace,
        kTab,
        kBacktab,
        kCtrlTab,
        kEditing,
        kPunctuationKey,
        kOther,
        kForeign,
        kKeypadFive
    };
    static constexpr std::array<uint32_t, 22> kWeights = {
        100, 30, 10, 140, 10, 10, 120, 10, 40, 10, 10, 120, 20, 40, 20, 10, 5, 40, 20, 20, 15, 5};
    Chord chord;
    switch (draw.Weighted(kWeights)) {
        case kCommand:
            chord.key = draw.From(kCommandKeys);
            break;
        case kCommandModified:
            chord.key = Qt::Key_F1 + draw.Between(0, 11);
            chord.mods = SomeModifiers(draw);
            break;
        case kSpareFunction:
            chord.key = draw.From(kSpareFunctionKeys);
            break;
        case kDigit:
            chord.key = Qt::Key_0 + draw.Between(0, 9);
            break;
        case kDigitModified:
            chord.key = Qt::Key_0 + draw.Between(0, 9);
            chord.mods = draw.Chance(50) ? Qt::ControlModifier : Qt::AltModifier;
            break;
        case kShiftedDigit:
            chord.key = kShiftedDigits[draw.Below(10)];
            chord.mods = Qt::ShiftModifier;
            break;
        case kLetter:
            chord.key = Qt::Key_A + draw.Between(0, 25);
            chord.mods = draw.Chance(30) ? Qt::ShiftModifier : Qt::NoModifier;
            break;
        case kLetterModified:
            chord.key = Qt::Key_A + draw.Between(0, 25);
            chord.mods = draw.Chance(50) ? Qt::ControlModifier : Qt::AltModifier;
            break;
        case kKeypadDigit:
            chord.key = Qt::Key_0 + draw.Between(0, 9);
            chord.keypad = true;
            break;
        case kKeypadOperator:
            chord.key = draw.From(kKeypadOperators);
            chord.keypad = true;
            break;
        case kKeypadNav:
            chord.key = draw.From(kKeypadNavigation);
            chord.keypad = true;
            break;
        case kArrow:
            chord.key = draw.From(kArrows);
            break;
        case kOtherNav:
            chord.key = draw.From(kOtherNavigation);
            break;
        case kSpace:
            chord.key = Qt::Key_Space;
            break;
        case kTab:
            chord.key = Qt::Key_Tab;
            break;
        case kBacktab:
            chord.key = Qt::Key_Tab;
            chord.mods = Qt::ShiftModifier;
            break;
        case kCtrlTab:
            chord.key = Qt::Key_Tab;
            chord.mods = Qt::ControlModifier;
            break;
        case kEditing:
            chord.key = draw.From(kEditingKeys);
            break;
        case kPunctuationKey:
            chord.key = draw.From(kPunctuation);
            break;
        case kOther:
            chord.key = draw.From(kOtherKeys);
            break;
        case kForeign:
            chord.key = draw.From(kForeignKeys);
            break;
        default:
            chord.key = Qt::Key_Clear;  // keypad 5 without NumLock
            chord.keypad = true;
            break;
    }
    return chord;
}

// A key pressed into an open context menu: what a player does by mistake.
Chord StrayChord(Draw& draw) {
    Chord chord;
    if (draw.Chance(5)) {
        chord.key = Qt::Key_Alt;
    } else if (draw.Chance(50)) {
        chord.key = Qt::Key_F1 + draw.Between(0, 11);
        chord.mods = draw.Chance(25) ? SomeModifiers(draw) : Qt::NoModifier;
    } else if (draw.Chance(50)) {
        chord.key = Qt::Key_0 + draw.Between(0, 9);
    } else {
        chord.key = Qt::Key_A + draw.Between(0, 25);
    }
    return chord;
}

Answers RandomAnswers(Draw& draw) {
    static constexpr std::array<uint32_t, 4> kAnswerWeights = {30, 25, 25, 20};
    static constexpr std::array<uint32_t, 3> kClickWeights = {60, 30, 10};
    static constexpr std::array<uint32_t, 4> kCloseWeights = {40, 30, 20, 10};
    Answers answers;
    answers.answer = static_cast<Answer>(draw.Weighted(kAnswerWeights));
    answers.news_clicks = static_cast<int>(draw.Weighted(kClickWeights));
    answers.news_close = static_cast<NewsClose>(draw.Weighted(kCloseWeights));
    return answers;
}

MenuScript RandomMenuScript(Draw& draw) {
    static constexpr std::array<uint32_t, 3> kChoiceWeights = {45, 35, 20};
    MenuScript script;
    script.stray = draw.Chance(25);
    if (script.stray) {
        script.stray_key = StrayChord(draw);
    }
    script.choice = static_cast<MenuChoice>(draw.Weighted(kChoiceWeights));
    script.item = draw.Word();
    return script;
}

void RandomClick(Draw& draw, Event& event) {
    static constexpr std::array<uint32_t, 3> kButtonWeights = {60, 32, 8};
    event.button = static_cast<Mouse>(draw.Weighted(kButtonWeights));
    if (draw.Chance(60)) {
        event.aim = Aim::Cell;
        event.x = static_cast<uint16_t>(draw.Below(65536));
        event.y = static_cast<uint16_t>(draw.Below(65536));
    } else if (draw.Chance(10)) {
        event.aim = Aim::BesideCells;
    } else {
        event.aim = static_cast<Aim>(
            draw.Between(static_cast<int>(Aim::Generate), static_cast<int>(Aim::TitleBand)));
    }
    if (event.button == Mouse::Right) {
        event.menu = RandomMenuScript(draw);
    }
}

int RandomAdvance(Draw& draw) {
    constexpr int kHour = 3600 * 1000;
    if (draw.Chance(75)) {
        return draw.Between(0, 2000);
    }
    if (draw.Chance(80)) {
        return draw.Between(2000, 120000);
    }
    return draw.Between(kHour, 3 * kHour);
}

Event RandomEvent(Draw& draw) {
    static constexpr std::array<uint32_t, 7> kKindWeights = {5800, 300, 2600, 200, 800, 200, 10};
    Event event;
    event.kind = static_cast<Kind>(draw.Weighted(kKindWeights));
    switch (event.kind) {
        case Kind::Key:
            event.chord = RandomChord(draw);
            break;
        case Kind::Hold:
            event.chord = RandomChord(draw);
            event.chord.mods = Qt::NoModifier;  // a held chord would press its modifiers again
            event.count = draw.Between(2, 30);
            break;
        case Kind::Click:
            RandomClick(draw, event);
            break;
        case Kind::FontBurst:
            event.plus = draw.Chance(55);
            event.count = draw.Between(1, 20);
            break;
        case Kind::Smart:
            event.count = draw.Chance(60)   ? draw.Between(1, 3)
                          : draw.Chance(75) ? draw.Between(4, 20)
                                            : 0;
            event.by_menu = draw.Chance(20);
            event.pick = draw.Word();
            break;
        case Kind::Resize:
            if (!draw.Chance(20)) {
                event.x = static_cast<uint16_t>(draw.Between(250, 1500));
                event.y = static_cast<uint16_t>(draw.Between(200, 1100));
            }
            break;
        case Kind::Close:
            break;
    }
    event.answers = RandomAnswers(draw);
    event.advance_ms = RandomAdvance(draw);
    return event;
}

const char* AimName(Aim aim) {
    static constexpr std::array<const char*, 18> kNames = {"a cell",
                                                           "beside the cells",
                                                           "Generate",
                                                           "size item 0",
                                                           "size item 1",
                                                           "size item 2",
                                                           "Play",
                                                           "Show solution",
                                                           "Print (hidden)",
                                                           "Hint",
                                                           "Hide timer",
                                                           "View errors",
                                                           "+",
                                                           "-",
                                                           "Help",
                                                           "the link",
                                                           "the clock",
                                                           "the title band"};
    return kNames[static_cast<size_t>(aim)];
}

std::string Format(const char* format, auto... args) {
    std::array<char, 256> buffer{};
    std::snprintf(buffer.data(), buffer.size(), format, args...);
    return buffer.data();
}

std::string DescribeMenu(const MenuScript& menu) {
    std::string text = menu.stray ? ", key " + Describe(menu.stray_key) + " into the menu" : "";
    switch (menu.choice) {
        case MenuChoice::ItemByMouse:
            return text + Format(", then item #%u by mouse", menu.item);
        case MenuChoice::ItemByKeys:
            return text + Format(", then item #%u by keys", menu.item);
        case MenuChoice::Escape:
            return text + ", then Escape";
    }
    return text;
}

}  // namespace

std::vector<Event> EventStream(uint32_t seed, size_t count) {
    Draw draw(seed);
    std::vector<Event> events;
    events.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        events.push_back(RandomEvent(draw));
    }
    return events;
}

std::string Describe(const Chord& chord) {
    // Keys the key sequence's text does not name.
    static constexpr std::array<std::pair<int, const char*>, 11> kNames = {{
        {Qt::Key_AltGr, "AltGr"},
        {Qt::Key_Super_L, "Super_L"},
        {Qt::Key_Super_R, "Super_R"},
        {Qt::Key_Dead_Acute, "dead acute"},
        {Qt::Key_Dead_Grave, "dead grave"},
        {Qt::Key_Dead_Circumflex, "dead circumflex"},
        {Qt::Key_Dead_Diaeresis, "dead diaeresis"},
        {Qt::Key_Clear, "Clear"},
        {Qt::Key_Shift, "Shift"},
        {Qt::Key_Control, "Ctrl"},
        {Qt::Key_Alt, "Alt"},
    }};
    const int combined = chord.key | static_cast<int>(chord.mods);
    std::string text = QKeySequence(combined).toString(QKeySequence::PortableText).toStdString();
    for (const auto& [key, name] : kNames) {
        if (chord.key == key) {
            text = QKeySequence(static_cast<int>(chord.mods))
                       .toString(QKeySequence::PortableText)
                       .toStdString() +
                   name;
        }
    }
    return chord.keypad ? "keypad " + text : text;
}

std::string Describe(const Event& event) {
    static constexpr std::array<const char*, 3> kButtons = {"left", "right", "middle"};
    switch (event.kind) {
        case Kind::Key:
            return "key " + Describe(event.chord);
        case Kind::Hold:
            return "hold " + Describe(event.chord) + Format(" for %d presses", event.count);
        case Kind::Click: {
            std::string text = Format("%s click on %s", kButtons[static_cast<size_t>(event.button)],
                                      AimName(event.aim));
            if (event.aim == Aim::Cell) {
                text += Format(" (%.3f, %.3f)", event.x / 65536.0, event.y / 65536.0);
            }
            return event.button == Mouse::Right ? text + DescribeMenu(event.menu) : text;
        }
        case Kind::FontBurst:
            return Format("%d clicks on \"%s\"", event.count, event.plus ? "+" : "-");
        case Kind::Smart: {
            const std::string cells =
                event.count == 0 ? std::string("every open cell") : Format("%d cells", event.count);
            return "fill " + cells + " from the solution" +
                   (event.by_menu ? " through the menu" : "");
        }
        case Kind::Resize:
            return event.y == 0 ? std::string("maximize the window")
                                : Format("resize the window to %d x %d", event.x, event.y);
        case Kind::Close:
            return "close the window and start again";
    }
    return "?";
}

}  // namespace quintara::monkey
