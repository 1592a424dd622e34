#!/usr/bin/python3
"""GNOME's own compositor for the tests: mutter, headless, with a virtual
monitor, on the session bus it is given, as on a GNOME desktop
(XDG_CURRENT_DESKTOP=GNOME, under which Debian turns on fractional scaling),
with PipeWire and WirePlumber beside it for its screen casts.

  mutter.py serve          starts the three in XDG_RUNTIME_DIR, prints "ready
                           WAYLAND_DISPLAY" once mutter answers, then reads
                           commands, one a line: "keys WORD...", each word
                           typed through mutter's remote desktop as a
                           keyboard would (Return is Enter, anything else its
                           characters), answered "typed"; at the end of its
                           input, or terminated, it ends the three by their
                           PIDs. The remote desktop's session lasts as long:
                           mutter takes the focus from the window as one ends.
  mutter.py scale X        sets the monitor's scale the way GNOME's Settings
                           does (ApplyMonitorsConfig, temporarily), to the
                           offered scale nearest X; prints it
  mutter.py window FILE    one frame of the monitor: finds the one window on
                           it, writes its client area to FILE, and prints the
                           window's size in logical pixels

Usage: see above. The window's frame is Qt's own (mutter draws none for
Wayland clients): a border of one logical pixel and a title bar above."""
import os
import signal
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

DISPLAY_CONFIG = ("org.gnome.Mutter.DisplayConfig", "/org/gnome/Mutter/DisplayConfig",
                  "org.gnome.Mutter.DisplayConfig")
SCREEN_CAST = "org.gnome.Mutter.ScreenCast"
MONITOR = "1920x1200"
DEADLINE = 30  # seconds for mutter to answer, and for a frame
BORDER = 1     # Qt's frame around the client, in logical pixels
DESIGN = (3795, 2010)  # the client area in twips: its proportions
RETURN = 0xFF0D


def bus():
    return Gio.bus_get_sync(Gio.BusType.SESSION)


def call(connection, name, path, interface, method, args=None, reply=None):
    return connection.call_sync(name, path, interface, method, args,
                                GLib.VariantType(reply) if reply else None, 0, 5000, None)


def state(connection):
    return call(connection, *DISPLAY_CONFIG, "GetCurrentState").unpack()


def serve():
    env = dict(os.environ, XDG_CURRENT_DESKTOP="GNOME")
    env.pop("WAYLAND_DISPLAY", None)
    env.pop("DISPLAY", None)
    logs = tempfile.mkdtemp(prefix="mutter-")
    children = []

    def start(*command):
        log = open(os.path.join(logs, os.path.basename(command[0]) + ".log"), "w")
        children.append(subprocess.Popen(command, env=env, stdout=log, stderr=log,
                                         stdin=subprocess.DEVNULL))

    def end(*_):
        for child in reversed(children):
            child.terminate()
        for child in children:
            try:
                child.wait(5)
            except subprocess.TimeoutExpired:
                child.kill()
    signal.signal(signal.SIGTERM, lambda *_: (end(), sys.exit(0)))
    start("pipewire")
    start("wireplumber")
    start("mutter", "--headless", "--wayland", "--no-x11", "--virtual-monitor", MONITOR)
    connection = bus()
    deadline = time.monotonic() + DEADLINE
    while True:
        try:
            state(connection)
            break
        except GLib.Error:
            if time.monotonic() > deadline or any(c.poll() is not None for c in children):
                end()
                for name in sorted(os.listdir(logs)):
                    sys.stderr.write(open(os.path.join(logs, name)).read())
                sys.exit("mutter did not answer on the session bus")
            time.sleep(0.1)  # the interval at which mutter is asked again
    sockets = [name for name in os.listdir(os.environ["XDG_RUNTIME_DIR"])
               if name.startswith("wayland-") and not name.endswith(".lock")]
    print("ready", sorted(sockets)[0], flush=True)
    keyboard = RemoteKeyboard(connection)
    for line in sys.stdin:
        words = line.split()
        if words[:1] == ["keys"]:
            keyboard.type(words[1:])
            print("typed", flush=True)
    keyboard.stop()
    end()


