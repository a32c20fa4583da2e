#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times from an arrow key to Orca speaking the cell or row it lands on, on 9 x 9 and 25 x 25,
with each key's time split into its legs (the key reaching Orca, the game's focus event reaching
Orca, Orca's work until it speaks) and the CPU time the game and Orca spend a key.

Usage: latency.py BINARY [ORCA OPTION...]   e.g. --disable braille"""

import os
import statistics
import sys

from orca_test import Game, Orca

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import reader  # noqa: E402  AT-SPI, to pick the size as a player would with the mouse
from desktop import Desktop  # noqa: E402

def cpu_seconds(process):
    """Time the process's main thread has run, where the game answers the screen reader and
    Orca does its work."""
    with open("/proc/%d/schedstat" % process.pid) as stat:
        return int(stat.read().split()[0]) / 1e9


def latency(game, moves):
    """For each arrow key, in seconds: from the key to Orca's first word of the cell or row it
    lands on, and the three legs of that: the key reaching Orca, the game's focus event
    reaching Orca, and Orca's work until it speaks (which includes the game's answers to its
    questions). The moves go back and forth between two places, as (key, spoken) pairs."""
    legs = []
    for press in range(16):
        key, pattern = moves[press % 2]
        mark = len(game.orca.log)
        sent, spoken = game.says(key, pattern)
        seen = [t for t, text in game.orca.log[mark:] if text.startswith("HOST_APP:")][0]
        focus = [t for t, text in game.orca.log[mark:]
                 if "object:state-changed:focused for [table cell" in text and " (1, " in text]
        legs.append((spoken - sent, seen - sent, focus[0] - seen, spoken - focus[0]))
    return legs


def measure(desktop, orca, binary):
    reader.connect()
    for side, item in ((9, "3x3"), (25, "5x5")):
        game = Game(desktop, orca, binary)
        reader.Reader(game.process.pid).find("radio button", item).do_action(0)
        game.says("F10", r"^table with %d rows" % side)
        game.says("F5", r"^F5")
        for kind, moves in (("along a row", (("Right", r"^Row 1, column 2: "),
                                             ("Left", r"^Row 1, column 1: "))),
                            ("across rows", (("Down", r"^Row 2, column 1: "),
                                             ("Up", r"^Row 1, column 1: ")))):
            cpu = [cpu_seconds(game.process), cpu_seconds(orca.process)]
            legs = list(zip(*latency(game, moves)))
            cpu = [1000 * (cpu_seconds(p) - c) / len(legs[0])
                   for p, c in zip((game.process, orca.process), cpu)]
            times = sorted(legs[0])
            print("%d x %d, %s: key to speech median %.0f ms, p90 %.0f ms; medians of its legs: "
                  "key to Orca %.0f ms, to the game's focus event %.0f ms, to speech %.0f ms; "
                  "CPU a key: game %.1f ms, Orca %.1f ms"
                  % (side, side, kind, 1000 * statistics.median(times),
                     1000 * times[int(0.9 * len(times))],
                     *(1000 * statistics.median(leg) for leg in legs[1:]), *cpu))
        desktop.stop(game.process)


def main(arguments):
    desktop = Desktop()
    # The AT-SPI client of this process finds the accessibility bus through the session bus.
    os.environ.update(DBUS_SESSION_BUS_ADDRESS=desktop.env["DBUS_SESSION_BUS_ADDRESS"],
                      DISPLAY=desktop.env["DISPLAY"])
    try:
        measure(desktop, Orca(desktop, arguments[1:]), arguments[0])
    finally:
        desktop.close()


if __name__ == "__main__":
    main(sys.argv[1:])
