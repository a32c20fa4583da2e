# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader learns of the game over AT-SPI: the accessible tree of its process, the
board's table read cell by cell, the dialogs it opens, and the focus and name-change events it
sends. Import after the session bus is set in the environment."""

import re
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

from desktop import wait_for  # noqa: E402

# Message boxes are alerts, the question a dialog.
DIALOG = "alert|dialog"
CELL = re.compile(r"^Row (\d+), column (\d+): (.*)$")


class Events:
    """Focus and name-change events of one process, as (kind, name of the source) pairs."""

    def __init__(self, pid):
        self.pid = pid
        self.seen = []
        self.sources = []
        self._listener = Atspi.EventListener.new(self._record)
        self._listener.register("focus:")
        self._listener.register("object:state-changed:focused")
        self._listener.register("object:property-change:accessible-name")
        self._listener.register("object:state-changed:showing")

    def _record(self, event):
        try:
            if event.source.get_process_id() != self.pid:
                return
            if event.type.startswith("object:state-changed") and not event.detail1:
                return
            kind = ("name" if "accessible-name" in event.type else
                    "shown" if "showing" in event.type else "focus")
            self.seen.append((kind, event.source.get_name()))
            self.sources.append(event.source)
        except GLib.Error:
            pass  # the source went away meanwhile

    def pump(self):
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass

    def clear(self):
        self.pump()
        self.seen.clear()
        self.sources.clear()

    def wait(self, kind, name, seconds=5):
        def arrived():
            self.pump()
            return (kind, name) in self.seen
        wait_for(arrived, seconds, "a %s event from %r (seen: %r)" % (kind, name, self.seen[-5:]))

    def source(self, kind, role, seconds=5):
        """The last node of a role that sent an event of a kind. Popup menus are not in the
        tree: a screen reader learns of them by these events."""
        def arrived():
            self.pump()
            nodes = [node for (k, _), node in zip(self.seen, self.sources)
                     if k == kind and node.get_role_name() == role]
            return nodes[-1] if nodes else None
        return wait_for(arrived, seconds, "a %s event from a %s" % (kind, role))

    def close(self):
        for kind in ("focus:", "object:state-changed:focused",
                     "object:property-change:accessible-name", "object:state-changed:showing"):
            self._listener.deregister(kind)


def connect():
    """Joins the accessibility bus before any application starts: the desktop's list of
    applications is then kept up to date as they come and go."""
    Atspi.init()
    Atspi.get_desktop(0).get_child_count()


class Reader:
    def __init__(self, pid):
        self.pid = pid
        self.app = wait_for(self._find_app, 20, "the game in the accessibility tree")
        self.events = Events(pid)

    def _find_app(self):
        desktop = Atspi.get_desktop(0)
        desktop.clear_cache()  # the list of applications changes while we wait
        for index in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(index)
            if app is not None and app.get_process_id() == self.pid:
                return app
        return None

    # The tree -----------------------------------------------------------------------------
    def windows(self):
        return [self.app.get_child_at_index(i) for i in range(self.app.get_child_count())]

    def find_all(self, role, name=None, root=None):
        """Every showing node of a role ("a|b" for either) and name under root; tables are not
        entered."""
        found = []

        def visit(node):
            if node is None or not node.get_state_set().contains(Atspi.StateType.SHOWING):
                return
            if node.get_role_name() in role.split("|") and name in (None, node.get_name()):
                found.append(node)
            if node.get_role_name() != "table":
                for index in range(node.get_child_count()):
                    visit(node.get_child_at_index(index))

        for top in [root] if root else self.windows():
            visit(top)
        return found

    def find(self, role, name=None, root=None, seconds=5):
        return wait_for(lambda: (self.find_all(role, name, root) or [None])[0], seconds,
                        "a %s named %r" % (role, name))

    def gone(self, role, name=None, seconds=5):
        wait_for(lambda: not self.find_all(role, name), seconds,
                 "the %s %r to go away" % (role, name))

    def names(self, role, root=None):
        return [node.get_name() for node in self.find_all(role, root=root)]

    def dialog_text(self, seconds=5):
        """The text of the one open dialog (a message box or a question)."""
        dialog = self.find(DIALOG, seconds=seconds)
        labels = [name for name in self.names("label", root=dialog) if name]
        return dialog, "\n".join(labels)

    # The board ----------------------------------------------------------------------------
    def table(self):
        return self.find("table", "Board")

    def board(self, side):
        """{(row, col): what the cell says after its place}, rows and columns from 0, once the
        table has side x side cells; checks that every name gives its own place."""
        table = wait_for(lambda: self._table_of(side), 10, "a %d x %d board" % (side, side))
        cells = {}
        for row in range(side):
            for col in range(side):
                name = table.get_accessible_at(row, col).get_name()
                match = CELL.match(name)
                if not match or (int(match[1]), int(match[2])) != (row + 1, col + 1):
                    raise AssertionError("cell (%d, %d) is named %r" % (row, col, name))
                cells[(row, col)] = match[3]
        return cells

    def _table_of(self, side):
        table = self.table()
        return table if table.get_n_rows() == side and table.get_n_columns() == side else None

    def cell(self, row, col):
        return self.table().get_accessible_at(row, col)

    def focused_cell(self):
        table = self.table()
        for row in range(table.get_n_rows()):
            for col in range(table.get_n_columns()):
                cell = table.get_accessible_at(row, col)
                if cell.get_state_set().contains(Atspi.StateType.FOCUSED):
                    return row, col
        return None

    def wait_cell(self, row, col, text, seconds=5):
        wait_for(lambda: self.cell(row, col).get_name().endswith(": " + text), seconds,
                 "cell (%d, %d) to say %r (it says %r)"
                 % (row, col, text, self.cell(row, col).get_name()))

    def active(self, node):
        return node.get_state_set().contains(Atspi.StateType.ACTIVE)

    def checked(self, node):
        return node.get_state_set().contains(Atspi.StateType.CHECKED)

    def close(self):
        self.events.close()


def extents(node):
    box = node.get_extents(Atspi.CoordType.SCREEN)
    return box.x, box.y, box.width, box.height
