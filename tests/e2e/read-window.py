#!/usr/bin/python3
"""Reads a running Quibbet's main window through the accessibility bus.

Usage: read-window.py PID rows
           prints the note list's rows, one a line
       read-window.py PID wait-for TEXT SINCE-NS SECONDS
           waits up to SECONDS for a row reading TEXT; prints the seconds from SINCE-NS (a
           time.time_ns() value) to the moment it was seen; exits 1, printing the rows, when
           it never comes
       read-window.py PID centre TEXT
           prints "X Y", the row's centre on the screen
       read-window.py PID wait-focus list|memo SECONDS
           waits up to SECONDS for the keyboard focus to be on the list (or one of its rows)
           or on the memo; exits 1, saying where it is, when it never comes
"""
import sys
import time

import pyatspi

POLL_SECONDS = 0.02


def application(pid):
    # The program registers with the bus a moment after its window maps.
    for _ in range(200):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.1)
    sys.exit(f"the program {pid} never appeared on the accessibility bus")


def nodes(app):
    # Read live: what the bus keeps of earlier readings is dropped first.
    app.clear_cache()
    pending = [child for child in app if child is not None]
    while pending:
        node = pending.pop()
        yield node
        pending.extend(child for child in node if child is not None)


def note_list(app):
    for node in nodes(app):
        if node.getRole() == pyatspi.ROLE_LIST and node.name == "Notes":
            return node
    sys.exit("the window has no list named Notes")


def focused(app):
    return [node for node in nodes(app) if node.getState().contains(pyatspi.STATE_FOCUSED)]


def focus_is_on(app, where):
    for node in focused(app):
        if where == "memo" and node.name == "Note text":
            return True
        if where == "list" and any(n.getRole() == pyatspi.ROLE_LIST and n.name == "Notes" for n in (node, node.parent)):
            return True
    return False


def rows(app):
    return [item.name for item in note_list(app) if item is not None]


def main():
    pid, command = int(sys.argv[1]), sys.argv[2]
    app = application(pid)
    if command == "rows":
        print("\n".join(rows(app)))
    elif command == "wait-for":
        text, since, seconds = sys.argv[3], int(sys.argv[4]), float(sys.argv[5])
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if text in rows(app):
                print(f"{(time.time_ns() - since) / 1e9:.3f}")
                return
            time.sleep(POLL_SECONDS)
        sys.exit(f"no row '{text}' within {seconds} s; rows: {rows(app)}")
    elif command == "centre":
        text = sys.argv[3]
        found = [item for item in note_list(app) if item is not None and item.name == text]
        if not found:
            sys.exit(f"no row '{text}'; rows: {rows(app)}")
        box = found[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(box.x + box.width // 2, box.y + box.height // 2)
    elif command == "wait-focus":
        where, seconds = sys.argv[3], float(sys.argv[4])
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if focus_is_on(app, where):
                return
            time.sleep(POLL_SECONDS)
        sys.exit(f"the focus never came to the {where}: {[(n.getRoleName(), n.name) for n in focused(app)]}")
    else:
        sys.exit(f"unknown command {command}")


main()
