"""What a screen reader hears of the program, read through AT-SPI as Orca reads
it. Steps drive the real window by X input; after each, a table of facts is
checked against the tree and the events the step caused.
Usage: atspi_check.py  (DISPLAY and the accessibility bus set up by the caller)"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

S = pyatspi


def pump(seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        GLib.MainContext.default().iteration(False)
        time.sleep(0.01)


def wait_for(what, test, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = test()
        if found:
            return found
        pump(0.1)
    sys.exit(f"FAIL: no {what} within {seconds} s")


def app():
    return next((a for a in S.Registry.getDesktop(0) if a and a.name.startswith("lurnatik1")), None)


def nodes(node):
    yield node
    for child in node:
        yield from nodes(child)


def has(node, state):
    return node.getState().contains(state)


events = []  # (kind, source) of every focus and name change since the last step


def record(event):
    events.append((event.type, event.source))


def control(name=None, description=None, role=None):
    for n in nodes(window):
        if ((name is None or n.name == name) and (description is None or n.description == description)
                and (role is None or n.getRole() == role)):
            return n
    return None


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True)


def click(node, down=0.5):
    """Clicks a control in the middle, or `down` of its height from the top."""
    box = node.queryComponent().getExtents(S.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(box.x + box.width // 2),
                    str(box.y + int(box.height * down)), "click", "1"], check=True)


def step(action, settled):
    events.clear()
    action()
    wait_for("settled window", settled)
    pump(0.5)  # the events of the step arrive


def focused():
    return [n for n in nodes(window) if has(n, S.STATE_FOCUSED)]


def focus_on(name):
    """The control has the focus and no grid cell claims it too."""
    claims = [n.name for n in focused() if n.getRole() in (S.ROLE_TABLE_CELL, S.ROLE_ENTRY, S.ROLE_PUSH_BUTTON, S.ROLE_COMBO_BOX, S.ROLE_TEXT)]
    return claims == [name] or claims


def one_focused(inside=None):
    """One object claims the focus; a list with the focus may also claim it for its entry."""
    found = focused()
    claims = [f"{n.getRoleName()} in {n.parent.name}" for n in found if not any(m.parent == n for m in found)]
    return (len(claims) == 1 and (inside is None or claims[0].endswith(" in " + inside))) or claims


def cells(table_name, kind):
    return [s for t, s in events if t.startswith(kind) and s.parent and s.parent.name == table_name]


TABELLE1, TABELLE2 = "Häufigkeiten der Zahlen", "Erstes Erscheinen markierter Zahlen"
failures = 0


def check(facts):
    global failures
    for name, fact in facts:
        try:
            ok = fact()
        except Exception as error:  # a missing node fails its fact, not the table
            ok = f"{type(error).__name__}: {error}"
        if ok is not True:
            failures += 1
            print(f"FAIL: {name}" + ("" if ok is False else f" ({ok})"), file=sys.stderr)


S.Registry.registerEventListener(record, "object:state-changed:focused",
                                 "object:property-change:accessible-name")
window = wait_for("window in the accessibility tree",
                  lambda: app() and app().childCount and app()[0])
wait_for("focus on the count box", lambda: "Anzahl Würfe" in [n.name for n in focused()])
check([
    ("the main window is a frame", lambda: window.getRole() == S.ROLE_FRAME),
    ("the import lists are named", lambda: all(control(n) for n in ("Laufwerk", "Verzeichnis", "Datei"))),
    ("focus on the count box alone", lambda: focus_on("Anzahl Würfe")),
    ("one focused object at start-up", one_focused),
    ("lakut exposes its empty caption", lambda: control("", "Anzahl akut", S.ROLE_LABEL) is not None),
])
step(lambda: click(control("Import", role=S.ROLE_PUSH_BUTTON)), lambda: has(control("Import Permanenz"), S.STATE_SHOWING))
covered = ["Copy", "Ende", "Anzahl Würfe"]
check([
    ("covered controls are not showing", lambda: not [n for n in covered if has(control(n), S.STATE_SHOWING)]),
    ("covered controls are not focusable", lambda: not [n for n in covered if has(control(n), S.STATE_FOCUSABLE)]),
    ("focus on the drive list alone", lambda: focus_on("Laufwerk")),
    ("one focused object in the import panel", one_focused),
])
step(lambda: key("Tab"), lambda: not has(control("Laufwerk"), S.STATE_FOCUSED))
check([("one focused object in Dir1", lambda: one_focused("Verzeichnis"))])
step(lambda: click(control("Import abbrechen")), lambda: not has(control("Import Permanenz"), S.STATE_SHOWING))
step(lambda: (click(control("Anzahl Würfe")), key("3"), click(control("Start", role=S.ROLE_PUSH_BUTTON))),
     lambda: control("Weiter", role=S.ROLE_PUSH_BUTTON))
check([
    ("lakut reads the throw", lambda: control("1", "Anzahl akut") is not None),
    ("the status text reads", lambda: "erzeugt die Zahlen" in control(description="Statustext").name),
    ("lakut announced it", lambda: any(s.description == "Anzahl akut" for t, s in events if "name" in t)),
    ("a cell announced its count", lambda: any(s.name.endswith(": 1") for s in cells(TABELLE1, "object:property"))),
    ("no cell took the focus on a click", lambda: not cells(TABELLE1, "object:state") + cells(TABELLE2, "object:state")),
    ("focus on Start alone", lambda: focus_on("Weiter")),
])
step(lambda: click(control("Info", role=S.ROLE_PUSH_BUTTON)),
     lambda: control("Ende Info", role=S.ROLE_PUSH_BUTTON))
table = control(TABELLE1)
step(lambda: (click(table, 5.5 / 37), key("space")), lambda: True)
check([
    ("Space on tabelle1 announces no tabelle2 cell", lambda: not cells(TABELLE2, "object:state")),
])
sys.exit(1 if failures else 0)
