#!/usr/bin/python3
"""Checks through the accessibility bus that a running Quibbet speaks the language of a
translation file.

Usage: language-walk.py PID TS-FILE window
           the tool row's buttons carry the file's texts; under a right-to-left language
           the row is mirrored (the prior-note button right of the next-note one)
       language-walk.py PID TS-FILE menu
           opens the list's menu from the keyboard (the list has the focus) and walks down
           it as a screen reader user does: the entries heard carry the file's texts
       language-walk.py TS-FILE text CONTEXT SOURCE
           prints the file's text for SOURCE (to wait for a dialog by its title)
Exits 1, saying what differs, on the first text not in the language.
"""
import re
import sys
import time
import xml.etree.ElementTree as ElementTree

BUTTONS = ["Prior note", "Next note", "Add a new note", "Apply changes", "Delete note"]
MENU = ["Search...", "Export...", "Reminder...", "Print", "Options", "About"]


def plain(text):
    # Accelerators as either custom writes them: "&File" or "ファイル(&F)".
    return re.sub(r"\(&.\)|&(?=.)", "", text).strip()


def translations(path):
    found = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source"))] = message.findtext("translation") or ""
    return found


def language_of(texts, source):
    hits = {plain(t) for (_, s), t in texts.items() if s == source}
    if not hits:
        sys.exit(f"the translation file has no text '{source}'")
    return hits


def application(pid):
    import pyatspi
    for _ in range(200):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.1)
    sys.exit(f"the program {pid} never appeared on the accessibility bus")


def nodes(app):
    app.clear_cache()
    pending = [child for child in app if child is not None]
    while pending:
        node = pending.pop()
        yield node
        pending.extend(child for child in node if child is not None)


def check_window(app, texts, right_to_left):
    import pyatspi
    names = {}
    for node in nodes(app):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            x = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x
            names[plain(node.name)] = x
    where = {}
    for source in BUTTONS:
        hit = language_of(texts, source) & names.keys()
        if not hit:
            sys.exit(f"no button reads the translation of '{source}'; buttons: {sorted(names)}")
        where[source] = names[hit.pop()]
    mirrored = where["Prior note"] > where["Next note"]
    if mirrored != right_to_left:
        sys.exit(f"the tool row is {'' if mirrored else 'not '}mirrored: {where}")


def check_menu(app, texts):
    # A pop-up menu is no part of the window's tree: it is heard as its entries take the focus.
    import subprocess
    import pyatspi
    from gi.repository import GLib
    wanted = {source: language_of(texts, source) for source in MENU}
    heard = set()

    def missing():
        return [source for source, names in wanted.items() if not names & heard]

    def on_focus(event):
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_MENU_ITEM:
            heard.add(plain(event.source.name))
            if not missing():
                pyatspi.Registry.stop()

    def walk_down():
        subprocess.run(["xdotool", "key", "Menu"], check=True)
        for _ in range(20):
            subprocess.run(["xdotool", "key", "Down"], check=True)
        return False

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    GLib.idle_add(walk_down)
    GLib.timeout_add_seconds(15, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    if missing():
        sys.exit(f"no menu entry heard reads the translation of {missing()}; heard: {sorted(heard)}")


if sys.argv[2] == "text":
    print(translations(sys.argv[1])[(sys.argv[3], sys.argv[4])])
    sys.exit(0)
pid, texts, what = int(sys.argv[1]), translations(sys.argv[2]), sys.argv[3]
right_to_left = texts.get(("QGuiApplication", "QT_LAYOUT_DIRECTION")) == "RTL"
if what == "window":
    check_window(application(pid), texts, right_to_left)
else:
    check_menu(application(pid), texts)
