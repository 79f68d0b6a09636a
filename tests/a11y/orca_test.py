#!/usr/bin/python3
"""What Orca itself says while the calculator is worked from the keyboard.

    orca_test.py CALCULATOR [--print]

Starts a display, an accessibility bus, a speech server with its silent dummy voice and Orca
with the laptop layout and a debug log, all of the test's own; types 125.50 Add, 74.25 Add,
8.75 Subtract, Total, then 5 Divide 0 Total, then Tab, Shift+Tab back to the tape's newest
line and Up to the lines above it, and reads back every `SPEECH OUTPUT` line of the log. It
fails unless Orca spoke, beyond its own key echo, the result 191 after the Total, the tape
lines, "Error" after the division by zero, a key or option with its role after Tab and the
tape's lines as the focus moves over them. --print prints all that was spoken. Exits 77 when
Orca or the accessibility stack is not installed, or when another Orca of this user is
running: only one runs per user.
"""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import tty

import atspi_session

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import private_display  # noqa: E402
from session_run import Failed, OwnSession, require  # noqa: E402

SKIP = 77
NEEDED = ("orca", "speech-dispatcher", "xdotool", "Xvfb", "xdpyinfo", "pgrep")
# The keys typed, and what Orca must have said for them beyond its echo of the keys.
RUN = [
    ("1 2 5 period 5 0 KP_Add", r"plus 125\.5\b"),
    ("7 4 period 2 5 KP_Add", r"plus 74\.25\b"),
    ("8 period 7 5 KP_Subtract", r"minus 8\.75\b"),
    ("Return", r"total 191, 3 items, display 191\b"),
    ("5 KP_Divide 0 Return", r"\bError\b"),
    ("Tab Tab", r"(push button|radio button|read only text)"),
    ("Tab Tab", r"push button"),
    ("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab", r"List with 7 items"),
    ("Up Up", r"5 divided by"),
]
# Orca logs an utterance as SPEECH OUTPUT: 'words' followed by the voice it was given.
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?(?:\{.*\})?$")


def other_orca_running():
    return subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                          stdout=subprocess.DEVNULL).returncode == 0


def wait_for_no_other_orca(seconds=120.0):
    end = time.monotonic() + seconds
    while other_orca_running():
        if time.monotonic() > end:
            return False
        time.sleep(1.0)
    return True


