#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game's pages in headless Chromium without a network, driven over the DevTools pipe: each
page must load with no failed or outside request, no console error and no script error; at 200 %
zoom (a 500 px wide view at scale 2) nothing may stick out sideways; in the dark scheme the page
must turn dark. A screenshot of each page and view goes to OUTDIR. Then tidy checks the HTML.
Ends with "N passed, M failed".

Usage: browser_test.py PAGES_DIR OUTDIR"""

import base64
import fcntl
import json
import os
import pathlib
import signal
import subprocess
import sys
import tempfile
import time

VIEWS = {"light": (1000, 1, "light"), "dark-200": (500, 2, "dark")}
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--remote-debugging-pipe"]
# What the page reports about itself once loaded: sideways overflow, and the body's background.
PROBE = ("JSON.stringify([document.documentElement.scrollWidth > innerWidth,"
         " getComputedStyle(document.documentElement).backgroundColor])")


class Browser:
    def __init__(self, profile):
        to_chromium, self._out = os.pipe()
        self._in, from_chromium = os.pipe()
        # Chromium talks on fds 3 and 4; the ends go there from above fd 10, so none overwrites
        # the other on the way.
        high = [fcntl.fcntl(fd, fcntl.F_DUPFD, 10) for fd in (to_chromium, from_chromium)]
        self.process = subprocess.Popen(
            ["bash", "-c", 'exec "$0" "$@" 3<&%d 4>&%d %d<&- %d>&-' % tuple(high * 2), "chromium"]
            + FLAGS + ["--user-data-dir=" + profile, "about:blank"],
            pass_fds=high, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        for fd in high + [to_chromium, from_chromium]:
            os.close(fd)
        self._buffer, self._next, self.session, self.events = b"", 0, None, []
        target = self.call("Target.createTarget", url="about:blank")["targetId"]
        self.session = self.call("Target.attachToTarget", targetId=target, flatten=True)[
            "sessionId"]
        for domain in ("Page", "Network", "Runtime", "Log"):
            self.call(domain + ".enable")

    def _message(self):
        while b"\0" not in self._buffer:
            chunk = os.read(self._in, 1 << 16)
            if not chunk:
                raise RuntimeError("Chromium closed its pipe")
            self._buffer += chunk
        text, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(text)

    def call(self, method, **params):
        self._next += 1
        message = {"id": self._next, "method": method, "params": params}
        if self.session:
            message["sessionId"] = self.session
        os.write(self._out, json.dumps(message).encode() + b"\0")
        while True:
            reply = self._message()
            if reply.get("id") == self._next:
                if "error" in reply:
                    raise RuntimeError("%s: %s" % (method, reply["error"]))
                return reply["result"]
            self.events.append(reply)

    def close(self):
        """Asks Chromium to quit, then ends whatever of its process group is left and waits until
        none of it runs: a renderer still writing into the profile would break its removal."""
        try:
            os.write(self._out, json.dumps({"id": 0, "method": "Browser.close"}).encode() + b"\0")
            self.process.wait(timeout=10)
        except (OSError, subprocess.TimeoutExpired):
            pass
        for _ in range(100):
            try:
                os.killpg(self.process.pid, signal.SIGKILL)
            except ProcessLookupError:
                break
            self.process.poll()
            time.sleep(0.1)
        os.close(self._out)
        os.close(self._in)

    def wait(self, method):
        while not any(e.get("method") == method for e in self.events):
            self.events.append(self._message())


def problems(events):
    """What went wrong while a page loaded, as one line each."""
    found = []
    for event in events:
        method, params = event.get("method"), event.get("params", {})
        url = params.get("request", {}).get("url", "file:")
        if method == "Network.requestWillBeSent" and not url.startswith(("file:", "data:")):
            found.append("outside request " + url)
        elif method == "Network.loadingFailed":
            found.append("failed to load %s" % params.get("errorText"))
        elif method == "Runtime.exceptionThrown":
            found.append("script error " + params["exceptionDetails"].get("text", ""))
        elif method == "Runtime.consoleAPICalled" and params["type"] in ("error", "warning"):
            found.append("console %s" % params["type"])
        elif method == "Log.entryAdded" and params["entry"]["level"] in ("error", "warning"):
            found.append("log: " + params["entry"]["text"])
    return found


def check(browser, page, view, out):
    width, scale, scheme = VIEWS[view]
    browser.call("Emulation.setDeviceMetricsOverride", width=width, height=800,
                 deviceScaleFactor=scale, mobile=False)
    browser.call("Emulation.setEmulatedMedia",
                 features=[{"name": "prefers-color-scheme", "value": scheme}])
    browser.events = []
    browser.call("Page.navigate", url=page.as_uri())
    browser.wait("Page.loadEventFired")
    found = problems(browser.events)
    overflow, background = json.loads(
        browser.call("Runtime.evaluate", expression=PROBE)["result"]["value"])
    if overflow:
        found.append("wider than the view at %d %% zoom" % (scale * 100))
    channels = [int(c) for c in background[background.index("(") + 1:-1].split(",")[:3]]
    if (sum(channels) < 384) != (scheme == "dark"):
        found.append("background %s in the %s scheme" % (background, scheme))
    shot = browser.call("Page.captureScreenshot", format="png", captureBeyondViewport=True)
    (out / ("%s-%s.png" % (page.stem, view))).write_bytes(base64.b64decode(shot["data"]))
    return found


def main(pages_dir, out_dir):
    pages_dir = pathlib.Path(pages_dir).resolve()
    pages = sorted(pages_dir.rglob("*.html"))
    out = pathlib.Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    passed = failed = 0
    with tempfile.TemporaryDirectory(prefix="quintara-chromium-") as profile:
        browser = Browser(profile)
        try:
            for page, view in [(p, v) for p in pages for v in VIEWS]:
                found = check(browser, page, view, out)
                name = "%s (%s)" % (page.relative_to(pages_dir), view)
                print(("FAIL: %s: %s" % (name, "; ".join(found))) if found else "ok: " + name)
                passed, failed = passed + (not found), failed + bool(found)
        finally:
            browser.close()
    for page in pages:
        tidy = subprocess.run(["tidy", "-q", "-e", str(page)], capture_output=True, text=True)
        ok = tidy.returncode == 0
        print(("ok: tidy %s" if ok else "FAIL: tidy %s\n" + tidy.stderr) % page.name)
        passed, failed = passed + ok, failed + (not ok)
    print("screenshots in " + str(out))
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
