#!/usr/bin/python3
"""Keys typed at the X server's own speed, and a key held under its auto-repeat.

    typing_test.py CALCULATOR SEND

Starts a display of its own with auto-repeat on (delay 250 ms, a repeat every 30 ms), so
that no other test's window takes the focus, and types into the real calculator with
xdotool through the server, as a keyboard would; reads the result through the window's
read-back. Exits 77 when Xvfb or xdotool is missing.
"""

import shutil
import sys
import time

from desktop_session import Session, auto_repeat, require, run_session, wait_until

SKIP = 77
REPEAT_DELAY = 250
REPEAT_INTERVAL = 30


def expect_display(session, expected, what):
    wait_until(lambda: session.displayed() == expected)
    shown = session.displayed()
    require(shown == expected, f"{what}: display {shown!r}, expected {expected!r}")


def clear_all(session):
    session.xdotool("key", "ctrl+Delete")
    expect_display(session, "0. ", "Clear All")


def held_key_acts_once(session):
    on, delay, interval = auto_repeat(session.display)
    require(on and (delay, interval) == (REPEAT_DELAY, REPEAT_INTERVAL),
            f"the server does not repeat as asked: on {on}, delay {delay}, interval {interval}")
    session.xdotool("keydown", "7")
    time.sleep(2)
    session.xdotool("keyup", "7")
    expect_display(session, "7. ", "7 held for two seconds")
    session.xdotool("key", "7")
    expect_display(session, "77. ", "7 typed after the held 7")


def every_press_counts(session, presses, delay):
    clear_all(session)
    session.xdotool("key", "1")
    session.xdotool("key", "--delay", str(delay), *["KP_Add"] * presses)
    expect_display(session, f"{presses:,}. ",
                   f"{presses} presses of the number pad's plus with --delay {delay}")


def main(argv):
    calculator, sender = argv[1], argv[2]
    if shutil.which("Xvfb") is None or shutil.which("xdotool") is None:
        print("skipped: needs Xvfb and xdotool")
        return SKIP
    options = ["r", "-ardelay", str(REPEAT_DELAY), "-arinterval", str(REPEAT_INTERVAL)]
    session = Session(calculator, sender, server_options=options)

    def steps():
        window = session.start_calculator()
        session.xdotool("windowfocus", "--sync", window)
        require(wait_until(lambda: session.displayed() is not None),
                "the calculator did not answer on the session bus")
        held_key_acts_once(session)
        every_press_counts(session, 1000, 1)
        every_press_counts(session, 300, 0)
    return run_session(session, steps)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
