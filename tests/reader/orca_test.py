#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game with a real screen reader: Orca on a virtual X server, speaking through
speech-dispatcher and espeak-ng into libao's null device, plays a short game and checks that
each step is spoken. What Orca says is read from its debug log, which it writes to a terminal
here: to a file it would be block-buffered, and lines would come late or never.

Usage: orca_test.py BINARY"""

import os
import pty
import re
import shutil
import sys
import threading
import time
import traceback
from datetime import datetime

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from desktop import Desktop, wait_for  # noqa: E402

STAMP = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - (.*)")
# "SPEECH OUTPUT: 'Row 3, column 2: 5.'{'established': False}"
SPOKEN = re.compile(r"^SPEECH OUTPUT: '(.*?)\.?' ?\{'established")
CELL = re.compile(r"Row (\d+), column (\d+): ([^.']*)")


class Orca:
    """speech-dispatcher and Orca on the desktop's buses; `said` is what Orca spoke so far, as
    (seconds since midnight, text)."""

    def __init__(self, desktop, options=()):
        self.desktop, self.said, self.log = desktop, [], []
        home = desktop.runtime
        config = os.path.join(home, "speechd")
        os.makedirs(os.path.join(config, "modules"))
        shutil.copy("/etc/speech-dispatcher/modules/espeak-ng.conf", config + "/modules/")
        with open(os.path.join(config, "speechd.conf"), "w") as conf:
            conf.write('AudioOutputMethod "libao"\nDefaultModule "espeak-ng"\n'
                       'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n')
        with open(os.path.join(home, ".libao"), "w") as libao:
            libao.write("default_driver=null\n")
        socket = os.path.join(home, "speechd.sock")
        env = dict(desktop.env, HOME=home, GSETTINGS_BACKEND="memory",
                   SPEECHD_ADDRESS="unix_socket:" + socket)
        desktop._start(["speech-dispatcher", "--run-single", "--timeout", "0",
                        "--config-dir", config, "--socket-path", socket], log="speechd.log", env=env)
        wait_for(lambda: os.path.exists(socket), 10, "speech-dispatcher")
        # A terminal makes Orca's log line-buffered.
        self.terminal, log = pty.openpty()
        threading.Thread(target=self._read, daemon=True).start()
        self.process = desktop._start(["orca", "--replace", *options,
                                       "--user-prefs", os.path.join(home, "orca"),
                        "--debug-file", os.ttyname(log)], log="orca.log", env=env)
        self.wait(r"Screen reader on", 0, 30)

    def _read(self):
        pending = b""
        while True:
            try:
                chunk = os.read(self.terminal, 1 << 16)
            except OSError:
                return
            *lines, pending = (pending + chunk).split(b"\n")
            for line in lines:
                text = line.decode(errors="replace")
                stamp = STAMP.match(text)
                if stamp:
                    clock = datetime.strptime(stamp[1], "%H:%M:%S.%f")
                    seconds = clock.hour * 3600 + clock.minute * 60 + clock.second
                    self.log.append((seconds + clock.microsecond / 1e6, stamp[2]))
                    match = SPOKEN.match(stamp[2])
                    if match:
                        self.said.append((self.log[-1][0], match[1]))

    def wait(self, pattern, since, seconds=10):
        """The first utterance from index `since` on that matches, as (index, match)."""
        def heard():
            for index in range(since, len(self.said)):
                match = re.search(pattern, self.said[index][1])
                if match:
                    return index, match
            return None
        return wait_for(heard, seconds, "Orca to say %r (it said %r)"
                        % (pattern, [text for _, text in self.said[since:]][-8:]))


class Game:
    def __init__(self, desktop, orca, binary):
        self.desktop, self.orca = desktop, orca
        self.process = desktop.start_app(binary, desktop.x11_client_env())
        self.window = wait_for(lambda: desktop.xdotool(
            "search", "--pid", self.process.pid, "--name", "^Quintara Vers").split(), 20,
            "the game's window")[0]
        self.focus()

    def focus(self):
        """What a window manager does when a window appears or a dialog over it closes: the
        X server has none here. Waits for the game to show its window alone."""
        shown = lambda: self.desktop.xdotool("search", "--onlyvisible", "--pid",
                                             self.process.pid, "--name", ".").split()
        wait_for(lambda: shown() == [self.window], 10, "the game to show its window alone")
        self.desktop.xdotool("windowfocus", "--sync", self.window)

    def says(self, keys, *patterns):
        """Presses the keys, then waits for each pattern to be spoken, in order; returns when
        the keys went out and when the last pattern was spoken, in seconds since midnight."""
        since = len(self.orca.said)
        now = datetime.now()
        sent = now.hour * 3600 + now.minute * 60 + now.second + now.microsecond / 1e6
        for key in keys.split():
            self.focus() if key == "focus" else self.desktop.xdotool("key", key)
        for pattern in patterns:
            since, _ = self.orca.wait(pattern, since)
            since += 1
        return sent, self.orca.said[since - 1][0] if patterns else sent


def cells_of_row(orca, row, since):
    """{column: what the cell says} of the row Orca read out in full after `since`."""
    return {int(m[2]): m[3] for _, text in orca.said[since:] for m in CELL.finditer(text)
            if int(m[1]) == row}


def play(game):
    game.says("F10", r"^notification New puzzle, 9 by 9")
    game.says("F5", r"^notification Playing, clock started")
    for row in range(2, 10):
        since = len(game.orca.said)
        game.says("Down", r"^Row %d, column 9: " % row)
        cells = cells_of_row(game.orca, row, since)
        empty = [col for col, text in cells.items() if text == "empty"]
        given = [col for col, text in cells.items() if text.endswith(", given")]
        if empty and given:
            break
    at = lambda col: r"^Row %d, column %d: " % (row, col)
    if empty[0] > 1:
        game.says("Right " * (empty[0] - 1), at(empty[0]) + "empty")
    game.says("5", r"^'?5", at(empty[0]) + "5$")
    move = "Right" if given[0] > empty[0] else "Left"
    game.says((move + " ") * abs(given[0] - empty[0]), at(given[0]) + cells[given[0]])
    game.says("9", r"^'?9", at(given[0]) + re.escape(cells[given[0]]) + "$")
    back = "Left" if move == "Right" else "Right"
    game.says((back + " ") * abs(given[0] - empty[0]), at(empty[0]) + "5")
    game.says("F4", r"^For this box the best symbol is :\d: ")
    # Closing the box, the player is back on the cell they left.
    game.says("Return focus", at(empty[0]) + "5")
    game.says("F6", r"^notification Solution shown")
    game.says("F6", r"^notification Game shown")


def main(arguments):
    binary, started = arguments[0], time.monotonic()
    desktop = Desktop()
    orca, failed = None, 0
    try:
        orca = Orca(desktop)
        play(Game(desktop, orca, binary))
        print("a short game with Orca: ok (%.1f s)" % (time.monotonic() - started))
    except Exception:
        failed = 1
        traceback.print_exc()
        if orca:
            print("--- what Orca said last ---\n" + "\n".join(t for _, t in orca.said[-30:]))
    finally:
        desktop.close()
    print("%d passed, %d failed" % (1 - failed, failed))
    return failed


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
