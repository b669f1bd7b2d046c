#!/usr/bin/env python3
"""Walks the running program's windows over the accessibility bus (AT-SPI), as a
screen reader sees them, and checks that a child or teacher can hear every
control.

What is checked, in every window of the program that is open at each step
(top-level frames, dialogs and message boxes alike):
  * every window, message box, push button, check box, list, list item, scroll
    bar and picture has a name;
  * every label has a name or a description (an empty answer cell is still
    announced by its role, e.g. "Ergebnis, Einer");
  * everything named in EXPECTED below is there, with its description;
  * a message box is an alert or dialog whose description is its text, and its
    buttons are named.
Steps: the trainer window as it opens; the help box ("Hilfe"); the board with
the marker on a selected cell; the worksheet over the board ("Blatt") with the
code-word box of its print button and the box after copying; the info window
("Info") with its switch. A new window is covered by adding a step that opens
it; its controls fall under the general rules at once. (The games are reached
only by earning a reward; an adapter test reads their controls the same way.)

Waits for the program's accessibility events, never for a fixed time; every
wait ends after a deadline with a failure.
"""
import os
import subprocess
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

DEADLINE_SECONDS = 30
APP_NAME = "minuskolonne"

# Controls each step must show: (role, name, description or None for any).
EXPECTED = {
    "trainer": [("push button", str(d), "Ziffer zum Ziehen") for d in range(10)] + [
        ("push button", "Ende", "Programm beenden"),
        ("push button", "Hilfe", "Hilfe zum Üben"),
        ("push button", "Minus", "Aufgaben mit einer Zahl zum Abziehen"),
        ("push button", "Minus Minus", "Aufgaben mit zwei Zahlen zum Abziehen"),
        ("push button", "Lücke", None),
        ("push button", "Blatt", None),
        ("push button", "Info", None),
        ("label", "", "Ergebnis, Einer"),
        ("label", "", "Ergebnis, Zehner"),
        ("label", "", "Ergebnis, Hunderter"),
        ("label", None, "Punkte"),
        ("label", None, "Fehler"),
        ("image", "Rakete", None),
        ("image", "Mond", None),
    ],
    "marker": [("image", "Markierung", "ausgewählte Zelle: Ziffer tippen oder hierher ziehen")],
    "sheet": [
        ("push button", "Abbruch", "Arbeitsblatt schließen"),
        ("push button", "Aufgaben drucken", "Blatt mit den Aufgaben drucken"),
        ("push button", "Lösungen drucken", "Blatt mit den Lösungen drucken"),
        ("push button", "Kopieren", "Aufgaben und Lösungen in die Zwischenablage kopieren"),
        ("list", "Rechenblatt", "30 Aufgaben mit ihren Lösungen, Zeile für Zeile"),
        ("image", "Arbeitsblatt", None),
    ],
    "code word": [("push button", "OK", None), ("push button", "Abbrechen", None)],
    "copied": [("push button", "OK", None)],
    "info": [
        ("label", "Minuskolonne", "Programmname"),
        ("label", None, "Nutzungsbedingungen"),
        ("label", None, "Hersteller"),
        ("check box", "Druckmodus deaktivieren",
         "Angekreuzt: Arbeitsblätter nur mit dem Kennwort drucken"),
        ("label", "Okay", "Fenster schließen"),
        ("image", "Schließen", "Fenster schließen"),
        ("label", "Mehr dazu in der README-Datei", "Hinweis"),
    ],
}

NAMED_ROLES = {"push button", "check box", "list", "list item", "scroll bar", "toggle button",
               "image", "frame", "dialog", "alert"}
WINDOW_ROLES = {"frame", "dialog", "alert", "window"}


def role(node):
    return node.get_role_name()


def states(node):
    return node.get_state_set()


def showing(node):
    s = states(node)
    return s.contains(Atspi.StateType.SHOWING) and s.contains(Atspi.StateType.VISIBLE)


def children(node):
    out = []
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            out.append(child)
    return out


def walk(node):
    yield node
    for child in children(node):
        if showing(child):
            yield from walk(child)


def applications():
    """The program's entries on the bus: with the GTK platform theme, GTK
    registers the process a second time, with no windows of its own."""
    return [app for app in children(Atspi.get_desktop(0)) if app.get_name() == APP_NAME]


def open_windows():
    return [w for app in applications() for w in children(app)
            if role(w) in WINDOW_ROLES and showing(w)]


def describe(node):
    return f"{role(node)} '{node.get_name()}' ({node.get_description()})"


class Waiter:
    """Runs the main loop until a condition holds, re-checking it after the
    program's accessibility events; fails after the deadline."""

    EVENTS = ["window:", "object:children-changed", "object:state-changed",
              "object:property-change", "object:text-changed"]

    def __init__(self):
        self.loop = GLib.MainLoop()
        self.condition = None
        self.pending = False
        self.listener = Atspi.EventListener.new(self._on_event)
        for event in self.EVENTS:
            self.listener.register(event)

    def _on_event(self, _event):
        if self.condition and not self.pending:
            self.pending = True
            GLib.idle_add(self._check)

    def _check(self):
        self.pending = False
        try:
            done = self.condition()
        except GLib.Error:
            done = False  # the tree changed underneath; the next event tries again
        if done:
            self.loop.quit()
        return False

    def until(self, what, condition):
        self.condition = condition
        result = {"timed_out": False}

        def give_up():
            result["timed_out"] = True
            self.loop.quit()
            return False

        timer = GLib.timeout_add_seconds(DEADLINE_SECONDS, give_up)
        GLib.idle_add(self._check)
        self.loop.run()
        self.condition = None
        if result["timed_out"]:
            raise SystemExit(f"FAIL: no {what} within {DEADLINE_SECONDS} s")
        GLib.source_remove(timer)


