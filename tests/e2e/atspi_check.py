#!/usr/bin/python3
"""Reads the running program through AT-SPI, as a screen reader does: the
tree, names, roles and states; then types 12 into the millimetre box with
xdotool and reads the result, asks for the word at the end of the input's
text, and follows Tab to the result box. Prints the condensed tree. Then
listens, as Orca does, to what the program announces while the user types
in an input: each result once typing pauses, where Qt can announce (6.8 and
later, ZANDREL_ANNOUNCES=1), and nothing where it cannot.

Usage: atspi_check.py LANGUAGE, one of the rows of EXPECTED: what the
program must say in the desktop language the test started it in."""
import os
import pathlib
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent))
from checks import check, summary, wait_for  # noqa: E402

# Names of the millimetre box, the mils result box, the exit button and the
# mils box; a word of the input box's description; the result of 12 mm; the
# decimal separator.
EXPECTED = {
    "en": ("Millimetres", "Mils result", "Exit", "Mils", "clipboard", "472.44", "."),
    "zh_TW": ("\u516c\u91d0", "mil \u63db\u7b97\u7d50\u679c", "\u96e2\u958b", "mil",
              "\u526a\u8cbc\u7c3f", "472.44", "."),
    # No French translation: English, with the French decimal comma.
    "fr": ("Millimetres", "Mils result", "Exit", "Mils", "clipboard", "472,44", ","),
}
heard = []


def find_app():
    def on_the_bus():
        return next((app for app in pyatspi.Registry.getDesktop(0)
                     if app is not None and app.name == "Zandrel"), None)
    return wait_for(on_the_bus, 10)


def walk(node, depth=0, found=None):
    found = {} if found is None else found
    states = node.getState()
    flags = [name for name, state in (("focusable", pyatspi.STATE_FOCUSABLE),
                                       ("editable", pyatspi.STATE_EDITABLE),
                                       ("read-only", pyatspi.STATE_READ_ONLY))
             if states.contains(state)]
    labelled = [target.name for rel in node.getRelationSet()
                if rel.getRelationType() == pyatspi.RELATION_LABELLED_BY
                for target in (rel.getTarget(i) for i in range(rel.getNTargets()))]
    # Role names are for people, and differ between AT-SPI releases ("push
    # button", later "button"); the checks compare the role constants.
    print("  " * depth + f"{node.getRoleName()} '{node.name}'"
          + (f" [{', '.join(flags)}]" if flags else "")
          + (f" labelled by '{labelled[0]}'" if labelled else "")
          + (f": {node.description}" if node.description else ""))
    found.setdefault(node.name, node)
    for child in node:
        walk(child, depth + 1, found)
    return found


def editable_named(node, name):
    """The editable box of that name; labels may share its name."""
    if node.name == name and node.getState().contains(pyatspi.STATE_EDITABLE):
        return node
    return next((found for child in node if (found := editable_named(child, name))), None)


def text_of(node):
    text = node.queryText()
    return text.getText(0, -1)


def on_announcement(event):
    heard.append(str(event.any_data))


def listen(seconds, until=lambda: False):
    """Lets AT-SPI deliver events for so many seconds, or until `until`."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while not until() and time.monotonic() < deadline:
        if not context.iteration(False):
            time.sleep(0.01)  # nothing pending: look again, without spinning


def announcements(mm, mils_input, point):
    """Three sequences: what a screen reader hears, and where the focus is."""
    speaks = os.environ.get("ZANDREL_ANNOUNCES") == "1"
    listen(1)  # whatever the earlier typing brought
    heard.clear()
    mils_input.queryComponent().grabFocus()
    wait_for(lambda: mils_input.getState().contains(pyatspi.STATE_FOCUSED), 3)
    subprocess.run(["xdotool", "type", "5"], check=True)
    listen(3, lambda: heard)
    listen(0.6)  # a second one would come by now
    want = [f"0{point}127 mm"] if speaks else []
    check(heard == want, f"5 mil: heard {heard}, want {want}")
    check(mils_input.getState().contains(pyatspi.STATE_FOCUSED), "the focus stays in the mil box")

    heard.clear()
    mm.queryComponent().grabFocus()
    wait_for(lambda: mm.getState().contains(pyatspi.STATE_FOCUSED), 3)
    subprocess.run(["xdotool", "type", "--delay", "120", "25.4"], check=True)
    last = f"1000{point}00 mil"
    listen(3, lambda: heard and heard[-1] == last)
    listen(0.6)
    if speaks:
        check(0 < len(heard) <= 2 and heard[-1] == last,
              f"25.4 mm at 120 ms a key: heard {heard}, want at most two, the last '{last}'")
    else:
        check(heard == [], f"25.4 mm: heard {heard} where Qt cannot announce")
    print(f"heard while typing 25.4: {heard}")

    heard.clear()
    subprocess.run(["xdotool", "type", "x"], check=True)
    listen(1.5)
    check(heard == [], f"x: heard {heard}, want nothing")


def main():
    mm_name, mils_name, exit_name, mils_input_name, description_word, result, point = \
        EXPECTED[sys.argv[1]]
    # Before anything is typed: Qt sends only the events somebody listens to.
    pyatspi.Registry.registerEventListener(on_announcement, "object:announcement")
    app = find_app()
    check(app is not None, "the program is on the AT-SPI bus")
    if app is None:
        return 1
    nodes = {}
    for child in app:
        walk(child, 1, nodes)
    window = app[0] if app.childCount else None
    check(window is not None and window.getRole() == pyatspi.ROLE_FRAME, "the window is a frame named Zandrel")
    mm, mils = nodes.get(mm_name), nodes.get(mils_name)
    check(mm is not None and mils is not None, "the millimetre box and the mils result box are named")
    check(exit_name in nodes and nodes[exit_name].getRole() == pyatspi.ROLE_PUSH_BUTTON,
          "the exit button is named")
    if mm is None or mils is None:
        return 1
    check(mils.getState().contains(pyatspi.STATE_READ_ONLY)
          and not mils.getState().contains(pyatspi.STATE_EDITABLE), "the result box is read-only only")
    check(description_word in mm.description, "the input box says where its result goes")
    check(any(n.getRole() == pyatspi.ROLE_SEPARATOR for n in nodes.values()), "the line is a separator")

    mm.queryComponent().grabFocus()
    check(wait_for(lambda: mm.getState().contains(pyatspi.STATE_FOCUSED), 3), "the mm box takes the focus")
    subprocess.run(["xdotool", "type", "--delay", "50", "12"], check=True)
    check(wait_for(lambda: text_of(mils) == result, 3), f"mils result reads '{text_of(mils)}'")

    # Where the caret is after typing: the end of the text.
    text = mm.queryText()
    started = time.monotonic()
    word = text.getTextAtOffset(text.characterCount, pyatspi.TEXT_BOUNDARY_WORD_START)
    elapsed = time.monotonic() - started
    check(elapsed < 1.0, f"word at the end answered in {elapsed:.2f}s")
    check(word[0] == "12", f"word at the end is {word!r}")

    subprocess.run(["xdotool", "key", "Tab"], check=True)
    check(wait_for(lambda: mils.getState().contains(pyatspi.STATE_FOCUSED), 3), "Tab reaches the mils result")
    whole = mils.queryText()
    check(whole.getText(0, whole.characterCount) == result, "the result box reads the whole number")

    mils_input = editable_named(app, mils_input_name)
    check(mils_input is not None, "the mil box is named")
    if mils_input is not None:
        announcements(mm, mils_input, point)

    return summary()


if __name__ == "__main__":
    sys.exit(main())
