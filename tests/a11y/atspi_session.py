"""A display, an accessibility bus and a calculator of the test's own.

Run inside a session bus of its own (dbus-run-session). Each program starts in a process group
of its own, and stopping ends the whole group, so nothing the session started is left: not the
bus launcher's dbus-daemon, not the registry it activates, not the calculator.
"""

import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import private_display  # noqa: E402
from session_run import OwnSession  # noqa: E402

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


class Session(OwnSession):
    def __init__(self, calculator):
        self.calculator = calculator
        self.groups = []
        self.config = tempfile.TemporaryDirectory(prefix="vantrel-a11y-")

    def begin(self):
        os.environ["DISPLAY"] = private_display.start_display(self.groups)
        _wait_for_bus_owner(self._start([BUS_LAUNCHER, "--launch-immediately"]))
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_CONFIG_HOME=self.config.name,
                   XDG_STATE_HOME=os.path.join(self.config.name, "state"))
        self._start([self.calculator], env=env)
        self.calculator_process = self.groups[-1]

    def _start(self, command, **options):
        return private_display.start_in_group(self.groups, command, **options).pid

    def stop(self):
        """Ends every group, the calculator first and the display last; returns the groups
        that still have a member afterwards."""
        left = private_display.end_groups(self.groups)
        self.config.cleanup()
        return left


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