class RemoteKeyboard:
    """A keyboard through mutter's remote desktop, for as long as it lives."""
    NAME, PATH = "org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop"

    def __init__(self, connection):
        self.connection = connection
        self.session, = self.call(self.PATH, self.NAME, "CreateSession", reply="(o)").unpack()
        self.call(self.session, self.NAME + ".Session", "Start")

    def call(self, path, interface, method, args=None, reply=None):
        return call(self.connection, self.NAME, path, interface, method, args, reply)

    def type(self, words):
        for word in words:
            for keysym in [RETURN] if word == "Return" else [ord(c) for c in word]:
                for pressed in (True, False):
                    self.call(self.session, self.NAME + ".Session", "NotifyKeyboardKeysym",
                              GLib.Variant("(ub)", (keysym, pressed)))

    def stop(self):
        self.call(self.session, self.NAME + ".Session", "Stop")


def scale(wanted):
    connection = bus()
    serial, monitors, _logical, _properties = state(connection)
    (connector, *_), modes, _ = monitors[0]
    mode = next(m for m in modes if m[6].get("is-current"))
    chosen = min(mode[5], key=lambda offered: abs(offered - wanted))
    config = GLib.Variant("(uua(iiduba(ssa{sv}))a{sv})",
                          (serial, 1, [(0, 0, chosen, 0, True, [(connector, mode[0], {})])], {}))
    call(connection, *DISPLAY_CONFIG, "ApplyMonitorsConfig", config)
    print(f"{chosen:.2f}")


def frame(connection, path):
    """One frame of the monitor, through a screen cast and GStreamer."""
    session, = call(connection, SCREEN_CAST, "/org/gnome/Mutter/ScreenCast", SCREEN_CAST,
                    "CreateSession", GLib.Variant("(a{sv})", ({},)), "(o)").unpack()
    connector = state(connection)[1][0][0][0]
    stream, = call(connection, SCREEN_CAST, session, SCREEN_CAST + ".Session", "RecordMonitor",
                   GLib.Variant("(sa{sv})", (connector, {})), "(o)").unpack()
    loop = GLib.MainLoop()
    nodes = []
    connection.signal_subscribe(None, SCREEN_CAST + ".Stream", "PipeWireStreamAdded", stream,
                                None, 0, lambda *args: (nodes.append(args[5][0]), loop.quit()))
    call(connection, SCREEN_CAST, session, SCREEN_CAST + ".Session", "Start")
    GLib.timeout_add_seconds(DEADLINE, loop.quit)
    loop.run()
    try:
        if not nodes:
            sys.exit("mutter started no screen cast")
        subprocess.run(["gst-launch-1.0", "-q", "pipewiresrc", f"path={nodes[0]}",
                        "num-buffers=1", "!", "videoconvert", "!", "pngenc", "!", "filesink",
                        f"location={path}"], check=True, timeout=DEADLINE)
    finally:
        call(connection, SCREEN_CAST, session, SCREEN_CAST + ".Session", "Stop")


def window(path):
    connection = bus()
    monitor_scale = state(connection)[2][0][2]
    whole = path + ".monitor.png"
    frame(connection, whole)
    # mutter's own background is a saturated blue; Qt's frame and the window
    # are grey, but for a selection or the caret, which lie inside.
    found = subprocess.run(["convert", whole, "-colorspace", "HSL", "-channel", "G", "-separate",
                            "+channel", "-threshold", "25%", "-trim", "-format", "%w %h %X %Y",
                            "info:"], check=True, capture_output=True, text=True).stdout.split()
    width, height, left, top = (int(number) for number in found)
    if width == 1 and height == 1:
        sys.exit("no window on the monitor")
    right, bottom = left + width, top + height
    # The client: inside the border, below the title bar, as tall as the
    # design's proportions make it.
    border = round(BORDER * monitor_scale)
    client_width = right - left - 2 * border
    client_height = round(client_width * DESIGN[1] / DESIGN[0])
    client_top = bottom - border - client_height
    subprocess.run(["convert", whole, "-crop",
                    f"{client_width}x{client_height}+{left + border}+{client_top}", "+repage",
                    path], check=True)
    os.remove(whole)
    print(round((right - left) / monitor_scale), round((bottom - top) / monitor_scale))


def main():
    command = sys.argv[1]
    if command == "serve":
        serve()
    elif command == "scale":
        scale(float(sys.argv[2]))
    elif command == "window":
        window(sys.argv[2])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