def find(name=None, description=None, role_name=None):
    for window in open_windows():
        for node in walk(window):
            if ((name is None or node.get_name() == name)
                    and (description is None or node.get_description() == description)
                    and (role_name is None or role(node) == role_name) and showing(node)):
                return node
    return None


def click(node):
    box = node.get_extents(Atspi.CoordType.SCREEN)
    x, y = box.x + box.width // 2, box.y + box.height // 2
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)


def boxes():
    return [w for w in open_windows() if role(w) in {"alert", "dialog"}]


def window_titled(title):
    return next((w for w in open_windows() if w.get_name() == title), None)


def sheet_shown():
    """The worksheet's list with its lines, whatever it is called: a missing name
    is for the general rules to report."""
    sheet = find(role_name="list")
    return sheet is not None and sheet.get_child_count() >= 30


def box_step(waiter, step, opened_by, text, answer):
    """Opens a box with a click, checks it and the windows behind it, makes sure
    it reads its text, and closes it with the given button."""
    click(opened_by)
    waiter.until(f"{step} box", lambda: len(boxes()) > 0)
    box = boxes()[0]
    failures = check_windows(step)
    if text not in box.get_description():
        failures.append(f"the {step} box does not read its text: {box.get_description()!r}")
    click(next(n for n in walk(box) if role(n) == "push button" and n.get_name() == answer))
    waiter.until(f"{step} box closed", lambda: not boxes())
    return failures


def check_windows(step):
    """The general rules over every open window, and what the step expects."""
    failures = []
    seen = []
    for window in open_windows():
        print(f"  window: {describe(window)}")
        for node in walk(window):
            r, name, desc = role(node), node.get_name(), node.get_description()
            seen.append((r, name, desc))
            if r in NAMED_ROLES and not name:
                failures.append(f"no name: {describe(node)}")
            elif r == "label" and not name and not desc:
                failures.append(f"label with neither name nor description in {describe(window)}")
            elif r in {"alert", "dialog"} and not desc:
                failures.append(f"message box without its text: {describe(node)}")
            if "\r" in name:
                failures.append(f"carriage return in a name, spoken as a sign: {describe(node)}")
            if name or desc:
                print(f"    {r:12} {name!r:28} {desc}")
    for r, name, desc in EXPECTED.get(step, []):
        if not any(sr == r and (name is None or sn == name) and (desc is None or sd == desc)
                   for sr, sn, sd in seen):
            failures.append(f"missing: {r} {name!r} ({desc})")
    for failure in failures:
        print(f"  FAIL {failure}")
    return failures


def main(program):
    Atspi.init()
    waiter = Waiter()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    env.pop("QT_QPA_PLATFORM", None)
    process = subprocess.Popen([program], env=env)
    failures = []
    try:
        print("step: the trainer window opens")
        waiter.until("trainer window with an exercise",
                      lambda: find("Ende", role_name="push button") is not None
                      and find(description="Subtrahend, Einer") is not None
                      and find(description="Subtrahend, Einer").get_name() != "")
        failures += check_windows("trainer")

        print("step: the help box")
        failures += box_step(waiter, "help", find("Hilfe", role_name="push button"),
                             "Schiebe die Ziffern", "OK")

        print("step: a selected answer cell")
        click(find(description="Ergebnis, Einer"))
        waiter.until("marker", lambda: find("Markierung") is not None)
        failures += check_windows("marker")

        print("step: the worksheet over the board")
        click(find("Blatt", role_name="push button"))
        waiter.until("worksheet with its lines", sheet_shown)
        failures += check_windows("sheet")

        print("step: the code word before printing")
        failures += box_step(waiter, "code word", find("Aufgaben drucken", role_name="push button"),
                             "Kennwort eingeben:", "Abbrechen")

        print("step: the sheet copied")
        failures += box_step(waiter, "copied", find("Kopieren", role_name="push button"),
                             "in die Ablage kopiert", "OK")
        click(find("Abbruch", role_name="push button"))
        waiter.until("worksheet put away", lambda: find(role_name="list") is None)

        print("step: the info window")
        click(find("Info", role_name="push button"))
        waiter.until("info window", lambda: window_titled("Programm-Info") is not None
                      and find("Druckmodus deaktivieren") is not None)
        failures += check_windows("info")
        click(find("Okay", role_name="label"))
        waiter.until("info window closed", lambda: window_titled("Programm-Info") is None)
    finally:
        process.terminate()
        process.wait(timeout=DEADLINE_SECONDS)
    if failures:
        print(f"{len(failures)} problem(s) found")
        return 1
    print("every open window reads well")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
