# SPDX-License-Identifier: GPL-3.0-or-later
"""Symbols typed on real keyboard layouts, switched with setxkbmap on the X server. Keys go in as
a keyboard sends them, by keycode through XTest, so the layout in force decides what they mean.
A player presses the key that shows a Latin letter where the layout has one, and otherwise the
key at that letter's place on a US keyboard, as Windows users of other scripts do; every symbol
of 25 x 25 and every digit of 16 x 16 must arrive so on every layout. Keys that must enter
nothing (AZERTY's comma on M, a dead key, AltGr, Super, Turkish F's "ğ" on E) are checked by
moving off the cell after them and reading it back; a letter after the dead key enters itself.

Nested weston's X11 backend takes its keymap from the X server, and follows setxkbmap there;
weston.ini's [keyboard] settings it ignores. To keep the stage short, Wayland gets one layout that
moves Latin letters and one of another script."""

import subprocess
import time

from Xlib import X, XK, display
from Xlib.ext import xtest

from desktop import wait_for
from reader import DIALOG

# As setxkbmap takes them: US, French AZERTY, German, Turkish F, Greek, Russian, Hebrew, Thai
# and Hindi InScript.
LAYOUTS = [("us",), ("fr",), ("de",), ("tr", "f"), ("gr",), ("ru",), ("il",), ("th",), ("in",)]
WAYLAND_LAYOUTS = [("fr",), ("gr",)]
LETTERS = "ABCDEFGHIJKLMNOPQRSTUVWXY"
US_ROWS = {"QWERTYUIOP": 24, "ASDFGHJKL": 38, "ZXCVBNM": 52}  # letters and their first keycode
DIGIT_ROW = "1234567890"  # keycodes 10 to 19
DEAD_KEY, ALTGR, SUPER = 34, 108, 133  # AZERTY's dead circumflex on the US "["


def us_place(letter):
    return next(first + row.index(letter) for row, first in US_ROWS.items() if letter in row)


# Keys that enter nothing on a layout, typed after its letters.
ENTER_NOTHING = {("fr",): [us_place("M"), DEAD_KEY, ALTGR, SUPER], ("tr", "f"): [us_place("E")]}


class Keyboard:
    def __init__(self, env):
        self.env = env
        self.x = display.Display(env["DISPLAY"])

    def use(self, layout):
        variant = ["-variant", layout[1]] if len(layout) > 1 else []
        subprocess.run(["setxkbmap", "-layout", layout[0]] + variant, env=self.env, check=True)
        self.x.refresh_keyboard_mapping(display.event.MappingNotify(
            request=X.MappingKeyboard, first_keycode=8, count=248, window=0, sequence_number=0))

    def key_of(self, letter):
        """The key whose unshifted symbol is the letter, else the key at its US place."""
        wanted = XK.string_to_keysym(letter.lower())
        return next((code for code in range(8, 256) if self.x.keycode_to_keysym(code, 0) == wanted),
                    us_place(letter))

    def press(self, keycode):
        xtest.fake_input(self.x, X.KeyPress, keycode)
        xtest.fake_input(self.x, X.KeyRelease, keycode)
        self.x.sync()

    def close(self):
        self.use(("us",))
        self.x.close()


def symbol_of(reader, place):
    """What the cell shows, without its marks ("A" of "A, clashes")."""
    return reader.cell(*place).get_name().split(": ")[1].split(", ")[0]


def wait_symbol(reader, place, symbol, seconds=5):
    """Polled more often than wait_for does: the stage waits for some 350 keys."""
    deadline = time.monotonic() + seconds
    while symbol_of(reader, place) != symbol:
        if time.monotonic() > deadline:
            raise TimeoutError("cell %s shows %r, not %r" % (place, symbol_of(reader, place),
                                                             symbol))
        time.sleep(0.01)


def focus_on(reader, place):
    wait_for(lambda: reader.focused_cell() == place, 5, "the focus on %s" % (place,))


def start_game(player, reader, size, side):
    """A game of the size in play, with the focus on an empty cell of the first row that has a
    cell to its right."""
    player.click(reader.find("radio button", size))
    player.key("F10")
    cells = reader.board(side)
    player.key("F5")
    focus_on(reader, (0, 0))
    column = next(c for c in range(side - 1) if cells[(0, c)] == "empty")
    player.key(*["Right"] * column)
    focus_on(reader, (0, column))
    return 0, column


def quit_game(player, reader):
    player.key("F5")
    reader.dialog_text()
    player.key("Return")
    reader.gone(DIALOG)
    player.focus_window()
    wait_for(lambda: reader.active(player.frame), 5, "the window to be active again")


def enters_nothing(player, reader, keyboard, place, keycode):
    shown = reader.cell(*place).get_name()
    keyboard.press(keycode)
    player.key("Right")
    focus_on(reader, (place[0], place[1] + 1))
    after = reader.cell(*place).get_name()
    player.key("Left")
    focus_on(reader, place)
    if after != shown or reader.find_all(DIALOG):
        raise AssertionError("key %d changed %r to %r or opened a box" % (keycode, shown, after))


def dead_key_then_letter(reader, keyboard, place):
    keyboard.press(DEAD_KEY)
    keyboard.press(keyboard.key_of("E"))
    wait_symbol(reader, place, "E")


def type_on_every_layout(player, reader, env, wayland):
    keyboard = Keyboard(env)
    layouts = WAYLAND_LAYOUTS if wayland else LAYOUTS
    try:
        place = start_game(player, reader, "5x5", 25)
        for layout in layouts:
            keyboard.use(layout)
            for letter in LETTERS:
                keyboard.press(keyboard.key_of(letter))
                wait_symbol(reader, place, letter)
            for keycode in ENTER_NOTHING.get(layout, []):
                enters_nothing(player, reader, keyboard, place, keycode)
            if layout == ("fr",):
                dead_key_then_letter(reader, keyboard, place)
        quit_game(player, reader)
        place = start_game(player, reader, "4x4", 16)
        for layout in layouts:
            keyboard.use(layout)
            for index, digit in enumerate(DIGIT_ROW):
                keyboard.press(10 + index)
                wait_symbol(reader, place, digit)
        quit_game(player, reader)
    finally:
        keyboard.close()
    print("typed A to Y and 0 to 9 on: " + ", ".join(
        "(".join(layout) + ")" * (len(layout) > 1) for layout in layouts))
