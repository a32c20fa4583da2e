#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up cost of the game against a bare Qt window, on a private Xvfb.

Usage: startup_bench.py GAME BARE [--runs N] [--idle SECONDS]

Starts GAME and BARE alternately, N times each, and for every start measures: the time from exec
to the top-level window being mapped (MapNotify on the root) and to its first drawing (a DAMAGE
report on it), the CPU the process used up to each, its resident memory and the pages it has
faulted in 2 s later, and the CPU it uses over the following idle seconds. Prints the medians side
by side, with the game's difference and ratio to the bare window.
"""
import argparse
import os
import select
import signal
import statistics
import subprocess
import sys
import time

from Xlib import X, display as xdisplay
from Xlib.ext import damage

SETTLE_SECONDS = 2.0
WINDOW_TIMEOUT_SECONDS = 20.0


def start_xvfb():
    """A private Xvfb; returns the process and its display name."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            raise RuntimeError("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


def cpu_by_thread(pid):
    """CPU time in ms of each live thread of the process, from the scheduler's nanosecond counts."""
    times = {}
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
                times[task] = int(stat.read().split()[0]) / 1e6
        except (FileNotFoundError, ProcessLookupError):
            pass
    return times


def cpu_since(before, after):
    """CPU used between two readings; a thread that ended in between is left out rather than
    counted as time given back."""
    return sum(spent - before.get(task, 0.0) for task, spent in after.items())


def rss_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    raise RuntimeError("no VmRSS")


def page_faults(pid):
    """Pages the process has faulted in so far, all its threads together. On a virtual machine each
    costs a trip to the hypervisor; unlike the times, the count hardly varies from run to run."""
    with open(f"/proc/{pid}/stat") as stat:
        # The command name may hold blanks; the fields after it are counted from its ")".
        return int(stat.read().rsplit(")", 1)[1].split()[7])


def wait_for_window(conn, drawn_event, pid, deadline):
    """Blocks until a top-level window is mapped and then first drawn into. Returns the times
    of both and the process's CPU time at each."""
    mapped = None
    while True:
        while conn.pending_events():
            event = conn.next_event()
            if event.type == X.CreateNotify:
                # Watched from its creation, so that no drawing is missed.
                event.window.damage_create(damage.DamageReportNonEmpty)
                conn.flush()
            elif event.type == X.MapNotify and mapped is None:
                mapped = (event.window.id, time.monotonic(), sum(cpu_by_thread(pid).values()))
            elif event.type == drawn_event and mapped and event.drawable.id == mapped[0]:
                return mapped[1:] + (time.monotonic(), sum(cpu_by_thread(pid).values()))
        remaining = deadline - time.monotonic()
        if remaining <= 0:
            raise RuntimeError("no window mapped and drawn")
        select.select([conn.fileno()], [], [], remaining)
        conn.pending_events()  # reads what arrived


def measure(program, conn, drawn_event, environment, idle_seconds):
    # Events of the previous program's last moments are not this one's.
    conn.sync()
    while conn.pending_events():
        conn.next_event()
    started = time.monotonic()
    process = subprocess.Popen([program], env=environment, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        mapped, cpu_at_map, drawn, cpu_at_drawn = wait_for_window(
            conn, drawn_event, process.pid, started + WINDOW_TIMEOUT_SECONDS)
        time.sleep(SETTLE_SECONDS)
        rss = rss_mb(process.pid)
        faults = page_faults(process.pid)
        before_idle = cpu_by_thread(process.pid)
        time.sleep(idle_seconds)
        idle = cpu_since(before_idle, cpu_by_thread(process.pid))
    finally:
        process.send_signal(signal.SIGTERM)
        process.wait()
    return {"start": (mapped - started) * 1000.0, "drawn": (drawn - started) * 1000.0,
            "cpu": cpu_at_map, "cpu drawn": cpu_at_drawn, "rss": rss, "faults": faults,
            "idle": idle}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("game")
    parser.add_argument("bare")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--idle", type=float, default=10.0)
    args = parser.parse_args()

    server, name = start_xvfb()
    try:
        conn = xdisplay.Display(name)
        conn.damage_query_version()
        drawn_event = conn.query_extension("DAMAGE").first_event + damage.DamageNotifyCode
        conn.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        environment = {k: v for k, v in os.environ.items()
                       if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "SESSION_MANAGER")}
        environment.update(DISPLAY=name, QT_QPA_PLATFORM="xcb")
        programs = {"bare Qt window": args.bare, "Quintara": args.game}
        results = {label: [] for label in programs}
        # One start of each in turn, so a drift of the machine's load falls on both alike; the
        # first round warms the page cache and is not counted.
        for round_number in range(args.runs + 1):
            for label, program in programs.items():
                figures = measure(program, conn, drawn_event, environment, args.idle)
                if round_number > 0:
                    results[label].append(figures)
                print(f"  {label:15} mapped {figures['start']:6.1f} ms, drawn {figures['drawn']:6.1f}"
                      f" ms; cpu {figures['cpu']:5.1f} ms, {figures['cpu drawn']:5.1f} ms;"
                      f" rss {figures['rss']:5.1f} MB, {figures['faults']:5d} faults;"
                      f" idle {figures['idle']:5.2f} ms"
                      + ("  (warm-up)" if round_number == 0 else ""), flush=True)
    finally:
        server.terminate()
        server.wait()

    medians = {label: {key: statistics.median(run[key] for run in runs) for key in runs[0]}
               for label, runs in results.items()}
    bare, game = medians["bare Qt window"], medians["Quintara"]
    rows = [("exec to window mapped (ms)", "start"), ("exec to window drawn (ms)", "drawn"),
            ("CPU to window mapped (ms)", "cpu"), ("CPU to window drawn (ms)", "cpu drawn"),
            ("memory 2 s later, RSS (MB)", "rss"), ("page faults 2 s later", "faults"),
            (f"CPU while idle, {args.idle:g} s (ms)", "idle")]
    print(f"\nmedians of {args.runs} starts each, alternated on one Xvfb:")
    print(f"  {'':32} {'bare Qt':>9} {'Quintara':>9} {'difference':>11} {'ratio':>7}")
    for title, key in rows:
        ratio = f"{game[key] / bare[key]:.2f}" if bare[key] > 0 else "-"
        print(f"  {title:32} {bare[key]:9.2f} {game[key]:9.2f} {game[key] - bare[key]:+11.2f}"
              f" {ratio:>7}")


if __name__ == "__main__":
    sys.exit(main())
