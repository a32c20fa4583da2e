# SPDX-License-Identifier: GPL-3.0-or-later
"""F1 in each state, the news button and the maker's link must open a page that exists. The
game opens pages through the desktop's opener, xdg-open; a stand-in of that name, first on the
game's PATH, records each address instead of starting a browser, and the test reads the file it
names."""

import os
import urllib.parse

from desktop import wait_for
from reader import DIALOG, extents

NEWS_BUTTON = "Verifica se ci sono aggiornamenti, novita' o nuove versioni  !"


class Opener:
    """The stand-in xdg-open and the addresses it was given."""

    def __init__(self, folder):
        os.makedirs(folder, exist_ok=True)
        self.folder, self.record = folder, os.path.join(folder, "opened")
        open(self.record, "w").close()
        with open(os.path.join(folder, "xdg-open"), "w") as script:
            script.write("#!/bin/sh\nprintf '%%s\\n' \"$1\" >> '%s'\n" % self.record)
        os.chmod(os.path.join(folder, "xdg-open"), 0o755)

    def env(self, env):
        return dict(env, PATH=self.folder + os.pathsep + env.get("PATH", ""))

    def opened(self):
        with open(self.record) as record:
            return record.read().split()

    def expect_page(self, what, name):
        """Waits for the next address; it must be an existing file called name."""
        count = len(self.opened())
        what()
        address = wait_for(lambda: self.opened()[count:], 5, "an address for " + name)[0]
        parts = urllib.parse.urlsplit(address)
        path = urllib.parse.unquote(parts.path)
        if parts.scheme != "file" or os.path.basename(path) != name or not os.path.isfile(path):
            raise AssertionError("%s opened %r, not an existing %s" % (name, address, name))


def check(player, reader, opener, answer_dialog):
    """From the start to a puzzle on display, through every state, with F1 in each; then the
    news button of the print notice and the maker's link."""
    page = "w_orvella-quintara0-hlp%d-EN.html"
    for keys, number in [((), 0), (("F10",), 1), (("F6",), 1), (("F6", "F5"), 2), (("F6",), 2)]:
        player.key(*keys)
        opener.expect_page(lambda: player.key("F1"), page % number)
    player.key("F6", "F5")
    answer_dialog(player, reader, "Quit the current game ?")

    # The dialog opens with "Chiudi" focused; Tab reaches the news button, whose place on
    # Wayland is known only inside the dialog's own window, and Space presses it.
    reader.events.clear()
    player.key("F7")
    reader.find("push button", NEWS_BUTTON)
    player.key("Tab")
    reader.events.wait("focus", NEWS_BUTTON)
    opener.expect_page(lambda: player.key("space"), "quintara-news.html")
    player.key("Return")
    reader.gone(DIALOG)
    player.focus_window()
    wait_for(lambda: reader.active(player.frame), 5, "the window to be active again")
    link = reader.find("link", "About Quintara")
    opener.expect_page(lambda: click_on_text(player, link), "about.html")


def click_on_text(player, link):
    """A click on the link's first letters: its box may be wider than its text, and only the
    text opens it."""
    x, y, _, height = extents(link)
    player.desktop.xdotool("mousemove", player.offset[0] + x + 8, player.offset[1] + y + height // 2,
                           "sleep", "0.3", "click", "1")
