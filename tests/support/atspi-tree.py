#!/usr/bin/env python3
"""Reads a program's accessibility tree over AT-SPI, as a screen reader does.

  atspi-tree.py ready                    exit 0 once the registry answers
  atspi-tree.py showing APP [WINDOW]     one line per object on screen:
                                         window, role, name, description and
                                         flags, tab-separated; the flags are
                                         "focused" for the object that has
                                         the keyboard's focus, "selected"
                                         and "checked", comma-separated
  atspi-tree.py focus APP ROLE NAME [S]  waits (up to S seconds, default 10)
                                         until that object has the focus
  atspi-tree.py window APP WINDOW        waits until a window of that name shows
  atspi-tree.py gone APP WINDOW          waits until it no longer shows

Nothing is cached: every question goes to the program, so a test sees the
state the program reports now, not what it reported at the first look.
"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

WAIT_SECONDS = 10


def application(name):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == name:
            app.set_cache_mask(Atspi.Cache.NONE)
            return app
    return None


def states(node):
    return node.get_state_set()


def showing_objects(node, window, found):
    """Every object below `node` that is on screen, with its window."""
    try:
        state = states(node)
        if not state.contains(Atspi.StateType.SHOWING):
            return
        found.append((window, node))
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child is not None:
                showing_objects(child, window, found)
    except GLib.Error:
        # The object went away while we looked (a window closing).
        return


def on_screen(app_name, window_name=None):
    app = application(app_name)
    if app is None:
        return []
    found = []
    for i in range(app.get_child_count()):
        window = app.get_child_at_index(i)
        if window is None:
            continue
        if window_name is None or window.get_name() == window_name:
            showing_objects(window, window, found)
    return found


def has_keyboard_focus(window, node):
    """Each window keeps a focused object; keys go to the active window's."""
    try:
        return (states(node).contains(Atspi.StateType.FOCUSED)
                and states(window).contains(Atspi.StateType.ACTIVE))
    except GLib.Error:
        return False


def describe(window, node):
    state = states(node)
    flags = [flag for flag, on in (("focused", has_keyboard_focus(window, node)),
                                   ("selected", state.contains(Atspi.StateType.SELECTED)),
                                   ("checked", state.contains(Atspi.StateType.CHECKED))) if on]
    text = [window.get_name(), node.get_role_name(), node.get_name(), node.get_description(), ",".join(flags)]
    return "\t".join(part.replace("\t", " ").replace("\n", " ") for part in text)


def wait_for(condition, what, seconds=WAIT_SECONDS):
    deadline = time.monotonic() + seconds
    while True:
        if condition():
            return 0
        if time.monotonic() > deadline:
            print("timed out waiting for " + what, file=sys.stderr)
            return 1
        time.sleep(0.1)


def focused_is(app_name, role, name):
    for window, node in on_screen(app_name):
        if has_keyboard_focus(window, node) and node.get_role_name() == role and node.get_name() == name:
            return True
    return False


def focused_now(app_name):
    return [describe(w, n) for w, n in on_screen(app_name) if states(n).contains(Atspi.StateType.FOCUSED)]


def window_showing(app_name, title):
    app = application(app_name)
    if app is None:
        return False
    for i in range(app.get_child_count()):
        window = app.get_child_at_index(i)
        if window is not None and window.get_name() == title:
            try:
                return states(window).contains(Atspi.StateType.SHOWING)
            except GLib.Error:
                return False
    return False


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    command = argv[1]
    if command == "ready":
        Atspi.get_desktop(0).get_child_count()
        return 0
    if command == "showing":
        for window, node in on_screen(argv[2], argv[3] if len(argv) > 3 else None):
            print(describe(window, node))
        return 0
    if command == "focus":
        app_name, role, name = argv[2:5]
        seconds = float(argv[5]) if len(argv) > 5 else WAIT_SECONDS
        result = wait_for(lambda: focused_is(app_name, role, name), "the focus on %s %r" % (role, name),
                          seconds)
        if result:
            print("focused: %s" % focused_now(app_name), file=sys.stderr)
        return result
    if command == "window":
        return wait_for(lambda: window_showing(argv[2], argv[3]), "window %r" % argv[3])
    if command == "gone":
        return wait_for(lambda: not window_showing(argv[2], argv[3]), "window %r to close" % argv[3])
    print("unknown command " + command, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
