# SPDX-License-Identifier: GPL-3.0-or-later
"""A throw-away desktop for the end-to-end run: a virtual X server, a session bus with the
accessibility bus and registry on it, and optionally weston nested in the X server. Every process
started here is stopped by close(), in reverse order."""

import os
import re
import shutil
import subprocess
import tempfile
import time

# weston's output; the X screen is a little larger, so the pointer can leave weston's window.
SCREEN = (1280, 1024)
X_SCREEN = (SCREEN[0] + 20, SCREEN[1] + 20)


class Desktop:
    def __init__(self):
        self.runtime = tempfile.mkdtemp(prefix="quintara-e2e-")
        os.chmod(self.runtime, 0o700)
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime, LANG="C.UTF-8", LC_ALL="C.UTF-8")
        for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS",
                     "AT_SPI_BUS_ADDRESS", "SESSION_MANAGER"):
            self.env.pop(name, None)
        self._processes = []
        try:
            self._start_x_server()
            self._start_buses()
        except BaseException:
            self.close()
            raise

    def _start(self, command, log=None, **options):
        out = open(os.path.join(self.runtime, log), "w") if log else subprocess.DEVNULL
        process = subprocess.Popen(command, env=options.pop("env", self.env), stdout=out,
                                   stderr=subprocess.STDOUT, **options)
        self._processes.append(process)
        return process

    def _start_x_server(self):
        read_end, write_end = os.pipe()
        self._start(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                     "%dx%dx24" % X_SCREEN, "-nolisten", "tcp"], log="xvfb.log",
                    pass_fds=[write_end])
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start: " + self.log("xvfb.log"))
        self.env["DISPLAY"] = ":" + number

    def _start_buses(self):
        bus = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1",
             "--address=unix:path=%s/bus" % self.runtime],
            env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self._processes.append(bus)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        # Starts the accessibility bus at once; the registry is started on it when first asked.
        self._start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                    log="at-spi.log")
        # A client started before the bus is up would run without accessibility.
        wait_for(lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], env=self.env, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL).returncode == 0, 10, "the accessibility bus")

    def start_weston(self, socket="wayland-quintara"):
        """weston in a window of the X server, as large as the screen, without a panel, so a
        maximized window fills it; returns its process and the environment for a client."""
        config = os.path.join(self.runtime, "weston.ini")
        with open(config, "w") as ini:
            ini.write("[core]\nidle-time=0\n[shell]\npanel-position=none\nlocking=false\n")
        weston = self._start(["weston", "--backend=x11-backend.so", "--socket=" + socket,
                     "--width=%d" % SCREEN[0], "--height=%d" % SCREEN[1], "--config=" + config],
                    log="weston.log")
        wait_for(lambda: os.path.exists(os.path.join(self.runtime, socket)), 10,
                 "weston's socket")
        # Its X window has to be up before input can reach it; its log names it when it is.
        wait_for(lambda: re.search(r"x11 output .*window id \d+", self.log("weston.log")), 10,
                 "weston's window")
        # weston follows the pointer from the moment it enters its window.
        self.xdotool("mousemove", X_SCREEN[0] - 1, X_SCREEN[1] - 1, "sleep", "0.2",
                     "mousemove", SCREEN[0] // 2, SCREEN[1] // 2)
        env = dict(self.env, WAYLAND_DISPLAY=socket, QT_QPA_PLATFORM="wayland")
        del env["DISPLAY"]
        return weston, env

    def x11_client_env(self):
        return dict(self.env, QT_QPA_PLATFORM="xcb")

    def start_app(self, binary, env):
        """The game, with Qt's accessibility bridge on (no desktop settings say so here)."""
        env = dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        return self._start([binary], log="app-%d.log" % len(self._processes), env=env)

    def log(self, name):
        path = os.path.join(self.runtime, name)
        return open(path, errors="replace").read() if os.path.exists(path) else ""

    def app_output(self, process):
        return self.log("app-%d.log" % (self._processes.index(process)))

    def xdotool(self, *arguments):
        return subprocess.run(["xdotool"] + [str(a) for a in arguments], env=self.env,
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              check=False).stdout.decode()

    def stop(self, process, timeout=5):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(timeout)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def close(self):
        for process in reversed(self._processes):
            self.stop(process)
        shutil.rmtree(self.runtime, ignore_errors=True)


def wait_for(condition, seconds, what, interval=0.05):
    deadline = time.monotonic() + seconds
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise TimeoutError("timed out waiting for " + what)
        time.sleep(interval)
