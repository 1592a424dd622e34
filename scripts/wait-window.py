#!/usr/bin/python3
"""Waits for a window with the given title to be shown on DISPLAY and prints
its id; gives up when the deadline passes or the process that should show it
ends. With --close, asks that window to close, as a title bar's button does.
Usage: wait-window.py TITLE SECONDS PID | wait-window.py --close ID"""
import os
import sys
import time

from Xlib import X, Xatom, display

d = display.Display()
utf8 = d.intern_atom("UTF8_STRING")
net_wm_name = d.intern_atom("_NET_WM_NAME")


def title(window):
    for atom, kind in ((net_wm_name, utf8), (Xatom.WM_NAME, Xatom.STRING)):
        prop = window.get_full_property(atom, kind)
        if prop:
            value = prop.value
            return value.decode("utf-8", "replace") if isinstance(value, bytes) else value
    return None


def shown(window, wanted):
    for child in window.query_tree().children:
        try:
            if child.get_attributes().map_state == X.IsViewable and title(child) == wanted:
                return child
            found = shown(child, wanted)
        except Exception:  # a window that went away while it was looked at
            continue
        if found:
            return found
    return None


def alive(pid):
    try:
        os.kill(pid, 0)
        return True
    except ProcessLookupError:
        return False


if sys.argv[1] == "--close":
    window = d.create_resource_object("window", int(sys.argv[2]))
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    from Xlib.protocol import event
    window.send_event(event.ClientMessage(window=window, client_type=protocols,
                                          data=(32, [delete, X.CurrentTime, 0, 0, 0])))
    d.flush()
    sys.exit(0)

wanted, seconds, pid = sys.argv[1], float(sys.argv[2]), int(sys.argv[3])
deadline = time.monotonic() + seconds
while time.monotonic() < deadline and alive(pid):
    window = shown(d.screen().root, wanted)
    if window:
        print(window.id)
        sys.exit(0)
    time.sleep(0.2)  # the interval at which the windows are looked at again
sys.exit(f"no window titled {wanted} within {seconds:.0f} s" if alive(pid)
         else f"no window titled {wanted}: the process that should show it ended")
