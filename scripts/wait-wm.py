#!/usr/bin/python3
"""Waits until the window manager on DISPLAY manages new windows: maps a
probe window and waits for it to be reparented into a frame. openbox
announces itself before it manages windows, and a window mapped in between
stays unmanaged and never gets the focus. Usage: wait-wm.py [TIMEOUT]"""
import sys
import time

from Xlib import X, display

timeout = float(sys.argv[1]) if len(sys.argv) > 1 else 10.0
d = display.Display()
root = d.screen().root
deadline = time.monotonic() + timeout
while time.monotonic() < deadline:
    probe = root.create_window(0, 0, 10, 10, 0, d.screen().root_depth,
                               event_mask=X.StructureNotifyMask)
    probe.map()
    d.flush()
    # Give this probe a moment; if the manager was not ready, try a new one.
    try_until = min(deadline, time.monotonic() + 0.5)
    while time.monotonic() < try_until:
        while d.pending_events():
            if d.next_event().type == X.ReparentNotify:
                probe.destroy()
                d.flush()
                sys.exit(0)
        time.sleep(0.01)  # the interval at which events are looked for again
    probe.destroy()
    d.flush()
sys.exit("the window manager did not take a window within %.0f s" % timeout)
