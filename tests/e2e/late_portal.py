#!/usr/bin/python3
"""A desktop portal that takes its time: it owns the portal's name on the
session bus and answers color-scheme (dark) only after DELAY seconds, as a
portal still starting would. Prints "ready" once it owns the name.

Usage: late_portal.py DELAY"""
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

SETTINGS = """<node><interface name="org.freedesktop.portal.Settings">
<method name="Read"><arg type="s" direction="in"/><arg type="s" direction="in"/>
<arg type="v" direction="out"/></method>
<method name="ReadOne"><arg type="s" direction="in"/><arg type="s" direction="in"/>
<arg type="v" direction="out"/></method></interface></node>"""


def main():
    delay_ms = int(float(sys.argv[1]) * 1000)
    loop = GLib.MainLoop()

    def call(_connection, _sender, _path, _interface, method, args, invocation):
        def answer():
            value = GLib.Variant("u", 1)
            if method == "Read":  # a variant in a variant, as the real one answers
                value = GLib.Variant("v", value)
            invocation.return_value(GLib.Variant("(v)", (value,)))
            return False
        if tuple(args) == ("org.freedesktop.appearance", "color-scheme"):
            GLib.timeout_add(delay_ms, answer)
        else:
            invocation.return_dbus_error("org.freedesktop.portal.Error.NotFound", "no such setting")

    def acquired(connection, _name):
        info = Gio.DBusNodeInfo.new_for_xml(SETTINGS).interfaces[0]
        connection.register_object("/org/freedesktop/portal/desktop", info, call, None, None)
        print("ready", flush=True)

    Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop",
                     Gio.BusNameOwnerFlags.NONE, None, acquired, lambda *_: loop.quit())
    loop.run()


if __name__ == "__main__":
    main()
