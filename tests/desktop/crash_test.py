#!/usr/bin/env python3
"""The journal through the real program: seeded random streams of typed keys, pushed amounts
and operations, pastes, option changes and Undo, the calculator killed with SIGKILL at a random
point of each, then started again. What the restarted copy shows over the bus must equal what
vantrel-replay makes of the same stream: after a kill once the stream was done, exactly; after
a kill while keys were still on their way, the replay of some longer prefix than what had been
seen to arrive. Last, a normal exit: the next start shows an empty tape.

    crash_test.py CALCULATOR SEND REPLAY SEED

Exits 77 when Xvfb, xdotool or xclip is missing.
"""

import csv
import io
import os
import random
import shutil
import signal
import subprocess
import sys
import time

from desktop_session import Session, require, run_session, wait_until

SKIP = 77
STEPS_PER_ROUND = 40
KEYS_IN_FLIGHT = 8
ROUNDS = 3

# Typed keys: what xdotool presses and the command the calculator's keyboard makes of it.
KEYS = [(str(d), f"k:Digit{d}") for d in range(10)] * 3 + [
    ("KP_Add", "k:Add"), ("KP_Add", "k:Add"), ("KP_Subtract", "k:Subtract"),
    ("KP_Multiply", "k:Multiply"), ("KP_Divide", "k:Divide"), ("Return", "k:Total"),
    ("shift+5", "k:Percent"), ("BackSpace", "k:Backspace"), ("Delete", "k:Clear"),
    ("space", "k:DoubleZero"), ("period", "k:DecimalPoint"), ("ctrl+z", "k:Undo"),
    ("ctrl+z", "k:Undo"), ("shift+Return", "k:MemoryRestore"), ("shift+KP_Add", "k:MemoryAdd"),
]
MODES = [("ctrl+0", "mode:Integer"), ("ctrl+2", "mode:TwoPlaces"), ("ctrl+4", "mode:FourPlaces"),
         ("ctrl+a", "mode:AutoAdd2"), ("ctrl+f", "mode:FloatingPoint")]
OPERATIONS = {"add": 2, "subtract": 1, "total": 6, "multiply": 4, "divide": 3, "percent": 5,
              "memory-add": 9, "clear-all": 10}
PASTES = ["12.5", "1,250.75", "-3", "abc", "7e2", "0.0001"]


def percent_encoded(text):
    return "".join(c if c.isalnum() or c == "." else f"%{ord(c):02X}" for c in text)


class Stream:
    """The steps taken so far as vantrel-replay tokens, and the expected state of each prefix."""

    def __init__(self, replay):
        self.replay = replay
        self.tokens = []

    def expected(self, count=None):
        tokens = self.tokens if count is None else self.tokens[:count]
        done = subprocess.run([self.replay], input=" ".join(tokens), capture_output=True,
                              text=True, timeout=60, check=True)
        state = {"tape": []}
        for line in done.stdout.splitlines():
            name, _, value = line.partition("\t")
            if name == "tape":
                code, ink, amount = value.split("\t", 2)
                state["tape"].append((amount, code, "normal" if ink == "True" else "red"))
            elif name in ("display", "memory", "counter", "error"):
                state[name] = value
        return state


def observed(session):
    labels = session.read()
    status, out = session.send("tape", "--csv")
    if not labels or status != 0:
        return None
    rows = list(csv.reader(io.StringIO(out)))[1:]
    state = {"tape": [(amount, code, ink) for amount, code, _, ink in rows]}
    state.update({name: labels.get(name) for name in ("display", "memory", "counter", "error")})
    return state


def arrives(session, wanted, seconds=10.0):
    return wait_until(lambda: observed(session) == wanted, seconds)


