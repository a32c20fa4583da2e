#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks a tree of the game's pages: every address the game opens (as ADDRESSES_PROGRAM prints
them) is a file there, and every page has a language, headings that go down one level at a time,
alt text on each picture, and links and pictures that resolve inside the tree. Exits non-zero
on any fault, listing them.

Usage: pages_test.py ADDRESSES_PROGRAM PAGES_DIR"""

import html.parser
import pathlib
import subprocess
import sys
import urllib.parse


class Page(html.parser.HTMLParser):
    def __init__(self, path):
        super().__init__()
        self.path, self.faults, self.level, self.lang = path, [], 0, None
        self.feed(path.read_text(encoding="utf-8"))

    def handle_starttag(self, tag, attributes):
        attributes = dict(attributes)
        if tag == "html":
            self.lang = attributes.get("lang")
        if len(tag) == 2 and tag[0] == "h" and tag[1].isdigit():
            if int(tag[1]) > self.level + 1:
                self.faults.append("<%s> after <h%d>" % (tag, self.level))
            self.level = int(tag[1])
        if tag == "img" and not attributes.get("alt", "").strip():
            self.faults.append("picture %s without alt text" % attributes.get("src"))
        for name in ("href", "src"):
            if name in attributes:
                self.reference(attributes[name])

    def reference(self, address):
        parts = urllib.parse.urlsplit(address)
        if parts.scheme or parts.netloc:
            self.faults.append("outside address " + address)
        elif parts.path and not (self.path.parent / urllib.parse.unquote(parts.path)).is_file():
            self.faults.append("missing " + address)


def main(program, pages_dir):
    faults = []
    addresses = subprocess.run([program], capture_output=True, text=True, check=True,
                               env={"QT_QPA_PLATFORM": "offscreen"}).stdout.split()
    for address in addresses:
        parts = urllib.parse.urlsplit(address)
        if parts.scheme != "file" or not pathlib.Path(urllib.parse.unquote(parts.path)).is_file():
            faults.append("the game opens %s, which is no file" % address)
    pages = sorted(pathlib.Path(pages_dir).rglob("*.html"))
    for path in pages:
        page = Page(path)
        if page.lang not in ("en", "it"):
            page.faults.append("no lang on <html>")
        faults += ["%s: %s" % (path.name, fault) for fault in page.faults]
    print("\n".join(faults) or "%d addresses and %d pages resolve" % (len(addresses), len(pages)))
    return 1 if faults or len(addresses) != 8 else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
