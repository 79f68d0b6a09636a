"""A display of the test's own and the real calculator on it, driven and read from outside.

Every program starts in a process group of its own and stopping ends each group, the
calculator first and the display last, so nothing the session started is left running. The
calculator keeps its settings in a folder of the session's own; the session bus is the one
the test runs under (dbus-run-session), unless the test gives the calculator another
environment.
"""

import ctypes
import os
import pwd
import sys
import subprocess
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import private_display  # noqa: E402
# The desktop tests take the shared run helpers from here, with their session.
from session_run import Failed, OwnSession, require, run_session, wait_until  # noqa: E402,F401


class Session(OwnSession):
    def __init__(self, calculator, sender, screen="1024x768x24", server_options=()):
        self.calculator = calculator
        self.sender = sender
        self.screen = screen
        self.server_options = list(server_options)
        self.groups = []
        self.config = tempfile.TemporaryDirectory(prefix="vantrel-desktop-")
        self.display = None

    def begin(self):
        self.display = private_display.start_display(self.groups, self.screen,
                                                     self.server_options)

    def environment(self, **changes):
        """The calculator's environment: the session's display, settings and journal folders,
        on X."""
        env = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb",
                   XDG_CONFIG_HOME=self.config.name,
                   XDG_STATE_HOME=os.path.join(self.config.name, "state"))
        for name, value in changes.items():
            if value is None:
                env.pop(name, None)
            else:
                env[name] = value
        return env

    def start_calculator(self, env=None, user=None):
        """Starts the calculator and waits until its window is mapped; returns its window id.
        With `user` it runs as that user (the session must run as root)."""
        command = [self.calculator]
        if user is not None:
            account = pwd.getpwnam(user)
            command = ["setpriv", f"--reuid={account.pw_uid}", f"--regid={account.pw_gid}",
                       "--clear-groups", "--"] + command
        self.calculator_process = self.start(command, env=env or self.environment())
        found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                "^Vantrel Calculator$"], env=self.environment(),
                               capture_output=True, text=True, timeout=60)
        windows = found.stdout.split()
        require(windows, "the calculator's window did not appear")
        return windows[0]

    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], env=self.environment(), check=True,
                       timeout=120)

    def send(self, *arguments, env=None):
        done = subprocess.run([self.sender, *arguments], env=env or self.environment(),
                              capture_output=True, text=True, timeout=30)
        return done.returncode, done.stdout

    def read(self):
        """The labels and the error state as the window's read-back gives them."""
        status, out = self.send("read")
        if status != 0:
            return {}
        return dict(line.split("\t", 1) for line in out.splitlines() if "\t" in line)

    def displayed(self):
        return self.read().get("display")

    def copied_display(self):
        """The display's text as Copy (Ctrl+C) puts it on the clipboard: a read-back that
        needs no session bus."""
        self.xdotool("key", "ctrl+c")
        done = subprocess.run(["xclip", "-o", "-selection", "clipboard"],
                              env=self.environment(), capture_output=True, text=True,
                              timeout=30)
        return done.stdout if done.returncode == 0 else None

    def visible_windows(self):
        """The calculator's mapped top-level windows: the main window, and any box it shows."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                str(self.calculator_process.pid), "--name", "."],
                               env=self.environment(), capture_output=True, text=True,
                               timeout=30)
        return found.stdout.split()

    def strays(self):
        """Processes on the session's display that none of its groups holds: what a program
        started behind the session's back, such as a session bus of its own."""
        ours = {os.getpgid(p.pid) for p in self.groups if p.poll() is None}
        marker = f"DISPLAY={self.display}".encode()
        found = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open(f"/proc/{entry}/environ", "rb") as environ:
                    if marker not in environ.read().split(b"\0"):
                        continue
                if os.getpgid(int(entry)) not in ours and int(entry) != os.getpid():
                    found.append(int(entry))
            except (OSError, ProcessLookupError):
                continue
        return found

    def start(self, command, **options):
        return private_display.start_in_group(self.groups, command, **options)

    def stop(self):
        """Ends every group, newest first; returns the groups that still have a member."""
        left = private_display.end_groups(self.groups)
        self.config.cleanup()
        return left

    def stop_calculator(self):
        private_display.end_group(self.calculator_process)
        self.groups.remove(self.calculator_process)


class _KeyboardState(ctypes.Structure):
    _fields_ = [("key_click_percent", ctypes.c_int), ("bell_percent", ctypes.c_int),
                ("bell_pitch", ctypes.c_uint), ("bell_duration", ctypes.c_uint),
                ("led_mask", ctypes.c_ulong), ("global_auto_repeat", ctypes.c_int),
                ("auto_repeats", ctypes.c_char * 32)]


def auto_repeat(display):
    """Whether the server repeats held keys, and its delay and interval in milliseconds."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XGetKeyboardControl.argtypes = [ctypes.c_void_p, ctypes.POINTER(_KeyboardState)]
    x11.XkbGetAutoRepeatRate.argtypes = [ctypes.c_void_p, ctypes.c_uint,
                                         ctypes.POINTER(ctypes.c_uint),
                                         ctypes.POINTER(ctypes.c_uint)]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    connection = x11.XOpenDisplay(display.encode())
    require(connection, f"cannot open display {display}")
    try:
        state = _KeyboardState()
        x11.XGetKeyboardControl(connection, ctypes.byref(state))
        delay, interval = ctypes.c_uint(), ctypes.c_uint()
        use_core_keyboard = 0x100
        x11.XkbGetAutoRepeatRate(connection, use_core_keyboard, ctypes.byref(delay),
                                 ctypes.byref(interval))
        return bool(state.global_auto_repeat), delay.value, interval.value
    finally:
        x11.XCloseDisplay(connection)


class _XkbEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("time", ctypes.c_ulong),
                ("xkb_type", ctypes.c_int), ("padding", ctypes.c_long * 19)]


class BellCounter:
    """Counts the bells the server rings, as XKB tells every client that asks."""
    _USE_CORE_KEYBOARD = 0x100
    _BELL_NOTIFY = 8
    _BELL_NOTIFY_MASK = 1 << 8

    def __init__(self, display):
        self._x11 = x11 = ctypes.CDLL("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XkbQueryExtension.argtypes = [ctypes.c_void_p] + [ctypes.POINTER(ctypes.c_int)] * 5
        x11.XkbSelectEvents.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_ulong,
                                        ctypes.c_ulong]
        x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x11.XPending.argtypes = [ctypes.c_void_p]
        x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(_XkbEvent)]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self._connection = x11.XOpenDisplay(display.encode())
        require(self._connection, f"cannot open display {display}")
        opcode, self._event_base, error, major, minor = (ctypes.c_int() for _ in range(5))
        major.value, minor.value = 1, 0
        require(x11.XkbQueryExtension(self._connection, *(ctypes.byref(v) for v in (
            opcode, self._event_base, error, major, minor))), "the server has no XKB")
        x11.XkbSelectEvents(self._connection, self._USE_CORE_KEYBOARD, self._BELL_NOTIFY_MASK,
                            self._BELL_NOTIFY_MASK)
        x11.XSync(self._connection, 0)
        self.rung = 0

    def count(self):
        self._x11.XSync(self._connection, 0)
        event = _XkbEvent()
        while self._x11.XPending(self._connection):
            self._x11.XNextEvent(self._connection, ctypes.byref(event))
            if event.type == self._event_base.value and event.xkb_type == self._BELL_NOTIFY:
                self.rung += 1
        return self.rung

    def close(self):
        self._x11.XCloseDisplay(self._connection)