class Run:
    def __init__(self, session, stream, seed):
        self.session = session
        self.stream = stream
        self.random = random.Random(seed)
        self.window = None

    def start(self):
        self.window = self.session.start_calculator()
        self.session.xdotool("windowfocus", "--sync", self.window)
        require(wait_until(lambda: observed(self.session) is not None),
                "the calculator did not answer on the session bus")

    def key(self, keys, token):
        self.session.xdotool("key", keys)
        self.stream.tokens.append(token)

    def paste(self):
        text = self.random.choice(PASTES)
        path = os.path.join(self.session.config.name, "clipboard.txt")
        with open(path, "w", encoding="utf-8") as file:
            file.write(text)
        owner = self.session.start(["xclip", "-quiet", "-selection", "clipboard", path],
                                   env=self.session.environment(),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        require(wait_until(lambda: subprocess.run(
            ["xclip", "-o", "-selection", "clipboard"], env=self.session.environment(),
            capture_output=True, text=True).stdout == text), "xclip did not take the text")
        self.stream.tokens.append("clip:" + percent_encoded(text))
        self.key("ctrl+v", "k:Paste")
        return owner

    def step(self):
        """One random step; the ones through the bus are done when vantrel-send returns."""
        roll = self.random.random()
        if roll < 0.5:
            return self.key(*self.random.choice(KEYS))
        if roll < 0.58:
            return self.key(*self.random.choice(MODES))
        if roll < 0.9:
            if self.random.random() < 0.5:
                cents = self.random.randint(-10**7, 10**7)
                self.session.send("input", f"{cents / 100:.2f}")
                amount = cents * 100 & (2**64 - 1)
                self.stream.tokens.append(f"in{amount & 0xFFFFFFFF},{amount >> 32}")
            else:
                name = self.random.choice(list(OPERATIONS))
                self.session.send("operate", name)
                self.stream.tokens.append(f"op{OPERATIONS[name]}")
            return None
        return self.paste()

    def round(self):
        """Random steps, each seen to arrive: a key and a bus call may overtake each other, and
        waiting for each keeps the order the stream has."""
        for _ in range(STEPS_PER_ROUND):
            owner = self.step()
            require(arrives(self.session, self.stream.expected()),
                    f"the calculator did not reach the state of {self.stream.tokens}")
            if owner is not None:
                owner.kill()
                owner.wait()

    def keys_in_flight(self):
        for _ in range(KEYS_IN_FLIGHT):
            self.key(*self.random.choice(KEYS))

    def kill(self):
        process = self.session.calculator_process
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()


def damage_journal(session, run):
    """Killed once more, its journal cut at a random byte and overwritten after it: the next
    start shows a prefix of the tape at most, and works."""
    expected = observed(session)["tape"]
    run.kill()
    folder = os.path.join(session.config.name, "state", "Vantrel")
    journals = [os.path.join(folder, name) for name in os.listdir(folder)]
    require(len(journals) == 1, f"one journal expected, found {journals}")
    with open(journals[0], "r+b") as journal:
        size = os.fstat(journal.fileno()).st_size
        cut = run.random.randrange(size)
        journal.truncate(cut)
        journal.seek(run.random.randrange(cut + 1))
        journal.write(bytes(run.random.randrange(256) for _ in range(run.random.randrange(1, 40))))
    run.start()
    restored = observed(session)["tape"]
    require(restored == expected[:len(restored)],
            f"a damaged journal restored {restored}, not a prefix of {expected}")
    require(session.send("operate", "clear-all")[0] == 0 and session.send("input", "1")[0] == 0
            and session.send("operate", "add")[0] == 0,
            "the calculator does not answer after a damaged journal")
    require(wait_until(lambda: observed(session)["counter"] == "1 "),
            "the calculator does not add after a damaged journal")
    print(f"damaged journal: {len(restored)} of {len(expected)} tape lines back")


def exit_with_escape_and_ok(session, window):
    """Esc, then OK on the box it asks with, which bears the window's title."""
    session.xdotool("key", "Escape")
    def boxes():
        return [found for found in session.visible_windows() if found != window]

    require(wait_until(lambda: boxes() != []), "Esc did not ask whether to exit")
    session.xdotool("windowfocus", "--sync", boxes()[-1])
    session.xdotool("key", "Return")
    require(wait_until(lambda: session.calculator_process.poll() is not None),
            "Esc and OK did not end the calculator")


def main(argv):
    calculator, sender, replay, seed = argv[1], argv[2], argv[3], int(argv[4])
    if any(shutil.which(tool) is None for tool in ("Xvfb", "xdotool", "xclip")):
        print("skipped: needs Xvfb, xdotool and xclip")
        return SKIP
    session = Session(calculator, sender)
    stream = Stream(replay)

    def steps():
        run = Run(session, stream, seed)
        run.start()
        for number in range(ROUNDS):
            run.round()
            confirmed = len(stream.tokens)
            in_flight = number % 2 == 1
            if in_flight:
                run.keys_in_flight()
            time.sleep(run.random.random() * 0.05)
            run.kill()
            run.start()
            restored = observed(session)
            if in_flight:
                prefixes = [stream.expected(n) for n in range(confirmed, len(stream.tokens) + 1)]
                require(restored in prefixes,
                        f"round {number}: restored {restored}, no prefix of the stream")
                stream.tokens = stream.tokens[:confirmed + prefixes.index(restored)]
            else:
                require(restored == stream.expected(),
                        f"round {number}: restored {restored}, expected {stream.expected()}")
            print(f"round {number}: {len(restored['tape'])} tape lines back after the kill")
        damage_journal(session, run)
        exit_with_escape_and_ok(session, run.window)
        run.start()
        require(observed(session)["tape"] == [], "a normal exit left a tape to restore")
    return run_session(session, steps, failing=f"FAIL (seed {seed})")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
