#!/usr/bin/python3
"""The real calculator in a Wayland session of the test's own, typed at by a virtual keyboard.

    wayland_test.py CALCULATOR SEND native|xwayland

Starts sway's headless compositor (as the user nobody when the test runs as root: sway
refuses root), the calculator on it natively or through XWayland, and types with wtype, which
uploads a keyboard map of its own and numbers its keys in order of use, as on-screen keyboards
and input tools do. Reads the display and the tape back over the session bus. Exits 77 when
sway, wtype or, natively, Qt's Wayland plugin is missing.
"""

import csv
import glob
import io
import os
import pwd
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import private_display  # noqa: E402
from session_run import OwnSession, require, run_session, wait_until  # noqa: E402

SKIP = 77
COMPOSITOR_USER = "nobody"


def wayland_plugin_installed():
    return bool(glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"))


class WaylandSession(OwnSession):
    """sway on a headless output, with a virtual keyboard kept in its seat: Qt 6.4 drops the
    keys that come with the seat's first keyboard."""

    def __init__(self, calculator, sender):
        self.calculator = calculator
        self.sender = sender
        self.groups = []
        self.runtime = tempfile.mkdtemp(prefix="vantrel-wayland-")
        self.own = tempfile.TemporaryDirectory(prefix="vantrel-wayland-calculator-")
        self.as_user = []
        if os.geteuid() == 0:
            account = pwd.getpwnam(COMPOSITOR_USER)
            os.chown(self.runtime, account.pw_uid, account.pw_gid)
            self.as_user = ["setpriv", f"--reuid={account.pw_uid}", f"--regid={account.pw_gid}",
                            "--clear-groups", "--"]
        os.chmod(self.runtime, 0o700)
        self.socket = None
        self.x_display = None

    def begin(self):
        self.start_compositor()

    def compositor_env(self, **more):
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "XDG_RUNTIME_DIR": self.runtime,
               "HOME": self.runtime}
        env.update(more)
        return env

    def start_compositor(self):
        config = os.path.join(self.runtime, "sway.conf")
        display_file = os.path.join(self.runtime, "x-display")
        with open(config, "w", encoding="utf-8") as out:
            out.write("output HEADLESS-1 resolution 1280x800\nxwayland enable\n"
                      f"exec echo \"$DISPLAY\" > {display_file}\n")
        os.chmod(config, 0o644)
        private_display.start_in_group(
            self.groups, self.as_user + ["sway", "-c", config],
            env=self.compositor_env(WLR_BACKENDS="headless", WLR_RENDERER="pixman",
                                    WLR_LIBINPUT_NO_DEVICES="1"),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        require(wait_until(lambda: self.find_socket() is not None), "sway made no socket")
        self.socket = self.find_socket()
        require(wait_until(lambda: self.read_x_display() is not None), "sway gave no X display")
        self.x_display = self.read_x_display()
        private_display.start_in_group(
            self.groups, self.as_user + ["wtype", "-s", "3600000", "-k", "F24"],
            env=self.compositor_env(WAYLAND_DISPLAY=self.socket))

    def find_socket(self):
        sockets = [s for s in glob.glob(os.path.join(self.runtime, "wayland-*"))
                   if not s.endswith(".lock")]
        return sockets[0] if sockets else None

    def read_x_display(self):
        try:
            with open(os.path.join(self.runtime, "x-display"), encoding="utf-8") as found:
                value = found.read().strip()
        except OSError:
            return None
        return value or None

    def allow_calculator_on_x(self):
        """XWayland lets in only the compositor's user until told otherwise."""
        user = pwd.getpwuid(os.geteuid()).pw_name
        subprocess.run(self.as_user + ["xhost", f"+si:localuser:{user}"],
                       env=self.compositor_env(DISPLAY=self.x_display), check=True,
                       capture_output=True, timeout=30)

    def start_calculator(self, platform):
        # A journal folder of its own, so that no other test's killed calculator is restored.
        env = dict(os.environ, XDG_RUNTIME_DIR=self.own.name, XDG_CONFIG_HOME=self.own.name,
                   XDG_STATE_HOME=os.path.join(self.own.name, "state"),
                   WAYLAND_DISPLAY=self.socket, QT_QPA_PLATFORM=platform)
        if platform == "xcb":
            self.allow_calculator_on_x()
            env["DISPLAY"] = self.x_display
        else:
            env.pop("DISPLAY", None)
        private_display.start_in_group(self.groups, [self.calculator], env=env)
        require(wait_until(lambda: self.send("read")[0] == 0),
                "the calculator did not answer on the session bus")

    def type(self, *arguments):
        """Each wtype brings its own keyboard map, which reaches XWayland's clients with the
        first key; a Shift, code 9 in every one of the maps, goes first, so that a key is never
        read with the map of the wtype before."""
        subprocess.run(["wtype", "-k", "Shift_L", "-s", "300", *arguments],
                       env=dict(os.environ, WAYLAND_DISPLAY=self.socket), check=True, timeout=30)

    def send(self, *arguments):
        done = subprocess.run([self.sender, *arguments], capture_output=True, text=True,
                              timeout=30)
        return done.returncode, done.stdout

    def displayed(self):
        status, out = self.send("read")
        values = dict(line.split("\t", 1) for line in out.splitlines() if "\t" in line)
        return values.get("display") if status == 0 else None

    def tape(self):
        status, out = self.send("tape", "--csv")
        return list(csv.DictReader(io.StringIO(out))) if status == 0 else []

    def stop(self):
        left = private_display.end_groups(self.groups)
        shutil.rmtree(self.runtime, ignore_errors=True)
        self.own.cleanup()
        return left


def expect_display(session, expected, what):
    wait_until(lambda: session.displayed() == expected, 10)
    shown = session.displayed()
    require(shown == expected, f"{what}: display {shown!r}, expected {expected!r}")


def expect_last_tape_line(session, amount, mark, what):
    def last():
        lines = session.tape()
        return (lines[-1]["amount"], lines[-1]["mark"]) if lines else None
    wait_until(lambda: last() == (amount, mark), 10)
    require(last() == (amount, mark), f"{what}: last tape line {last()}, expected "
            f"{(amount, mark)}")


def wait_for_keyboard_focus(session):
    """The window takes keys once the compositor has given it the keyboard: a 9 shows then."""
    def nines_shown():
        session.type("9")
        return wait_until(lambda: re.fullmatch(r"9+\. ", session.displayed() or "") is not None,
                          0.5)
    require(wait_until(nines_shown, 30), "the calculator never took a key")

    def cleared_for_good():
        """A 9 typed before the window had the keyboard may still be on its way."""
        session.type("-k", "Delete")
        return wait_until(lambda: session.displayed() == "0. ", 2) and \
            not wait_until(lambda: session.displayed() != "0. ", 0.5)
    require(wait_until(cleared_for_good, 10), "Delete did not clear the entry")


def keys_act_as_written(session):
    session.type("6", "-k", "KP_Multiply", "7", "-k", "Return")
    expect_display(session, "42. ", "6, pad multiply, 7, Enter")
    session.type("1", "-k", "KP_Separator", "5", "-k", "KP_Add")
    expect_last_tape_line(session, "1.5", "add", "1, pad separator, 5, pad plus")
    session.type("1", "-k", "KP_Decimal", "25", "-k", "KP_Subtract")
    expect_last_tape_line(session, "1.25", "subtract", "1, pad decimal, 2, 5, pad minus")
    session.type("1234", "-k", "KP_Add")
    expect_last_tape_line(session, "1,234", "add", "1234 typed, pad plus")
    session.type("-k", "Return")
    expect_display(session, "1,234.25 ", "Enter totals")
    session.type("7*8", "-k", "Return")
    expect_display(session, "56. ", "7, the asterisk, 8, Enter")
    session.type("90+")
    expect_last_tape_line(session, "90", "add", "90 and the plus sign")
    session.type("-P", "7", "-s", "1500", "-p", "7")
    expect_display(session, "7. ", "7 held for one and a half seconds")


def main(argv):
    calculator, sender, case = argv[1], argv[2], argv[3]
    platform = {"native": "wayland", "xwayland": "xcb"}[case]
    missing = [tool for tool in ("sway", "wtype") if shutil.which(tool) is None]
    if case == "xwayland":
        missing += [tool for tool in ("Xwayland", "xhost") if shutil.which(tool) is None]
    elif not wayland_plugin_installed():
        missing.append("qt6-wayland")
    if missing:
        print(f"skipped: needs {', '.join(missing)}")
        return SKIP
    session = WaylandSession(calculator, sender)

    def steps():
        session.start_calculator(platform)
        wait_for_keyboard_focus(session)
        keys_act_as_written(session)
    return run_session(session, steps)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
