#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end run of the real game on a virtual X server (Xvfb) and on Wayland (weston nested in
the X server): input by xdotool as a player gives it, checks by reading the accessibility tree
over AT-SPI as a screen reader does. Fails on any unexpected name, on any output of the game
(Qt prints its warnings there) and on an unclean exit.

Usage: e2e_test.py BINARY [x11|wayland ...]"""

import contextlib
import os
import subprocess
import sys
import time
import traceback

from Xlib import X, display, protocol

import help_pages
import layouts
import reader
from desktop import SCREEN, Desktop, wait_for
from reader import DIALOG, Reader, extents

SERVERS = {"x11": "X11 (Xvfb)", "wayland": "Wayland (weston nested in Xvfb)"}


class Player:
    """Keys and clicks through xdotool. On X11 the accessible extents are screen positions; on
    Wayland they are relative to the window, which fills weston's output inside its decoration
    (equal left, right and bottom borders, the title bar above)."""

    def __init__(self, desktop, reader, process, wayland):
        self.desktop = desktop
        self.process = process
        self.reader = reader
        self.wayland = wayland
        self.frame = reader.find("frame", seconds=20)
        self.offset = (0, 0)
        if wayland:
            # The window is maximized once it is wider than its design width of 1000.
            _, _, width, height = wait_for(self._maximized, 10, "the window to be maximized")
            border = (SCREEN[0] - width) // 2
            self.offset = (border, SCREEN[1] - height - border)
        self.point_at(self.frame)

    def focus_window(self):
        """What a window manager does with a new window, or when a dialog over it closes: give
        it the keyboard. weston does it itself; the bare X server has no window manager."""
        if not self.wayland:
            self.desktop.xdotool("windowfocus", "--sync", self.window_id())

    def window_id(self):
        return int(self.desktop.xdotool("search", "--pid", self.process.pid, "--name",
                                        "^Quintara Vers").split()[0])

    def _maximized(self):
        box = extents(self.frame)
        return box if box[2] > 1000 else None

    def point_at(self, node):
        x, y, width, height = extents(node)
        self.desktop.xdotool("mousemove", self.offset[0] + x + width // 2,
                             self.offset[1] + y + height // 2)
        # A nested compositor passes the motion on in its own time; let it arrive first.
        time.sleep(0.3)

    def click(self, node, button=1):
        self.point_at(node)
        self.desktop.xdotool("mousedown", button, "sleep", "0.05", "mouseup", button)

    def key(self, *names):
        for name in names:
            self.desktop.xdotool("key", name)

    @contextlib.contextmanager
    def x_window(self):
        """The game's X window, on a connection of its own that is closed after use."""
        x = display.Display(self.desktop.env["DISPLAY"])
        try:
            yield x, x.create_resource_object("window", self.window_id())
        finally:
            x.close()

    def close_window(self):
        if self.wayland:
            # The close button at the right end of the decoration's title bar.
            self.desktop.xdotool("mousemove", SCREEN[0] - 17, self.offset[1] // 2)
            time.sleep(0.1)
            self.desktop.xdotool("click", 1)
        else:
            with self.x_window() as (x, window):
                protocols = x.intern_atom("WM_PROTOCOLS")
                message = protocol.event.ClientMessage(
                    window=window, client_type=protocols,
                    data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
                window.send_event(message, event_mask=X.NoEventMask)
                x.sync()  # the server has the message once this returns


def icon_sizes(player):
    """The sizes of the bitmaps in the window's _NET_WM_ICON: width, height, then the pixels."""
    with player.x_window() as (x, window):
        icon = window.get_full_property(x.intern_atom("_NET_WM_ICON"), X.AnyPropertyType)
        words = list(icon.value) if icon else []
    sizes = []
    while len(words) >= 2:
        width, height = words[0], words[1]
        sizes.append((width, height))
        words = words[2 + width * height:]
    return sizes


def expect(condition, what):
    if not condition:
        raise AssertionError(what)


def split(text):
    """'7, given, clashes' -> ('7', {'given', 'clashes'})."""
    symbol, *marks = text.split(", ")
    return symbol, set(marks)


def read_puzzle(reader, side):
    cells = reader.board(side)
    givens = {}
    for place, text in cells.items():
        symbol, marks = split(text)
        if text != "empty":
            expect(marks == {"given"}, "%s in the puzzle says %r" % (place, text))
            givens[place] = symbol
    expect(side <= len(givens) < side * side, "%d givens on a %d x %d board" %
           (len(givens), side, side))
    return cells, givens


def read_solution(reader, side, symbols, givens):
    """The solution view: givens as before, every other cell marked as the solution's, and every
    row, column and box holding each symbol once."""
    wait_for(lambda: reader.board(side) != {} and all(
        t != "empty" for t in reader.board(side).values()), 5, "the solution view")
    solution = {}
    for place, text in reader.board(side).items():
        symbol, marks = split(text)
        expect(marks == ({"given"} if place in givens else {"solution"}),
               "%s in the solution says %r" % (place, text))
        expect(givens.get(place, symbol) == symbol, "a given changed in the solution view")
        solution[place] = symbol
    box = int(side ** 0.5)
    units = [[(r, c) for c in range(side)] for r in range(side)]
    units += [[(r, c) for r in range(side)] for c in range(side)]
    units += [[(br + r, bc + c) for r in range(box) for c in range(box)]
              for br in range(0, side, box) for bc in range(0, side, box)]
    for unit in units:
        expect(sorted(solution[p] for p in unit) == sorted(symbols), "a unit breaks the rules")
    return solution


def cell_name(place, text):
    return "Row %d, column %d: %s" % (place[0] + 1, place[1] + 1, text)


def move_to(player, reader, place):
    row, col = wait_for(reader.focused_cell, 5, "a focused cell")
    reader.events.clear()
    player.key(*(["Down"] * (place[0] - row) + ["Up"] * (row - place[0])))
    player.key(*(["Right"] * (place[1] - col) + ["Left"] * (col - place[1])))
    if place != (row, col):
        reader.events.wait("focus", cell_name(place, reader.cell(*place).get_name().split(": ")[1]))
    wait_for(lambda: reader.focused_cell() == place, 5, "the focus on %s" % (place,))


def enter(player, reader, place, key, text):
    reader.events.clear()
    player.key(key)
    reader.wait_cell(*place, text)
    reader.events.wait("name", cell_name(place, text))


def answer_dialog(player, reader, expected_text):
    _, text = reader.dialog_text()
    expect(text == expected_text, "the dialog says %r, not %r" % (text, expected_text))
    player.key("Return")
    reader.gone(DIALOG)
    player.focus_window()
    # Keys sent before the window has the keyboard back would be lost.
    wait_for(lambda: reader.active(player.frame), 5, "the window to be active again")


def play_9x9(player, reader):
    symbols = "123456789"
    player.key("F10")
    cells, givens = read_puzzle(reader, 9)
    reader.find("push button", " Play [F5] ")
    reader.find("push button", " Show solution [F6] ")

    player.key("F6")
    solution = read_solution(reader, 9, symbols, givens)
    reader.find("push button", " Show game [F6] ")
    player.key("F6")
    wait_for(lambda: reader.board(9) == cells, 5, "the puzzle view again")

    player.key("F5")
    reader.find("push button", " Quit game [F5] ")
    wait_for(lambda: reader.focused_cell() == (0, 0), 5, "the focus on the first cell")
    empty = [place for place in sorted(cells) if place not in givens]

    # Arrows, then the right digit.
    first = empty[0]
    move_to(player, reader, first)
    enter(player, reader, first, solution[first], solution[first])

    # With the error view on, a given's symbol typed elsewhere in its row clashes; space empties.
    player.key("F8")
    wait_for(lambda: reader.checked(reader.find("check box", "View errors [F8]")), 5,
             "the error view on")
    clash = next(p for p in empty[1:] if any(g[0] == p[0] for g in givens))
    given = next(g for g in sorted(givens) if g[0] == clash[0])
    move_to(player, reader, clash)
    enter(player, reader, clash, givens[given], givens[given] + ", clashes")
    reader.wait_cell(*given, givens[given] + ", given, clashes")
    print("a row of a 9 x 9 board in play, error view on, as a screen reader reads it:")
    for col in range(9):
        print("  " + reader.cell(clash[0], col).get_name())
    enter(player, reader, clash, "space", "empty")

    # The context menu on a right-clicked cell, read when it shows; its symbol is chosen with
    # the arrow keys once the menu holds the keyboard, as its first item's focus tells.
    pick = empty[-1]
    reader.events.clear()
    player.click(reader.cell(*pick), button=3)
    menu = reader.events.source("shown", "popup menu")
    items = [menu.get_child_at_index(i).get_name() for i in range(menu.get_child_count())]
    expect(items == ["Delete "] + list(symbols) + [
        "Disable control [F8]", "Hint! [F4]", "Quit game [F5]", "Show solution [F6]"],
        "the menu reads %r" % items)
    player.key("Down")
    reader.events.wait("focus", "Delete ")
    player.key(*["Down"] * items.index(solution[pick]), "Return")
    reader.wait_cell(*pick, solution[pick])

    # The hint for the right-clicked cell, in a message box answered with Enter.
    player.key("F4")
    answer_dialog(player, reader, "For this box the best symbol is :%s: " % solution[pick])

    player.key("F6")
    reader.wait_cell(*first, solution[first] + ", solution")
    player.key("F6")
    reader.wait_cell(*first, solution[first])

    # Quit, answered Yes: the entries go.
    player.key("F5")
    answer_dialog(player, reader, "Quit the current game ?")
    reader.find("push button", " Play [F5] ")
    reader.wait_cell(*first, "empty")


def play_16x16(player, reader):
    symbols = "0123456789ABCDEF"
    player.click(reader.find("radio button", "4x4"))
    player.key("F10")
    cells, givens = read_puzzle(reader, 16)
    player.key("F6")
    solution = read_solution(reader, 16, symbols, givens)
    player.key("F6", "F5")
    reader.find("push button", " Quit game [F5] ")
    # A letter typed in lower case enters the capital.
    place = next(p for p in sorted(cells) if p not in givens and solution[p].isalpha())
    move_to(player, reader, place)
    enter(player, reader, place, solution[place].lower(), solution[place])
    player.key("F5")
    answer_dialog(player, reader, "Quit the current game ?")


def run_on(server, binary, desktop):
    wayland = server == "wayland"
    weston, env = desktop.start_weston() if wayland else (None, desktop.x11_client_env())
    opener = help_pages.Opener(os.path.join(desktop.runtime, "opener"))
    process = desktop.start_app(binary, opener.env(env))
    reader = Reader(process.pid)
    try:
        player = Player(desktop, reader, process, wayland)
        player.focus_window()
        if not wayland:
            window = desktop.xdotool("search", "--pid", process.pid, "--class", "^Quintara$")
            expect(window.strip(), "no window of class Quintara (StartupWMClass)")
            sizes = icon_sizes(player)
            expect(sizes == [(48, 48), (128, 128), (256, 256)],
                   "the window carries icons of %r, not 48, 128 and 256 pixels" % sizes)
        help_pages.check(player, reader, opener, answer_dialog)
        play_9x9(player, reader)
        play_16x16(player, reader)
        layouts.type_on_every_layout(player, reader, desktop.env, wayland)
        player.close_window()
        try:
            status = process.wait(10)
        except subprocess.TimeoutExpired:
            shown = desktop.xdotool("search", "--onlyvisible", "--pid", process.pid, "--name", ".")
            raise AssertionError("the game did not end within 10 s of the close; windows still "
                                 "shown: %r" % shown.split())
        expect(status == 0, "the game exited with status %d" % status)
    finally:
        reader.close()
        desktop.stop(process)
        if weston:
            desktop.stop(weston)
    output = desktop.app_output(process).strip()
    expect(not output, "the game printed:\n" + output)


def main(arguments):
    binary, servers = arguments[0], arguments[1:] or list(SERVERS)
    passed, failed = [], []
    started = time.monotonic()
    desktop = Desktop()
    # The AT-SPI client of this process finds the accessibility bus through the session bus.
    os.environ.update(DBUS_SESSION_BUS_ADDRESS=desktop.env["DBUS_SESSION_BUS_ADDRESS"],
                      DISPLAY=desktop.env["DISPLAY"])
    try:
        reader.connect()
        for server in servers:
            began = time.monotonic()
            try:
                run_on(server, binary, desktop)
                passed.append(server)
                print("end-to-end on %s: ok (%.1f s)" % (SERVERS[server], time.monotonic() - began))
            except Exception:
                failed.append(server)
                print("end-to-end on %s: FAILED (%.1f s)"
                      % (SERVERS[server], time.monotonic() - began))
                traceback.print_exc()
                if server == "wayland":
                    print("--- weston.log ---\n" + desktop.log("weston.log")[-3000:])
    finally:
        desktop.close()
    print("end-to-end ran on: %s; %.1f s in all" %
          (", ".join(SERVERS[s] for s in servers), time.monotonic() - started))
    print("%d passed, %d failed" % (len(passed), len(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
