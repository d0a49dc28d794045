#!/usr/bin/python3
"""What a screen reader finds of the running clock, through AT-SPI (Debian's pyatspi).

  atspi_reader.py tree          the window's accessible tree: role, name, states
  atspi_reader.py reading       the frame's name, then the status bar's (the strip's)
  atspi_reader.py count SECONDS how many name changes the clock sends in that time
"""
import sys

import pyatspi
from gi.repository import GLib


def clock():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "quendal":
            return app
    sys.exit("no quendal on the accessibility bus")


# Roles by value: AT-SPI's names for them change between its versions (2.56 says
# "button" for a push button).
ROLES = {
    pyatspi.ROLE_FRAME: "frame",
    pyatspi.ROLE_STATUS_BAR: "status bar",
    pyatspi.ROLE_CHECK_BOX: "check box",
    pyatspi.ROLE_PUSH_BUTTON: "push button",
    pyatspi.ROLE_RADIO_BUTTON: "radio button",
}


def role(accessible):
    return ROLES.get(accessible.getRole(), f"role {int(accessible.getRole())}")


def fresh(accessible):
    # Ask the program, not a cache: what is heard must be the Reading of the moment.
    accessible.clearCache()
    return accessible


def states(accessible):
    names = ("checked", "sensitive", "focused", "showing")
    return [n for n in names if accessible.getState().contains(getattr(pyatspi, "STATE_" + n.upper()))]


def tree(accessible, depth=0):
    for child in accessible:
        print("  " * depth + f"{role(child)}|{fresh(child).name}|{','.join(states(child))}")
        tree(child, depth + 1)


def reading():
    frame = clock()[0]
    print(fresh(frame).name)
    for child in frame:
        if child.getRole() == pyatspi.ROLE_STATUS_BAR:
            print(fresh(child).name)


def count(seconds):
    changes = []

    def heard(event):
        try:
            if event.source.getApplication().name == "quendal":
                changes.append(role(event.source))
        except Exception:
            pass

    pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()
    print(len(changes), " ".join(sorted(set(changes))))


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) > 1 else "tree"
    if command == "tree":
        tree(clock())
    elif command == "reading":
        reading()
    elif command == "count":
        count(float(sys.argv[2]))
