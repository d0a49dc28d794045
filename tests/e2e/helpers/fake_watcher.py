#!/usr/bin/python3
"""A tray's watcher on the session bus (org.kde.StatusNotifierWatcher), for the end-to-end
cases: says "ready" once it owns its name, then "registered BUS PATH" for each item that
registers, and runs until it is ended. With --refuse, it answers each registration with
an error, as a tray that will not show the item does."""
import sys

from gi.repository import Gio, GLib

REFUSE = "--refuse" in sys.argv

WATCHER = Gio.DBusNodeInfo.new_for_xml("""<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  </interface></node>""").interfaces[0]
items = []


def call(connection, sender, path, interface, method, parameters, invocation):
    if method == "RegisterStatusNotifierItem" and REFUSE:
        print("refused", flush=True)
        invocation.return_dbus_error("org.kde.StatusNotifierWatcher.Error.Refused", "not here")
        return
    if method == "RegisterStatusNotifierItem":
        (service,) = parameters.unpack()
        # An item may name its object path only: it is then on the caller's bus name.
        bus, where = (sender, service) if service.startswith("/") else (service, "/StatusNotifierItem")
        items.append(bus + where)
        print("registered", bus, where, flush=True)
        connection.emit_signal(None, path, interface, "StatusNotifierItemRegistered",
                               GLib.Variant("(s)", (bus + where,)))
    invocation.return_value(None)


def get(connection, sender, path, interface, name):
    return {"RegisteredStatusNotifierItems": GLib.Variant("as", items),
            "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
            "ProtocolVersion": GLib.Variant("i", 0)}[name]


Gio.bus_own_name(Gio.BusType.SESSION, "org.kde.StatusNotifierWatcher", Gio.BusNameOwnerFlags.NONE,
                 lambda bus, name: bus.register_object("/StatusNotifierWatcher", WATCHER, call, get,
                                                       None),
                 lambda bus, name: print("ready", flush=True), None)
GLib.MainLoop().run()
