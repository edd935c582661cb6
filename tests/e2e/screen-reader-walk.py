#!/usr/bin/python3
"""Walks a running Quibbet's accessibility tree as a screen reader would and checks it.

Usage: screen-reader-walk.py PID CHECKS STAGE ROW-TEXT...
CHECKS is "tree" (names, rows, tabs and a tab change's announcement) or "focus" (the list
holds the keyboard focus). Prints what it found and exits 1 on the first difference from
what a user must hear.
"""
import sys
import time

import pyatspi
from gi.repository import GLib

BUTTONS = {"Prior note", "Next note", "Add a new note", "Apply changes", "Delete note",
           "Browse mode", "Edit mode", "Stay on top", "Minimise"}
TABS = ["Default", "Search", "*New"]


def fail(message):
    print(f"{STAGE}: {message}")
    sys.exit(1)


def find_application(pid):
    # The program registers with the bus a moment after its window maps.
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.1)
    fail("the program never appeared on the accessibility bus")


def walk(node, into):
    into.append(node)
    for child in node:
        if child is not None:
            walk(child, into)
    return into


def announced_on_press(tab, expected):
    """Presses a tab as a screen reader user would; returns the announcements heard until
    the expected one, or within 5 seconds."""
    heard = []

    def hear(event):
        heard.append((event.type, event.source.name, event.detail1))
        if heard[-1] == expected:
            pyatspi.Registry.stop()

    kinds = ["object:state-changed:selected", "object:selection-changed", "focus:"]
    for kind in kinds:
        pyatspi.Registry.registerEventListener(hear, kind)
    GLib.timeout_add(100, lambda: tab.queryAction().doAction(0) and False)
    GLib.timeout_add(5000, lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()
    for kind in kinds:
        pyatspi.Registry.deregisterEventListener(hear, kind)
    return heard


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


PID, CHECKS, STAGE, ROWS = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4:]
app = find_application(PID)
frames = [child for child in app if child is not None and child.getRole() == pyatspi.ROLE_FRAME]
if [frame.name for frame in frames] != ["Quibbet"]:
    fail(f"the main window is not one frame named Quibbet: {[(c.getRoleName(), c.name) for c in app]}")
nodes = walk(frames[0], [])
lists = [node for node in nodes if node.getRole() == pyatspi.ROLE_LIST and node.name == "Notes"]
if len(lists) != 1:
    fail("no list named Notes")

if CHECKS == "focus":
    # The keyboard focus is on the list (or on its current row, which is how a list says it).
    focused = [node for node in nodes if node.getState().contains(pyatspi.STATE_FOCUSED)]
    on_list = [node for node in focused if node == lists[0] or node.parent == lists[0]]
    if not on_list:
        fail(f"the list does not have the focus; focused: {[(n.getRoleName(), n.name) for n in focused]}")
    print(f"{STAGE}: focus on the list's {on_list[0].getRoleName()}")
    sys.exit(0)

buttons = {node.name for node in nodes if node.getRole() == pyatspi.ROLE_PUSH_BUTTON}
if buttons != BUTTONS:
    fail(f"buttons {sorted(buttons)}, expected {sorted(BUTTONS)}")
nameless = [node.getRoleName() for node in nodes
            if showing(node) and not node.name and node.getRole() in (pyatspi.ROLE_IMAGE, pyatspi.ROLE_PUSH_BUTTON)]
if nameless:
    fail(f"nameless pictures or buttons on screen: {nameless}")

memo = [node for node in nodes if node.name == "Note text"]
if not memo:
    fail("the memo has no name")

tabs = [node for node in nodes if node.getRole() == pyatspi.ROLE_PAGE_TAB]
if [tab.name for tab in tabs] != TABS:
    fail(f"tabs {[tab.name for tab in tabs]}, expected {TABS}")
selected = [tab.name for tab in tabs if tab.getState().contains(pyatspi.STATE_SELECTED)]
if selected != ["Default"]:
    fail(f"selected tabs {selected}, expected Default")

rows = [item.name for item in lists[0]]
if rows != ROWS:
    fail(f"rows {rows}, expected {ROWS}")

if STAGE == "start":
    # A tab change is announced: the new tab says it is selected.
    for index in (1, 0):
        expected = ("object:state-changed:selected", TABS[index], 1)
        heard = announced_on_press(tabs[index], expected)
        if expected not in heard:
            fail(f"choosing {TABS[index]} announced only {heard}")

print(f"{STAGE}: {len(nodes)} objects, rows {rows}")
