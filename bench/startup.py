#!/usr/bin/python3
"""Start-up time and peak memory of two programs, alternated, under the X
server named by DISPLAY (run it through scripts/with-xvfb.sh with NO_WM=1).

Time runs from just before the process is spawned to the first damage
(painting) on any of its windows, caught through the X DAMAGE extension.
Peak RSS is the process's maximum resident set, taken from wait4() after
it has settled for a moment and been terminated.

A PROGRAM may be a command with arguments (wine zandrel.exe).

Usage: startup.py RUNS NAME=PROGRAM NAME=PROGRAM
"""
import os
import signal
import statistics
import subprocess
import sys
import time

from Xlib import X, display
from Xlib.ext import damage

SETTLE_SECONDS = 0.3
# Between runs: under Wine, the server and the desktop process go on tearing
# the last program down after it has ended, and a program started meanwhile
# is slowed by it, by chance; the pause keeps that out of the figures.
PAUSE_SECONDS = 0.5


def measure(d, program):
    root = d.screen().root
    watched = set()
    start = time.monotonic()
    proc = subprocess.Popen(program.split(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    painted = None
    deadline = start + 20
    while painted is None and time.monotonic() < deadline:
        while d.pending_events() == 0 and time.monotonic() < deadline:
            time.sleep(0.0002)
        if d.pending_events() == 0:
            break
        event = d.next_event()
        if event.type == X.CreateNotify and event.parent == root:
            # Before it can be mapped, so that no first frame is missed.
            event.window.damage_create(damage.DamageReportNonEmpty)
            watched.add(event.window.id)
            d.flush()
        elif event.type == d.extension_event.DamageNotify and event.drawable.id in watched:
            painted = time.monotonic()
    time.sleep(SETTLE_SECONDS)
    proc.send_signal(signal.SIGTERM)
    _, _, usage = os.wait4(proc.pid, 0)
    time.sleep(PAUSE_SECONDS)
    if painted is None:
        sys.exit(f"{program}: no painted window within 20 s")
    return painted - start, usage.ru_maxrss  # seconds, KiB


def main():
    runs = int(sys.argv[1])
    programs = [arg.split("=", 1) for arg in sys.argv[2:]]
    d = display.Display()
    # Windows come and go while they are watched: a request about one that
    # has just gone fails, which is no news.
    d.set_error_handler(lambda *_: None)
    d.damage_query_version()  # the protocol wants it before any other request
    d.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.flush()
    times = {name: [] for name, _ in programs}
    memory = {name: [] for name, _ in programs}
    measure(d, programs[0][1])  # warm the file cache; not counted
    for i in range(runs):
        order = programs if i % 2 == 0 else programs[::-1]
        for name, program in order:
            seconds, kib = measure(d, program)
            times[name].append(seconds * 1000)
            memory[name].append(kib / 1024)
    print(f"{'program':<10} {'first frame, median':>20} {'peak RSS, median':>18}")
    for name, _ in programs:
        print(f"{name:<10} {statistics.median(times[name]):>17.1f} ms"
              f" {statistics.median(memory[name]):>14.1f} MiB")
    (a, _), (b, _) = programs[0], programs[1]
    print(f"ratio {a}/{b}: time {statistics.median(times[a]) / statistics.median(times[b]):.3f},"
          f" memory {statistics.median(memory[a]) / statistics.median(memory[b]):.3f}"
          f" ({runs} runs each, alternated)")


if __name__ == "__main__":
    main()
