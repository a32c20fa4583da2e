# SPDX-License-Identifier: GPL-3.0-or-later
"""Real layouts, switched with setxkbmap (nested weston follows it; weston.ini's [keyboard] it
ignores), keys sent by keycode through XTest as a keyboard sends them. A player presses the key
that shows a Latin letter, or where the layout has none, the key at its US place: every symbol
of 25 x 25 and digit of 16 x 16 must arrive. A key that must enter nothing is followed by an
arrow there and back, and the cell read again. Some 0.15 s a key: Wayland gets Greek alone."""

import subprocess

from Xlib import X, XK, display
from Xlib.ext import xtest

from desktop import wait_for
from reader import DIALOG

LAYOUTS = ["us", "fr", "de", "tr(f)", "gr", "ru", "il", "th", "in"]
US_ROWS = {"QWERTYUIOP": 24, "ASDFGHJKL": 38, "ZXCVBNM": 52}  # letters and their first keycode
DEAD_KEY, ALTGR, SUPER = 34, 108, 133  # AZERTY's dead circumflex is on the US "["


def us_place(letter):
    return next(first + row.index(letter) for row, first in US_ROWS.items() if letter in row)


ENTER_NOTHING = {"fr": [us_place("M"), DEAD_KEY, ALTGR, SUPER], "tr(f)": [us_place("E")]}


class Keyboard:
    def __init__(self, env):
        self.env, self.x = env, display.Display(env["DISPLAY"])

    def use(self, layout):
        subprocess.run(["setxkbmap", layout], env=self.env, check=True)
        self.x.refresh_keyboard_mapping(display.event.MappingNotify(
            request=X.MappingKeyboard, first_keycode=8, count=248, window=0, sequence_number=0))

    def key_of(self, letter):
        wanted = XK.string_to_keysym(letter.lower())
        return next((code for code in range(8, 256) if self.x.keycode_to_keysym(code, 0) == wanted),
                    us_place(letter))

    def press(self, keycode):
        xtest.fake_input(self.x, X.KeyPress, keycode)
        xtest.fake_input(self.x, X.KeyRelease, keycode)
        self.x.sync()


class Cell:
    """An empty cell of a new game in play, with a cell to its right, focused."""

    def __init__(self, player, reader, size, side):
        self.player, self.reader = player, reader
        player.click(reader.find("radio button", size))
        player.key("F10")
        cells = reader.board(side)
        player.key("F5")
        self.place = next(p for p in sorted(cells) if cells[p] == "empty" and p[1] < side - 1)
        player.key(*["Down"] * self.place[0] + ["Right"] * self.place[1])
        self.focus(self.place)

    def focus(self, place):
        wait_for(lambda: self.reader.focused_cell() == place, 5, "the focus on %s" % (place,))

    def symbol(self):  # without the marks: "A" of "A, clashes"
        return self.reader.cell(*self.place).get_name().split(": ")[1].split(", ")[0]

    def expect(self, symbol, what):
        try:
            wait_for(lambda: self.symbol() == symbol, 5, what, interval=0.01)
        except TimeoutError:
            raise AssertionError("%s entered %s, not %s" % (what, self.symbol(), symbol)) from None

    def enters_nothing(self, keyboard, keycode, what):
        shown = self.symbol()
        keyboard.press(keycode)
        self.player.key("Right")
        self.focus((self.place[0], self.place[1] + 1))
        self.player.key("Left")
        self.focus(self.place)
        if self.symbol() != shown or self.reader.find_all(DIALOG):
            raise AssertionError("%s entered %s or opened a box" % (what, self.symbol()))

    def quit(self):
        self.player.key("F5")
        self.reader.dialog_text()
        self.player.key("Return")
        self.reader.gone(DIALOG)
        self.player.focus_window()
        wait_for(lambda: self.reader.active(self.player.frame), 5, "the window to be active")


def type_on_every_layout(player, reader, env, wayland):
    keyboard, layouts = Keyboard(env), ["gr"] if wayland else LAYOUTS
    try:
        cell = Cell(player, reader, "5x5", 25)
        for layout in layouts:
            keyboard.use(layout)
            for letter in "ABCDEFGHIJKLMNOPQRSTUVWXY":
                keyboard.press(keyboard.key_of(letter))
                cell.expect(letter, "%s on %s" % (letter, layout))
            for keycode in ENTER_NOTHING.get(layout, []):
                cell.enters_nothing(keyboard, keycode, "key %d on %s" % (keycode, layout))
            if DEAD_KEY in ENTER_NOTHING.get(layout, []):  # the letter after a dead key
                keyboard.press(DEAD_KEY)
                keyboard.press(keyboard.key_of("E"))
                cell.expect("E", "E after a dead key")
        cell.quit()
        cell = Cell(player, reader, "4x4", 16)
        for layout in layouts:
            keyboard.use(layout)
            for index, digit in enumerate("1234567890"):
                keyboard.press(10 + index)
                cell.expect(digit, "%s on %s" % (digit, layout))
        cell.quit()
    finally:
        keyboard.use("us")
        keyboard.x.close()
    print("typed A to Y and 0 to 9 on: " + ", ".join(layouts))
