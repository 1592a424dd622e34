#!/usr/bin/python3
"""Takes the X clipboard and never answers a request for it, like a program
that hangs while it owns the clipboard. Prints "ready", then runs until killed."""
import sys

from Xlib import X, display

d = display.Display()
win = d.screen().root.create_window(0, 0, 1, 1, 0, d.screen().root_depth)
clipboard = d.intern_atom("CLIPBOARD")
win.set_selection_owner(clipboard, X.CurrentTime)
d.flush()
if d.get_selection_owner(clipboard) != win:
    sys.exit("could not own CLIPBOARD")
print("ready", flush=True)
while True:
    d.next_event()  # read and ignore: SelectionRequest gets no reply