class OrcaSession(OwnSession):
    """Display, accessibility bus, speech server, Orca and the calculator, each in a process
    group of its own, all ended by stop()."""

    def __init__(self, calculator):
        self.calculator = calculator
        self.groups = []
        self.folder = tempfile.TemporaryDirectory(prefix="vantrel-orca-")
        self.log = os.path.join(self.folder.name, "orca-debug.out")
        self.copier = None

    def begin(self):
        self._start_all()

    def _folder(self, name):
        path = os.path.join(self.folder.name, name)
        os.makedirs(path, mode=0o700, exist_ok=True)
        return path

    def _start(self, command, **options):
        return private_display.start_in_group(self.groups, command, stdout=subprocess.DEVNULL,
                                              stderr=subprocess.DEVNULL, **options)

    def _start_all(self):
        os.environ["DISPLAY"] = private_display.start_display(self.groups)
        atspi_session._wait_for_bus_owner(
            self._start([atspi_session.BUS_LAUNCHER, "--launch-immediately"]).pid)
        runtime = self._folder("runtime")
        config = self._folder("config")
        socket = os.path.join(runtime, "speech-dispatcher", "speechd.sock")
        speech_config = self._folder("config/speech-dispatcher")
        # The dummy voice still opens a sound device; ALSA's null device takes it, silently.
        with open(os.path.join(speech_config, "speechd.conf"), "w") as conf:
            conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                       'AudioOutputMethod "alsa"\n')
        sound = os.path.join(self.folder.name, "asound.conf")
        with open(sound, "w") as conf:
            conf.write("pcm.!default { type null }\n")
        env = dict(os.environ, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=config,
                   XDG_STATE_HOME=self._folder("state"), HOME=self.folder.name,
                   ALSA_CONFIG_PATH=sound,
                   SPEECHD_ADDRESS=f"unix_socket:{socket}")
        self._start(["speech-dispatcher", "-s", "-t", "0", "-C", speech_config], env=env)
        self._wait(lambda: os.path.exists(socket), "the speech server's socket")
        self._start(["orca", "-u", self._orca_prefs(), f"--debug-file={self._live_log()}"],
                    env=env)
        self._wait(lambda: os.path.exists(self.log) and os.path.getsize(self.log) > 0,
                   "Orca's log")
        self.calculator_process = self._start(
            [self.calculator],
            env=dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        self.window = self._find_window()
        self._wait(lambda: "Vantrel Calculator" in self._log_text(), "Orca to meet the window")

    def _log_text(self):
        with open(self.log, errors="replace") as text:
            return text.read()

    def _live_log(self):
        """A terminal for Orca's log, copied into the log file as it comes: Orca's log is
        block-buffered on a file, line-buffered on a terminal."""
        leader, follower = os.openpty()
        tty.setraw(follower)
        self.copier = threading.Thread(target=_copy, args=(leader, self.log), daemon=True)
        self.copier.start()
        self.terminal = (leader, follower)
        return os.ttyname(follower)

    def _orca_prefs(self):
        prefs = self._folder("orca")
        general = {"keyboardLayout": 2, "firstStart": False}
        with open(os.path.join(prefs, "user-settings.conf"), "w") as conf:
            json.dump({"general": general, "pronunciations": {}, "keybindings": {},
                       "profiles": {"default": dict(general, profile=["Default", "default"])}},
                      conf)
        return prefs

    def _wait(self, condition, what, seconds=30.0):
        end = time.monotonic() + seconds
        while not condition():
            require(time.monotonic() < end, f"still waiting for {what}")
            time.sleep(0.1)

    def _find_window(self):
        found = []

        def search():
            result = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                     str(self.calculator_process.pid), "--name",
                                     "^Vantrel Calculator$"],
                                    capture_output=True, text=True)
            found[:] = result.stdout.split()
            return bool(found)

        self._wait(search, "the calculator's window")
        return found[0]

    def type_keys(self, keys):
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window], check=True)
        subprocess.run(["xdotool", "key", "--delay", "250", *keys.split()], check=True)
        # Orca speaks a moment after the key; the next keys must not be taken as the same news.
        time.sleep(1.5)

    def stop(self):
        left = private_display.end_groups(self.groups)
        if self.copier is not None:
            os.close(self.terminal[1])
            self.copier.join(5.0)
            self.copier = None
        return left


def _copy(leader, path):
    with open(path, "wb") as log:
        while True:
            try:
                chunk = os.read(leader, 65536)
            except OSError:
                break
            if not chunk:
                break
            log.write(chunk)
            log.flush()
    os.close(leader)


def spoken_lines(log):
    with open(log, errors="replace") as text:
        return [m.group(1) for m in map(SPOKEN.search, text) if m]


def heard_for_each_step(session):
    """The run typed step by step, with what Orca said after each step's keys."""
    heard = []
    for keys, _ in RUN:
        before = len(spoken_lines(session.log))
        session.type_keys(keys)
        heard.append(spoken_lines(session.log)[before:])
    return heard


def check(heard):
    for (keys, expected), lines in zip(RUN, heard):
        require(any(re.search(expected, line) for line in lines),
                f"after {keys!r} Orca said {lines}, nothing like {expected!r}")


def main(argv):
    calculator = argv[1]
    missing = [tool for tool in NEEDED if shutil.which(tool) is None]
    try:
        import pyatspi  # noqa: F401  (only whether it is there)
    except ImportError:
        missing.append("python3-pyatspi")
    if missing or not os.path.exists(atspi_session.BUS_LAUNCHER):
        print(f"skipped: needs {', '.join(missing) or 'at-spi2-core'}")
        return SKIP
    if not wait_for_no_other_orca():
        print("skipped: another Orca of this user is running")
        return SKIP
    session = OrcaSession(calculator)
    try:
        with session:
            heard = heard_for_each_step(session)
            left = session.stop()
            require(not left, f"process groups left running: {left}")
        if "--print" in argv:
            for (keys, _), lines in zip(RUN, heard):
                print(f"{keys}: {lines}")
        check(heard)
    except Failed as failure:
        print(f"FAIL: {failure}")
        return 1
    finally:
        session.folder.cleanup()
    print("Orca speaks the run's results, tape lines, error and focused keys")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
