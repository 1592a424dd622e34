#!/usr/bin/python3
"""A desktop portal of the test's own, on a private session bus. It owns the
portal's name and answers ReadAll with the values given, after DELAY
seconds, as a portal still starting would: org.freedesktop.appearance's
color-scheme and contrast, org.gnome.desktop.interface's font-name and
text-scaling-factor; a key given no value is unknown, as on portals that
predate it. It prints "ready" once it owns the name and "answered KEY..." with the
keys of each answer; each line read from standard input, "GROUP KEY TYPE
VALUE" (TYPE a D-Bus type such as u or s), is sent as SettingChanged, then
"sent" printed;
"burst COUNT GROUP KEY TYPE VALUE,VALUE..." sends COUNT of them at once, the
values in turn, as a desktop gone wild would.

Usage: fake_portal.py DELAY [color-scheme=N] [contrast=N] [font-name=TEXT]
       [text-scaling-factor=X]"""
import sys
import threading

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

PATH = "/org/freedesktop/portal/desktop"
# Each key's namespace and D-Bus type.
KEYS = {"color-scheme": ("org.freedesktop.appearance", "u"),
        "contrast": ("org.freedesktop.appearance", "u"),
        "font-name": ("org.gnome.desktop.interface", "s"),
        "text-scaling-factor": ("org.gnome.desktop.interface", "d")}
INTERFACE = "org.freedesktop.portal.Settings"
SETTINGS = f"""<node><interface name="{INTERFACE}">
<method name="ReadAll"><arg type="as" direction="in"/>
<arg type="a{{sa{{sv}}}}" direction="out"/></method>
<signal name="SettingChanged"><arg type="s"/><arg type="s"/><arg type="v"/></signal>
</interface></node>"""


def variant(kind, text):
    """A value of a D-Bus type from its text."""
    return GLib.Variant(kind, int(text) if kind in "uiqnxt" else
                        float(text) if kind == "d" else text)


def main():
    delay_ms = int(float(sys.argv[1]) * 1000)
    values = dict(arg.split("=", 1) for arg in sys.argv[2:])
    loop = GLib.MainLoop()
    bus = []

    def call(_connection, _sender, _path, _interface, _method, args, invocation):
        (namespaces,) = tuple(args)

        def answer():
            found = {}
            for key, text in values.items():
                space, kind = KEYS[key]
                if not namespaces or space in namespaces:
                    found.setdefault(space, {})[key] = variant(kind, text)
            invocation.return_value(GLib.Variant("(a{sa{sv}})", (found,)))
            print(" ".join(["answered", *sorted(k for keys in found.values() for k in keys)]),
                  flush=True)
            return False
        GLib.timeout_add(delay_ms, answer)

    def send(line):
        words = line.split()
        count = int(words.pop(1)) if words[0] == "burst" else 1
        group, key, kind, texts = words[-4:]
        values = [variant(kind, text) for text in texts.split(",")]
        for i in range(count):
            bus[0].emit_signal(None, PATH, INTERFACE, "SettingChanged",
                               GLib.Variant("(ssv)", (group, key, values[i % len(values)])))
        bus[0].flush_sync(None)
        print("sent", flush=True)
        return False

    def commands():
        for line in sys.stdin:
            if line.strip():
                GLib.idle_add(send, line)

    def acquired(connection, _name):
        info = Gio.DBusNodeInfo.new_for_xml(SETTINGS).interfaces[0]
        connection.register_object(PATH, info, call, None, None)
        bus.append(connection)
        threading.Thread(target=commands, daemon=True).start()
        print("ready", flush=True)

    Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop",
                     Gio.BusNameOwnerFlags.NONE, None, acquired, lambda *_: loop.quit())
    loop.run()


if __name__ == "__main__":
    main()
