#!/usr/bin/python3
"""Reads the rows of a running Quibbet's note list through the accessibility bus.

Usage: note-list-rows.py PID rows
           prints the rows' texts, one a line
       note-list-rows.py PID wait-for TEXT SINCE-NS SECONDS
           waits up to SECONDS for a row reading TEXT; prints the seconds from SINCE-NS (a
           time.time_ns() value) to the moment it was seen; exits 1, printing the rows, when
           it never comes
       note-list-rows.py PID centre TEXT
           prints "X Y", the row's centre on the screen
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


def note_list(app):
    # Rows are read live, so what the bus keeps of earlier readings is dropped first.
    app.clear_cache()
    pending = [child for child in app if child is not None]
    while pending:
        node = pending.pop()
        if node.getRole() == pyatspi.ROLE_LIST and node.name == "Notes":
            return node
        pending.extend(child for child in node if child is not None)
    sys.exit("the window has no list named Notes")


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
    else:
        sys.exit(f"unknown command {command}")


main()
