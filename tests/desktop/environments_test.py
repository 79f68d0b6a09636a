#!/usr/bin/python3
"""The real calculator started in a desktop a new user might have, one case at a time.

    environments_test.py CALCULATOR SEND CASE

Each case starts a display of its own (see desktop_session.py), spoils one thing of the
environment, starts the calculator in it, and checks that it comes up, works and behaves as
it should there: silent where nothing is to be said. Exits 77 when a program the case needs
is missing or the case needs root and does not have it.
"""

import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

from desktop_session import BellCounter, Failed, Session, require, wait_until

SKIP = 77


class Skipped(Exception):
    pass


def expect(read, expected, what):
    wait_until(lambda: read() == expected)
    seen = read()
    require(seen == expected, f"{what}: {seen!r}, expected {expected!r}")


def focus(session, window):
    session.xdotool("windowfocus", "--sync", window)


def type_keys(session, *keys):
    session.xdotool("key", "--delay", "20", *keys)


def works_and_is_silent(session, read, total):
    """Adds two amounts and totals them, read back through `read`; the calculator shows no
    box of any kind meanwhile."""
    type_keys(session, "1", "2", "KP_Add", "3", "KP_Add", "Return")
    expect(read, total, "12 + 3, total")
    require(len(session.visible_windows()) == 1,
            f"the calculator shows more than its window: {session.visible_windows()}")


def refused_keys_ring_the_bell(session, window):
    """In Auto Add 2 Decimal Places the separator key is refused with the error beep; the
    keys that follow act at once."""
    bells = BellCounter(session.display)
    try:
        type_keys(session, "ctrl+a")
        type_keys(session, *["KP_Decimal"] * 5)
        require(wait_until(lambda: bells.count() >= 5, 20),
                f"5 refused keys rang the bell {bells.count()} times")
    finally:
        bells.close()
    type_keys(session, "1", "2")
    expect(session.displayed, "0.12 ", "1, 2 after the refused keys")


def no_sound_server_at_all(calculator, sender):
    with Session(calculator, sender) as session:
        window = session.start_calculator(session.environment(
            PULSE_SERVER="unix:/nonexistent/vantrel/native", XDG_RUNTIME_DIR=None))
        focus(session, window)
        refused_keys_ring_the_bell(session, window)


def sound_server_that_never_answers(calculator, sender):
    """A socket that takes the connection and then says nothing: the first refused key still
    rings the bell, not after libpulse's half-minute wait (which the bell count's limit, there
    only to catch a hang, does not cover)."""
    with tempfile.TemporaryDirectory() as folder, socket.socket(socket.AF_UNIX) as mute:
        path = os.path.join(folder, "native")
        mute.bind(path)
        mute.listen(8)
        with Session(calculator, sender) as session:
            window = session.start_calculator(session.environment(PULSE_SERVER=f"unix:{path}"))
            focus(session, window)
            refused_keys_ring_the_bell(session, window)


def no_session_bus(calculator, sender, address):
    with Session(calculator, sender) as session, tempfile.TemporaryDirectory() as runtime:
        os.chmod(runtime, 0o700)
        window = session.start_calculator(session.environment(
            DBUS_SESSION_BUS_ADDRESS=address, XDG_RUNTIME_DIR=runtime))
        focus(session, window)
        works_and_is_silent(session, session.copied_display, "15.")
        require(session.strays() == [], f"started behind the test's back: {session.strays()}")


def window_geometry(session, window):
    done = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                          env=session.environment(), capture_output=True, text=True,
                          check=True, timeout=30)
    values = dict(line.split("=", 1) for line in done.stdout.split())
    return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))


