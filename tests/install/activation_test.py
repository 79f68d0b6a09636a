#!/usr/bin/env python3
"""The session bus starts the installed calculator when a program first calls it.

    activation_test.py BUILD_DIR

Installs the build into a temporary prefix and starts a session bus of its own whose
XDG_DATA_DIRS lead to the prefix's share folder, so that the bus finds the installed service
file. On that bus, with no calculator running, `vantrel-send input 5` must start the installed
calculator and be served, and `vantrel-send read` then shows 5. On an X display (DISPLAY set)
the started window's class must be the desktop entry's StartupWMClass; without one the
calculator runs on Qt's offscreen platform. The started calculator is stopped at the end.
"""

import os
import pathlib
import signal
import subprocess
import sys
import tempfile
import time

from installed_tree import APP_ID, desktop_entry, install

BUS = "org.freedesktop.DBus"


def bus_answer(method, *arguments):
    """The words of the bus's own answer to a call ("boolean", "true"), or None."""
    result = subprocess.run(
        ["dbus-send", "--session", "--print-reply=literal", f"--dest={BUS}",
         "/org/freedesktop/DBus", f"{BUS}.{method}", *arguments],
        capture_output=True, text=True, timeout=30)
    return result.stdout.split() if result.returncode == 0 and result.stdout else None


def bus_call(method, *arguments):
    """The one value the bus answers, as text ("true", "1234"), or None."""
    words = bus_answer(method, *arguments)
    return words[-1] if words else None


def name_owned():
    return bus_call("NameHasOwner", f"string:{APP_ID}") == "true"


def calculator_pid():
    pid = bus_call("GetConnectionUnixProcessID", f"string:{APP_ID}")
    return int(pid) if pid is not None else None


def wait_for(condition, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    return condition()


def send(prefix, *arguments):
    return subprocess.run([str(prefix / "bin/vantrel-send"), *arguments],
                          capture_output=True, text=True, timeout=90)


def window_classes(pid):
    """The WM_CLASS of each window the process shows, as xprop prints it."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                           capture_output=True, text=True, timeout=30)
    classes = []
    for window in found.stdout.split():
        shown = subprocess.run(["xprop", "-id", window, "WM_CLASS"],
                               capture_output=True, text=True, timeout=30)
        classes.append(shown.stdout.strip())
    return classes


def stop(pid):
    """Ends the started calculator and waits until it has gone from the bus and the system."""
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    if not wait_for(lambda: not pathlib.Path(f"/proc/{pid}").exists() and not name_owned(), 20):
        os.kill(pid, signal.SIGKILL)


def check_on_private_bus(prefix):
    problems = []
    if name_owned():
        return [f"{APP_ID} is owned before anything called it"]
    if APP_ID not in (bus_answer("ListActivatableNames") or []):
        problems.append(f"the bus does not know how to start {APP_ID}")
    pushed = send(prefix, "input", "5")
    pid = calculator_pid()
    try:
        if (pushed.returncode, pushed.stdout, pushed.stderr) != (0, "", ""):
            problems.append(f"vantrel-send input 5: status {pushed.returncode}, {pushed.stderr}")
        if pid is None:
            return problems + ["no calculator owns the name after the call"]
        started = os.readlink(f"/proc/{pid}/exe")
        if started != str(prefix / "bin/vantrel-calculator"):
            problems.append(f"the bus started {started}, not the installed calculator")
        read = send(prefix, "read")
        if read.returncode != 0 or not read.stdout.startswith("display\t5. \n"):
            problems.append(f"vantrel-send read: status {read.returncode}, out {read.stdout!r}")
        if os.environ.get("DISPLAY"):
            wanted = desktop_entry(prefix).get("StartupWMClass")
            classes = wait_for(lambda: window_classes(pid), 20)
            if not classes or any(not c.endswith(f', "{wanted}"') for c in classes):
                problems.append(f"window classes {classes}, the desktop entry says {wanted}")
        else:
            print("no X display: the window's class is not checked")
    finally:
        if pid is not None:
            stop(pid)
    if name_owned():
        problems.append("the calculator did not stop")
    return problems


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--on-bus":
        problems = check_on_private_bus(pathlib.Path(sys.argv[2]))
        for problem in problems:
            print(problem)
        print(f"{len(problems)} problem(s) with starting the calculator through the bus")
        return 1 if problems else 0

    with tempfile.TemporaryDirectory(prefix="vantrel-activation.") as folder:
        prefix = install(sys.argv[1], pathlib.Path(folder) / "prefix")
        environment = dict(os.environ)
        environment.pop("DBUS_SESSION_BUS_ADDRESS", None)
        # The bus hands its environment to what it starts: the prefix's services, a settings
        # folder of the test's own, and a platform for Qt when there is no display.
        environment["XDG_DATA_DIRS"] = f"{prefix}/share:/usr/share"
        environment["XDG_CONFIG_HOME"] = f"{folder}/config"
        environment["XDG_STATE_HOME"] = f"{folder}/state"
        if not environment.get("DISPLAY"):
            environment["QT_QPA_PLATFORM"] = "offscreen"
        return subprocess.run(
            ["dbus-run-session", "--", sys.executable, __file__, "--on-bus", str(prefix)],
            env=environment, timeout=240).returncode


if __name__ == "__main__":
    sys.exit(main())
