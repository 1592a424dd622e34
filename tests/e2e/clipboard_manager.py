#!/usr/bin/python3
"""A stand-in for a desktop clipboard manager, for tests only.

It owns CLIPBOARD_MANAGER. When a program that owns the clipboard exits, the
program asks it to SAVE_TARGETS; it then fetches the clipboard's text, takes
the clipboard over and keeps serving that text, as a real manager does.
Prints "ready" once it owns the manager selection, and "saved TEXT" after a
hand-over. Runs until killed.
"""
import sys

from Xlib import X, Xatom, display
from Xlib.protocol import event

d = display.Display()
screen = d.screen()
win = screen.root.create_window(0, 0, 1, 1, 0, screen.root_depth)
atom = lambda name: d.intern_atom(name)
CLIPBOARD, MANAGER, SAVE_TARGETS = atom("CLIPBOARD"), atom("CLIPBOARD_MANAGER"), atom("SAVE_TARGETS")
TARGETS, UTF8, PROP = atom("TARGETS"), atom("UTF8_STRING"), atom("_ZANDREL_TEST_SAVED")

win.set_selection_owner(MANAGER, X.CurrentTime)
d.flush()
if d.get_selection_owner(MANAGER) != win:
    sys.exit("could not own CLIPBOARD_MANAGER")
print("ready", flush=True)

saved = None


def reply(request, prop):
    notify = event.SelectionNotify(time=request.time, requestor=request.requestor,
                                   selection=request.selection, target=request.target,
                                   property=prop)
    request.requestor.send_event(notify)
    d.flush()


def fetch_clipboard():
    win.convert_selection(CLIPBOARD, UTF8, PROP, X.CurrentTime)
    d.flush()
    while True:
        e = d.next_event()
        if e.type == X.SelectionNotify and e.requestor == win:
            if e.property == X.NONE:
                return None
            value = win.get_full_property(PROP, X.AnyPropertyType)
            return value.value.decode("utf-8") if value else None


while True:
    e = d.next_event()
    if e.type != X.SelectionRequest:
        continue
    if e.selection == MANAGER and e.target == SAVE_TARGETS:
        text = fetch_clipboard()
        if text is not None:
            saved = text
            win.set_selection_owner(CLIPBOARD, X.CurrentTime)
            print("saved " + text, flush=True)
        reply(e, e.property if text is not None else X.NONE)
    elif e.selection == CLIPBOARD and saved is not None:
        prop = e.property or e.target
        if e.target == TARGETS:
            e.requestor.change_property(prop, Xatom.ATOM, 32, [TARGETS, UTF8, Xatom.STRING])
        elif e.target in (UTF8, Xatom.STRING):
            e.requestor.change_property(prop, e.target, 8, saved.encode("utf-8"))
        else:
            prop = X.NONE
        reply(e, prop)
    else:
        reply(e, X.NONE)
