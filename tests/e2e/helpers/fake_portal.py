#!/usr/bin/python3
"""A desktop portal on the session bus that says the desktop asks for high contrast
(org.freedesktop.appearance contrast 1), for the end-to-end cases; says "ready" once it
answers, and runs until it is ended."""
from gi.repository import Gio, GLib

SETTINGS = Gio.DBusNodeInfo.new_for_xml("""<node>
  <interface name="org.freedesktop.portal.Settings"><method name="Read">
    <arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/>
  </method></interface></node>""").interfaces[0]


def read(connection, sender, path, interface, method, parameters, invocation):
    if tuple(parameters.unpack()) == ("org.freedesktop.appearance", "contrast"):
        # Read gives the value wrapped in one variant more than the signature says.
        invocation.return_value(GLib.Variant("(v)", (GLib.Variant("v", GLib.Variant("u", 1)),)))
    else:
        invocation.return_dbus_error("org.freedesktop.portal.Error.NotFound", "no such setting")


Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop", Gio.BusNameOwnerFlags.NONE,
                 lambda bus, name: bus.register_object("/org/freedesktop/portal/desktop", SETTINGS,
                                                       read, None, None),
                 lambda bus, name: print("ready", flush=True), None)
GLib.MainLoop().run()