def screen_smaller_than_the_window(calculator, sender):
    width, height = 400, 240
    with Session(calculator, sender, screen=f"{width}x{height}x24") as session:
        window = session.start_calculator()
        x, y, w, h = window_geometry(session, window)
        require(w > width and h > height, f"the window {w}x{h} fits the screen")
        require((x, y) == (width // 2 - w // 2, height // 2 - h // 2),
                f"first run: window at {x},{y} ({w}x{h}), not centred on {width}x{height}")
        focus(session, window)
        works_and_is_silent(session, session.displayed, "15. ")
        session.stop_calculator()

        store = os.path.join(session.config.name, "Vantrel")
        os.makedirs(store, exist_ok=True)
        with open(os.path.join(store, "Vantrel.conf"), "w") as settings:
            settings.write("[Calculator]\nWindowTop=3600\nWindowLeft=30000\n")
        window = session.start_calculator()
        x, y, w, h = window_geometry(session, window)
        require((x, y) == (0, 0), f"stored corner beyond the screen: window at {x},{y}")


DAMAGED = b"[Calculator\nShowTape=Fa\x00lse\nWindowHeight=\xff\xfe12\n[[\n"


def save_settings(session):
    """Options, up from the first entry past Restore Default, Save Settings. Counted from the
    end, as Always on top, disabled where no window manager keeps windows above, is passed
    over by the arrow keys."""
    type_keys(session, "alt+o")
    time.sleep(0.5)
    type_keys(session, "Up", "Up", "Return")


def unwritable_settings_folder(calculator, sender):
    """A damaged settings file in a folder the user may read but not write: the calculator
    starts with the defaults and works, Save Settings fails without a word, and the file
    stays as it was. The same keys as a user who may write do save, over the damage."""
    if os.geteuid() != 0:
        raise Skipped("runs the calculator as user nobody, which needs root")
    with Session(calculator, sender) as session:
        os.chmod(session.config.name, 0o755)
        folder = os.path.join(session.config.name, "Vantrel")
        os.mkdir(folder, 0o755)
        path = os.path.join(folder, "Vantrel.conf")
        with open(path, "wb") as settings:
            settings.write(DAMAGED)
        os.chmod(path, 0o644)
        environment = session.environment(HOME=session.config.name, XDG_RUNTIME_DIR=None,
                                          DBUS_SESSION_BUS_ADDRESS=None)
        window = session.start_calculator(environment, user="nobody")
        focus(session, window)
        works_and_is_silent(session, session.copied_display, "15.")
        save_settings(session)
        type_keys(session, "4")
        expect(session.copied_display, "4.", "a key after Save Settings")
        require(len(session.visible_windows()) == 1, "Save Settings showed a box")
        session.stop_calculator()
        with open(path, "rb") as settings:
            require(settings.read() == DAMAGED, "the damaged file was changed")

        window = session.start_calculator(environment)
        focus(session, window)
        works_and_is_silent(session, session.copied_display, "15.")
        save_settings(session)
        wait_until(lambda: open(path, "rb").read() != DAMAGED, 10)
        with open(path, "rb") as settings:
            saved = settings.read()
        require(b"ShowTape=True" in saved and b"RoundOption=6" in saved,
                f"Save Settings as a user who may write left {saved!r}")


def grab(session, window):
    """The window's pixels as the server holds them: width, height, RGB bytes."""
    done = subprocess.run(["import", "-window", window, "-depth", "8", "ppm:-"],
                          env=session.environment(),
                          capture_output=True, check=True, timeout=60)
    magic, size, depth, pixels = done.stdout.split(b"\n", 3)
    require(magic == b"P6" and depth == b"255", f"import gave {magic!r} {depth!r}")
    width, height = map(int, size.split())
    return width, height, pixels


def started_at_scale(calculator, sender, scale):
    with Session(calculator, sender, screen="1600x1200x24") as session:
        window = session.start_calculator(session.environment(QT_SCALE_FACTOR=scale))
        focus(session, window)
        type_keys(session, "7", "KP_Add")
        expect(session.displayed, "7. ", f"7 + at scale {scale}")
        return grab(session, window)


def keypad_blocks(width, height):
    """The 2x2 blocks of the keypad's part of the window, at even pixels."""
    for y in range(int(height * 0.4) // 2 * 2, int(height * 0.95) - 1, 2):
        for x in range(int(width * 0.05) // 2 * 2, int(width * 0.5) - 1, 2):
            yield x, y


def twice_the_scale(calculator, sender):
    """At a scale factor of 2 the window is twice as large, laid out as at 1, and the keys
    are drawn at the finer pixels, not as a 1x picture blown up (whose 2x2 blocks would all
    be of one colour)."""
    width, height, small = started_at_scale(calculator, sender, "1")
    large_width, large_height, large = started_at_scale(calculator, sender, "2")
    require((large_width, large_height) == (2 * width, 2 * height),
            f"{width}x{height} at scale 1 became {large_width}x{large_height} at scale 2")

    def at(x, y):
        i = (y * large_width + x) * 3
        return large[i:i + 3]

    blocks = list(keypad_blocks(large_width, large_height))
    detailed = sum(1 for x, y in blocks
                   if len({at(x, y), at(x + 1, y), at(x, y + 1), at(x + 1, y + 1)}) > 1)
    require(detailed > len(blocks) // 4,
            f"only {detailed} of {len(blocks)} keypad blocks show detail at scale 2")
    difference = 0
    for x, y in blocks:
        i = ((y // 2) * width + x // 2) * 3
        for channel in range(3):
            mean = sum(at(x + dx, y + dy)[channel] for dx in (0, 1) for dy in (0, 1)) / 4
            difference += abs(mean - small[i + channel])
    average = difference / (len(blocks) * 3)
    require(average < 8, f"scale 2 shrunk back differs from scale 1 by {average:.1f} a channel")
    print(f"keypad blocks with detail: {detailed}/{len(blocks)}; difference {average:.1f}")


LOCALE_CASES = {
    # LANG, its decimal separator, its grouping
    "comma_and_point": ("de_DE.UTF-8", ",", "."),
    "comma_and_narrow_space": ("fr_FR.UTF-8", ",", "\u202f"),
    "two_byte_separators": ("ar_EG.UTF-8", "\u066b", "\u066c"),
}


def locale_separators(calculator, sender, name):
    """Entry, Backspace and a total with the locale's separators; Backspace takes a separator
    left bare at the end together with the digit before it, however many bytes it has."""
    lang, point, group = LOCALE_CASES[name]
    with Session(calculator, sender) as session:
        window = session.start_calculator(session.environment(LANG=lang, LC_ALL=None,
                                                              LC_NUMERIC=None))
        focus(session, window)
        type_keys(session, "1", "2", "3", "4", "KP_Decimal", "5", "6")
        expect(session.displayed, f"1{group}234{point}56 ", f"{lang}: 1234, separator, 56")
        type_keys(session, "BackSpace")
        expect(session.displayed, f"1{group}234{point}5 ", f"{lang}: then Backspace")
        type_keys(session, "BackSpace", "7")
        expect(session.displayed, f"12{group}347{point} ", f"{lang}: Backspace again, 7")
        type_keys(session, "KP_Decimal", "8", "KP_Add", "Return")
        expect(session.displayed, f"12{group}347{point}8 ", f"{lang}: 12347{point}8 totalled")


CASES = {
    "no_sound_server": no_sound_server_at_all,
    "mute_sound_server": sound_server_that_never_answers,
    "no_session_bus": lambda c, s: no_session_bus(c, s, None),
    "bogus_session_bus": lambda c, s: no_session_bus(c, s, "unix:path=/nonexistent/bus"),
    "small_screen": screen_smaller_than_the_window,
    "unwritable_settings": unwritable_settings_folder,
    "twice_the_scale": twice_the_scale,
    "locale_comma_and_point": lambda c, s: locale_separators(c, s, "comma_and_point"),
    "locale_comma_and_narrow_space":
        lambda c, s: locale_separators(c, s, "comma_and_narrow_space"),
    "locale_two_byte_separators": lambda c, s: locale_separators(c, s, "two_byte_separators"),
}


def main(argv):
    calculator, sender, case = argv[1], argv[2], argv[3]
    for program in ("Xvfb", "xdpyinfo", "xdotool", "xclip"):
        if shutil.which(program) is None:
            print(f"skipped: needs {program}")
            return SKIP
    try:
        CASES[case](calculator, sender)
    except Skipped as reason:
        print(f"skipped: {reason}")
        return SKIP
    except Failed as failure:
        print(f"FAIL: {failure}")
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
