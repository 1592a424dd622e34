#!/usr/bin/python3
"""Reads a picture of the window's client area, as the user sees it, against
the design: whether it is dark or light, and whether every box, label and the
button keep their text readable (4.5:1, WCAG AA) and the result boxes stand
apart from the input boxes; and whether the line between the rows is drawn
across its whole width, a design pixel thick at the window's scale. In high
contrast (high-dark, high-light) every text is at least 15:1, and the
results stand apart by their edge: dotted where the inputs' is solid. Prints
each ratio it measured.

A fourth argument gives the device pixels to a logical one where that is
not 1, as on a compositor's fractional scale: the line is then a whole number
of logical pixels, rounded again to device pixels.

Usage: contrast.py PICTURE DESIGN.tsv dark|light|high-dark|high-light [RATIO]"""
import collections
import pathlib
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent))
from checks import check, summary  # noqa: E402

TEXT = 4.5   # WCAG AA for normal text
HIGH_TEXT = 15.0  # what high contrast asks of every text
APART = 1.2  # the result shade's rule asks 1.25 of the colours it was given
INSET = 4    # pixels kept off a control's edges: frames, focus rings
PIXEL = 15   # twips in a design pixel


def pixels(picture):
    """Width, height and the rows of (r, g, b) of a picture."""
    out = subprocess.run(["convert", picture, "-depth", "8", "rgb:-"], check=True,
                         capture_output=True).stdout
    size = subprocess.run(["identify", "-format", "%w %h", picture], check=True,
                          capture_output=True, text=True).stdout.split()
    width, height = int(size[0]), int(size[1])
    return width, height, [[tuple(out[(y * width + x) * 3:(y * width + x) * 3 + 3])
                            for x in range(width)] for y in range(height)]


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def ratio(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def design(path):
    controls = {}
    for line in open(path, encoding="utf-8"):
        name, kind, left, top, width, height, _number, _caption = line.rstrip("\n").split("\t")
        controls[name] = (kind, int(left), int(top), int(width), int(height))
    return controls


def main():
    picture, table, want = sys.argv[1], sys.argv[2], sys.argv[3]
    device = float(sys.argv[4]) if len(sys.argv) > 4 else None
    high = want.startswith("high-")
    want = want.removeprefix("high-")
    least = HIGH_TEXT if high else TEXT
    controls = design(table)
    width, height, rows = pixels(picture)
    scale = width / controls["Form1"][3]

    def region(left, top, w, h):
        x0, y0 = int(left * scale) + INSET, int(top * scale) + INSET
        x1, y1 = int((left + w) * scale) - INSET, int((top + h) * scale) - INSET
        return [rows[y][x] for y in range(max(y0, 0), min(y1, height))
                for x in range(max(x0, 0), min(x1, width))]

    def background_and_text(area):
        background = collections.Counter(area).most_common(1)[0][0]
        return background, max(area, key=lambda p: ratio(p, background))

    window = collections.Counter(rows[int(controls["Line1"][2] * scale) - 6]).most_common(1)[0][0]
    light = luminance(window)
    print(f"window background {window}, luminance {light:.3f}")
    check(light < 0.05 if want == "dark" else light > 0.4, f"the window is {want}")

    # The line: the rows inked (3:1 on the window) from end to end, a design
    # pixel at the window's scale, never under one, give or take one.
    _kind, left, top, w, _h = controls["Line1"]
    x0, x1 = int(left * scale) + INSET, int((left + w) * scale) - INSET
    y, thick = int(top * scale), max(1.0, PIXEL * scale)
    if device:
        thick = max(1, round(PIXEL * scale / device)) * device
    inked = [row for row in range(max(y - 3, 0), min(y + int(thick) + 4, height))
             if all(ratio(rows[row][x], window) >= 3 for x in range(x0, x1))]
    print(f"Line1: {len(inked)} px thick, its place {thick:.2f}")
    check(len(inked) >= 1 and abs(len(inked) - thick) <= 1,
          f"Line1 across its width, {len(inked)} px thick where its place is {thick:.2f}")

    backgrounds = {}
    for name, (kind, left, top, w, h) in controls.items():
        if kind in ("input", "result", "button"):
            area = region(left, top, w, h)
        elif kind == "label":  # the label's text where it stands in its row
            area = region(left - 30, top - 120, w + 60, 375)
        else:
            continue
        background, text = background_and_text(area)
        backgrounds[name] = background
        measured = ratio(background, text)
        print(f"{name}: text {text} on {background}: {measured:.2f}:1")
        check(measured >= least, f"{name}: text {measured:.2f}:1 on its background")
    if high:
        def edge(name):
            """How much of the box's top edge is drawn (3:1 on the window, which a
            dot keeps), in the row that has most."""
            _kind, left, top, w, _h = controls[name]
            x0, x1 = int(left * scale) + INSET, int((left + w) * scale) - INSET
            # A few pixels either way, more at a larger scale, where the
            # edges round further from the design's.
            y, near = int(top * scale), 3 + int(2 * PIXEL * scale)
            return max(sum(ratio(rows[row][x], window) >= 3 for x in range(x0, x1))
                       / (x1 - x0) for row in range(max(y - near, 0), min(y + near, height)))
        for result, entry in (("Text2", "Text1"), ("Text4", "Text3")):
            drawn = {name: edge(name) for name in (result, entry)}
            print(f"edges drawn: {result} {drawn[result]:.2f}, {entry} {drawn[entry]:.2f}")
            check(drawn[entry] > 0.9 and 0.2 < drawn[result] < 0.8,
                  f"{result}'s edge is dotted where {entry}'s is solid: {drawn}")
        return summary()
    for result, entry in (("Text2", "Text1"), ("Text4", "Text3")):
        apart = ratio(backgrounds[result], backgrounds[entry])
        print(f"{result} against {entry}: {apart:.2f}:1")
        check(apart >= APART, f"{result} stands apart from {entry}: {apart:.2f}:1")
    return summary()


if __name__ == "__main__":
    sys.exit(main())
