#!/usr/bin/python3
"""The calculator's window read and worked through the real accessibility bus.

    window_test.py CALCULATOR [--show]

Starts its own display, accessibility bus and calculator (see atspi_session.py), walks the
window's accessible tree and fails on any control a screen reader could not tell the user
about; then presses keys through their actions and reads the result back from the display's
text and the tape's lines, and hears the tape announce lines that come and go. --show prints
the tree. Exits 77 when the accessibility stack is not installed.
"""

import os
import shutil
import sys
import time

import atspi_session
import tree_rules
from session_run import Failed, require, run_session

SKIP = 77
KEYS = 31
OPTIONS = 7
LABELS = ("Display", "Memory", "Item count")


def snapshot(pyatspi, acc):
    children = []
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            children.append(snapshot(pyatspi, child))
    shown = acc.getState().contains(pyatspi.STATE_VISIBLE)
    return tree_rules.Node(acc.getRoleName(), acc.name, shown, tuple(children), acc)


def print_tree(root):
    def show(node, depth):
        print(f"{'  ' * depth}[{node.role}] {node.name!r}")
        for child in node.children:
            show(child, depth + 1)
    show(root, 0)


def find(root, role, name=None):
    return [n for _, n in tree_rules.walk(root) if n.role == role and n.shown
            and (name is None or n.name == name)]


def only(root, role, name):
    found = find(root, role, name)
    require(len(found) == 1, f"expected one {role} named {name!r}, found {len(found)}")
    return found[0].source


class Window:
    def __init__(self, pyatspi, app):
        from gi.repository import GLib
        self.pyatspi = pyatspi
        self.context = GLib.MainContext.default()
        self.events = []
        # Qt's bridge sends a child's removal only to a client that also listens to state
        # changes, as every screen reader does.
        pyatspi.Registry.registerEventListener(self._record, "object:children-changed",
                                               "object:text-changed", "object:state-changed")
        self.tree = snapshot(pyatspi, app)
        self.tape = only(self.tree, "list", "Tape")
        self.labels = {name: only(self.tree, "text", name) for name in LABELS}

    def _record(self, event):
        self.events.append((event.type, event.source.name if event.source else None))

    def wait(self, condition, what, seconds=10.0):
        end = time.monotonic() + seconds
        while not condition():
            require(time.monotonic() < end, f"still waiting for {what}")
            while self.context.iteration(False):
                pass
            time.sleep(0.02)

    def press(self, name, role="push button"):
        """Presses a key or an option through its action, and waits until the key is up again:
        a key pressed this way clicks a moment later, and a second press meanwhile would be
        taken as the same click."""
        acc = only(self.tree, role, name)
        action = acc.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        wanted = [n for n in ("Press", "Toggle") if n in names]
        require(wanted, f"{name!r} has no press action, only {names}")
        require(action.doAction(names.index(wanted[0])), f"{name!r} refused its action")
        self.wait(lambda: not acc.getState().contains(self.pyatspi.STATE_PRESSED),
                  f"{name!r} to come up")

    def value(self, label):
        text = self.labels[label].queryText()
        return text.getText(0, text.characterCount)

    def lines(self):
        return [self.tape.getChildAtIndex(i).name for i in range(self.tape.childCount)]

    def expect(self, lines, display=None, counter=None):
        self.wait(lambda: self.lines() == lines, f"tape {lines}, have {self.lines()}")
        if display is not None:
            self.wait(lambda: self.value("Display") == display,
                      f"display {display!r}, have {self.value('Display')!r}")
        if counter is not None:
            self.wait(lambda: self.value("Item count") == counter,
                      f"item count {counter!r}, have {self.value('Item count')!r}")

    def heard(self, kind, source):
        return any(t.startswith(kind) and s == source for t, s in self.events)


def check_tree(tree):
    found = tree_rules.problems(tree)
    require(not found, "controls a screen reader cannot tell of:\n  " + "\n  ".join(found))
    keys = find(tree, "push button")
    require(len(keys) == KEYS, f"expected {KEYS} keys, found {len(keys)}")
    require(len(find(tree, "radio button")) == OPTIONS, f"expected {OPTIONS} options")
    # The check itself finds a key that has lost its name.
    blanked = tree_rules.problems(tree_rules.with_name_blanked(tree, "push button", "Add"))
    require(any("key without a name" in p for p in blanked), "a nameless key went unnoticed")


def press_and_read(window):
    window.press("2 Decimal Places", role="radio button")
    for key in ("1", "2", "5", "0", "Decimal Point", "7", "5"):
        window.press(key)
    window.expect([], display="1,250.75")
    window.press("Add")
    window.expect(["plus 1,250.75"], display="1,250.75", counter="1")
    for key in ("8", "Decimal Point", "7", "5", "Subtract"):
        window.press(key)
    window.expect(["plus 1,250.75", "minus 8.75"], display="1,242.00", counter="2")
    window.press("Total")
    window.expect(["plus 1,250.75", "minus 8.75", "total 1,242.00, 2 items"],
                  display="1,242.00", counter="0")
    window.wait(lambda: window.heard("object:children-changed:add", "Tape"), "a new line heard")
    window.wait(lambda: window.heard("object:text-changed", "Display"), "the display heard")

    window.press("Undo")
    window.expect(["plus 1,250.75", "minus 8.75"])
    window.wait(lambda: window.heard("object:children-changed:remove", "Tape"),
                "an undone line heard")
    window.press("New")
    window.expect([], display="0.", counter="0")


def main(argv):
    calculator = argv[1]
    try:
        import pyatspi  # noqa: F401  (only whether it is there)
    except ImportError:
        pyatspi = None
    if pyatspi is None or not os.path.exists(atspi_session.BUS_LAUNCHER) \
            or shutil.which("Xvfb") is None or shutil.which("xdpyinfo") is None:
        print("skipped: needs at-spi2-core, python3-pyatspi and Xvfb")
        return SKIP
    session = atspi_session.Session(calculator)

    def steps():
        import pyatspi
        app = find_application(pyatspi, session.calculator_process)
        window = Window(pyatspi, app)
        if "--show" in argv:
            print_tree(window.tree)
        check_tree(window.tree)
        press_and_read(window)
    return run_session(session, steps,
                       passed="the window reads and works through the accessibility bus")


def find_application(pyatspi, process, seconds=20.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        require(process.poll() is None, f"the calculator ended with status {process.returncode}")
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == process.pid and app.childCount > 0:
                return app
        time.sleep(0.2)
    raise Failed("the calculator did not appear on the accessibility bus")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
