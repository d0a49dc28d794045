#!/usr/bin/python3
"""A stand-in tray item whose label changes RATE times a second, as the clock's would at
that pace: the caption line of the running day (its last digits change at every step),
with the menu a host needs before it shows an item. For weighing what a label's pace
costs the host. Usage: tray_label_pace.py RATE"""
import sys
import time

from gi.repository import Gio, GLib

NODE = Gio.DBusNodeInfo.new_for_xml("""<node>
  <interface name="org.kde.StatusNotifierItem">
    <property name="Id" type="s" access="read"/><property name="Title" type="s" access="read"/>
    <property name="Category" type="s" access="read"/><property name="Status" type="s" access="read"/>
    <property name="IconName" type="s" access="read"/><property name="Menu" type="o" access="read"/>
    <property name="ItemIsMenu" type="b" access="read"/>
    <property name="XAyatanaLabel" type="s" access="read"/>
    <property name="XAyatanaLabelGuide" type="s" access="read"/>
    <signal name="XAyatanaNewLabel"><arg type="s"/><arg type="s"/></signal>
  </interface>
  <interface name="com.canonical.dbusmenu">
    <method name="GetLayout"><arg type="i" direction="in"/><arg type="i" direction="in"/>
      <arg type="as" direction="in"/><arg type="u" direction="out"/>
      <arg type="(ia{sv}av)" direction="out"/></method>
    <method name="AboutToShow"><arg type="i" direction="in"/><arg type="b" direction="out"/></method>
    <property name="Version" type="u" access="read"/>
  </interface></node>""")
rate = float(sys.argv[1])
label = "00 00 00 000"


def caption():
    now = time.localtime()
    seconds = now.tm_hour * 3600 + now.tm_min * 60 + now.tm_sec + time.time() % 1
    text = "%.7f" % (seconds / 864)
    whole, decimals = text.split(".")
    return "%s %s %s %s" % (whole, decimals[:2], decimals[2:4], decimals[4:])


def get(connection, sender, path, interface, name):
    return {"Id": GLib.Variant("s", "pace"), "Title": GLib.Variant("s", "pace"),
            "Category": GLib.Variant("s", "ApplicationStatus"), "Status": GLib.Variant("s", "Active"),
            "IconName": GLib.Variant("s", "org.quendal.Quendal"),
            "Menu": GLib.Variant("o", "/MenuBar"), "ItemIsMenu": GLib.Variant("b", False),
            "XAyatanaLabel": GLib.Variant("s", label),
            "XAyatanaLabelGuide": GLib.Variant("s", "00 00 00 000"),
            "Version": GLib.Variant("u", 3)}[name]


def call(connection, sender, path, interface, method, parameters, invocation):
    if method == "GetLayout":
        invocation.return_value(GLib.Variant("(u(ia{sv}av))", (1, (0, {}, []))))
    else:
        invocation.return_value(GLib.Variant("(b)", (False,)))


bus = Gio.bus_get_sync(Gio.BusType.SESSION)
for interface in NODE.interfaces:
    bus.register_object("/StatusNotifierItem" if interface.name.startswith("org.kde") else "/MenuBar",
                        interface, call, get, None)
bus.call_sync("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
              "org.kde.StatusNotifierWatcher", "RegisterStatusNotifierItem",
              GLib.Variant("(s)", ("/StatusNotifierItem",)), None, 0, -1, None)


def step():
    global label
    label = caption()
    bus.emit_signal(None, "/StatusNotifierItem", "org.kde.StatusNotifierItem", "XAyatanaNewLabel",
                    GLib.Variant("(ss)", (label, "00 00 00 000")))
    return True


GLib.timeout_add(max(1, int(1000 / rate)), step)
GLib.MainLoop().run()
