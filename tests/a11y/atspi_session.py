"""A display, an accessibility bus and a calculator of the test's own.

Run inside a session bus of its own (dbus-run-session). Each program starts in a process group
of its own, and stopping ends the whole group, so nothing the session started is left: not the
bus launcher's dbus-daemon, not the registry it activates, not the calculator.
"""

import os
import random
import signal
import subprocess
import tempfile
import time

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


class Session:
    def __init__(self, calculator):
        self.calculator = calculator
        self.groups = []
        self.config = tempfile.TemporaryDirectory(prefix="vantrel-a11y-")

    def __enter__(self):
        try:
            os.environ["DISPLAY"] = self._start_display()
            _wait_for_bus_owner(self._start([BUS_LAUNCHER, "--launch-immediately"]))
            env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       XDG_CONFIG_HOME=self.config.name)
            self._start([self.calculator], env=env)
            self.calculator_process = self.groups[-1]
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()

    def _start(self, command, **options):
        process = subprocess.Popen(command, start_new_session=True, stdin=subprocess.DEVNULL,
                                   **options)
        self.groups.append(process)
        return process.pid

    def _start_display(self, attempts=10):
        """A display of the session's own, at a free number that its server holds the lock
        of. Other programs on the machine start and stop displays as well, so a number taken
        meanwhile is given up for another."""
        first = random.randrange(100, 900)
        for number in range(first, first + attempts):
            if os.path.exists(f"/tmp/.X{number}-lock") or \
                    os.path.exists(f"/tmp/.X11-unix/X{number}"):
                continue
            # Without -noreset the server starts over whenever its last client leaves, and a
            # client that comes meanwhile finds no display.
            self._start(["Xvfb", f":{number}", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                         "-noreset"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if _display_up(number, self.groups[-1]):
                return f":{number}"
            _end_group(self.groups.pop())
        raise RuntimeError("no virtual display of the session's own")

    def stop(self):
        """Ends every group, the calculator first and the display last; returns the groups
        that still have a member afterwards."""
        for process in reversed(self.groups):
            _end_group(process)
        left = [p.pid for p in self.groups if _group_alive(p.pid)]
        self.groups.clear()
        self.config.cleanup()
        return left


def _display_up(number, server, seconds=10.0):
    """Whether the server took the number's lock and answers on it."""
    end = time.monotonic() + seconds
    while time.monotonic() < end and server.poll() is None:
        try:
            with open(f"/tmp/.X{number}-lock") as lock:
                holder = int(lock.read().strip())
        except (OSError, ValueError):
            holder = None
        if holder == server.pid and subprocess.run(
                ["xdpyinfo", "-display", f":{number}"], stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL).returncode == 0:
            return True
        time.sleep(0.05)
    return False


def _wait_for_bus_owner(pid, seconds=10.0):
    """Waits until the launcher owns its name on the session bus. A client that asked before
    would have the session bus start a launcher of its own, outside the session's reach."""
    from gi.repository import Gio, GLib
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            owner = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                  "org.freedesktop.DBus", "GetConnectionUnixProcessID",
                                  GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                                  Gio.DBusCallFlags.NONE, -1, None).unpack()[0]
            if owner == pid:
                return
        except GLib.Error:
            pass
        time.sleep(0.05)
    raise RuntimeError("the accessibility bus launcher did not take its name")


def _group_alive(pgid):
    try:
        os.killpg(pgid, 0)
    except ProcessLookupError:
        return False
    return True


def _end_group(process, grace=5.0):
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            break
        end = time.monotonic() + grace
        while time.monotonic() < end and _group_alive(process.pid):
            process.poll()
            time.sleep(0.05)
        if not _group_alive(process.pid):
            break
    process.wait()
