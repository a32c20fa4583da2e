// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <qnamespace.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quintara::monkey {

// One key as a player's keyboard sends it: the Qt key, the modifiers held (the driver presses
// Shift, Ctrl and Alt before the key, as a keyboard does) and whether it is on the keypad.
struct Chord {
    int key = Qt::Key_unknown;
    Qt::KeyboardModifiers mods = Qt::NoModifier;
    bool keypad = false;
    bool operator==(const Chord&) const = default;
};

enum class Mouse { Left, Right, Middle };

// What a click aims at. The driver finds the place on the window; what is really there when the
// click lands (a hidden button leaves its panel behind) decides what it hits.
enum class Aim {
    Cell,         // a cell of the grid, chosen by the event's x and y
    BesideCells,  // inside the grid's panel, right of and below the last cell
    Generate,
    SizeItem0,
    SizeItem1,
    SizeItem2,
    Play,
    Toggle,
    Print,  // hidden: its place on the button panel
    Hint,
    HideTimer,
    ErrorView,
    FontPlus,
    FontMinus,
    Help,
    Link,
    Clock,
    TitleBand,
};

// How the quit question, the message boxes and the news dialog are answered during one event.
enum class Answer { Yes, No, Cancel, Escape };
enum class NewsClose { Chiudi, Escape, Enter, CloseButton };
struct Answers {
    Answer answer = Answer::Cancel;
    int news_clicks = 0;  // presses of the news button before the dialog is closed
    NewsClose news_close = NewsClose::Chiudi;
    bool operator==(const Answers&) const = default;
};

// What happens while the context menu opened by a right click is showing.
enum class MenuChoice { ItemByMouse, ItemByKeys, Escape };
struct MenuScript {
    bool stray = false;  // a key pressed into the open menu first
    Chord stray_key;
    MenuChoice choice = MenuChoice::Escape;
    uint32_t item = 0;  // the item chosen, modulo the number of items
    bool operator==(const MenuScript&) const = default;
};

enum class Kind {
    Key,        // one key pressed and released
    Hold,       // one key held down: repeated presses, then one release
    Click,      // a mouse click (press and release at one place)
    FontBurst,  // repeated clicks on "+" or "-"
    Smart,      // cells filled from the solution while playing, so games get completed
    Resize,     // the window resized, maximized or restored
    Close,      // the window closed mid-game; the player starts the program again
};

struct Event {
    Kind kind = Kind::Key;
    Chord chord;
    int count = 1;  // Hold: presses; FontBurst: clicks; Smart: cells (0: every one left)
    Mouse button = Mouse::Left;
    Aim aim = Aim::Cell;
    uint16_t x = 0;    // Cell: column as a fraction of 65536; Resize: width in pixels
    uint16_t y = 0;    // Cell: row as a fraction of 65536; Resize: height in pixels (0: maximize)
    bool plus = true;  // FontBurst: "+" or "-"
    bool by_menu = false;  // Smart: enter the symbols through the context menu
    uint32_t pick = 0;     // Smart: which cells, in which order
    MenuScript menu;       // right clicks
    Answers answers;       // whatever asks during the event
    int advance_ms = 0;    // the clock moves on before the event
    bool operator==(const Event&) const = default;
};

// The events of one seed, the same on every machine: a prefix never depends on the length.
std::vector<Event> EventStream(uint32_t seed, size_t count);

// One line for a log: "key Shift+F5", "right click on a cell (0.31, 0.77), then item 5 by mouse".
std::string Describe(const Event& event);
std::string Describe(const Chord& chord);

}  // namespace quintara::monkey
