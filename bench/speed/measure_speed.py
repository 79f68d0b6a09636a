#!/usr/bin/python3
"""Same-run speed figures of the calculator, as ratios, on the X display and session bus given.

    measure_speed.py BUILD_DIR [--rounds N] [--launches N] [--servers none,cups]

Round trips over the message interface against org.freedesktop.DBus.Peer.Ping, which the
calculator answers on its bus thread; the calculator's own CPU for a pushed Add and a typed Add
(keypad plus and "=" alternating) against a pushed amount, a display change, and the bare Qt
window's CPU for the same keys, which it ignores: what any Qt window spends on a key; the time
from a typed Add to the window's first drawing after it (bench/speed/key_to_pixel); start-up to the
viewable window against a bare Qt window, launched in turns, with no print server and with the
one CUPS_SERVER names, and with one that takes the connection and never answers; each launch
starts with no journal to restore. Every figure is a median; each ratio comes from one run's
figures.
"""

import argparse
import os
import shutil
import socket
import statistics
import tempfile
import subprocess
import sys
import time

import dbus

SERVICE = "org.vantrel.Calculator"
PATH = "/Calculator"
INTERFACE = "org.vantrel.Calculator"
TITLE = "^Vantrel Calculator$"
ADD = 2


def viewable():
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", TITLE],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def wait_gone():
    while viewable():
        time.sleep(0.01)


def start_viewable(program, env=None):
    """The program's process, once its window is viewable."""
    process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    while not viewable():
        if process.poll() is not None:
            sys.exit(f"{program} ended before its window appeared")
    return process


def end(process):
    process.terminate()
    process.wait()
    wait_gone()


def launch_ms(program, env):
    """Milliseconds from launch until the window is viewable, from an empty journal folder."""
    state = env["XDG_STATE_HOME"]
    shutil.rmtree(state, ignore_errors=True)
    os.makedirs(state)
    start = time.perf_counter()
    process = start_viewable(program, env)
    elapsed = (time.perf_counter() - start) * 1000
    end(process)
    return elapsed


def silent_server(folder):
    """A print server gone quiet: takes every connection into its backlog, never answers."""
    path = os.path.join(folder, "cups.sock")
    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    server.bind(path)
    server.listen(socket.SOMAXCONN)
    return server, path


def startup(build, launches, server, silent_path, state):
    # Each launch is ended by a signal, which leaves its journal behind; the next would take it
    # over and restore its tape, so every launch starts from a folder of its own.
    env = dict(os.environ, XDG_STATE_HOME=state)
    if server == "none":
        env["CUPS_SERVER"] = "/nonexistent/vantrel/cups.sock"
    elif server == "silent":
        env["CUPS_SERVER"] = silent_path
    programs = [f"{build}/shell/vantrel-calculator", f"{build}/bench/startup/bare_window"]
    for program in programs:
        launch_ms(program, env)  # warms the file caches
    times = {program: [] for program in programs}
    for _ in range(launches):
        for program in programs:
            times[program].append(launch_ms(program, env))
    calc, bare = (statistics.median(times[p]) for p in programs)
    return calc, bare


def cpu_seconds(pid):
    """The process's time on a processor, summed over its threads to the nanosecond: the
    kernel's ticks of utime and stime are too coarse for a block of cheap calls."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
                total += int(stat.read().split()[0])
        except FileNotFoundError:
            pass  # a thread that ended since the folder was listed
    return total / 1e9


class Calculator:
    def __init__(self, build):
        env = dict(os.environ)
        self.process = subprocess.Popen([f"{build}/shell/vantrel-calculator"], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        bus = dbus.SessionBus()
        deadline = time.time() + 10
        while not bus.name_has_owner(SERVICE) or not viewable():
            if time.time() > deadline or self.process.poll() is not None:
                sys.exit("the calculator did not come up on the bus")
            time.sleep(0.02)
        self.object = bus.get_object(SERVICE, PATH)
        self.calc = dbus.Interface(self.object, INTERFACE)
        self.peer = dbus.Interface(self.object, "org.freedesktop.DBus.Peer")
        self.properties = dbus.Interface(self.object, "org.freedesktop.DBus.Properties")

    def close(self):
        end(self.process)

    def calls(self):
        return {
            "Peer.Ping": lambda: self.peer.Ping(),
            "amount": lambda: self.calc.Tavrin_INPUT(dbus.UInt32(125075), dbus.UInt32(0)),
            "Get DisplayText": lambda: self.properties.Get(INTERFACE, "DisplayText"),
            "Add": lambda: self.calc.Tavrin_OPERATE(dbus.UInt32(ADD), dbus.UInt32(0)),
        }

    def round_trips(self, rounds):
        calls = self.calls()
        times = {name: [] for name in calls}
        for _ in range(rounds):
            for name, call in calls.items():
                start = time.perf_counter()
                call()
                times[name].append((time.perf_counter() - start) * 1000)
        return {name: statistics.median(values) for name, values in times.items()}

    def cpu_per_call(self, call, count):
        before = cpu_seconds(self.process.pid)
        for _ in range(count):
            call()
        return (cpu_seconds(self.process.pid) - before) * 1000 / count

    def key_to_pixel(self, build, rounds):
        """Median and 90th percentile in ms, keypad plus and "=" in turns."""
        probe = subprocess.run([f"{build}/bench/speed/key_to_pixel", focused_window(),
                                str(rounds), "ffab", "3d"], capture_output=True, text=True)
        if probe.returncode != 0:
            sys.exit(probe.stderr.strip())
        median, slow = (float(value) for value in probe.stdout.split())
        return median, slow

    def cpu_per_typed_key(self, count, delay_ms):
        def handled():
            # The last keys are handled once a round trip behind them comes back.
            self.peer.Ping()
            self.properties.Get(INTERFACE, "DisplayText")
        return typed_key_cpu(self.process.pid, focused_window(), count, delay_ms, handled)


def focused_window():
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", TITLE],
                            capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    return window


def typed_key_cpu(pid, window, count, delay_ms, handled):
    """The process's CPU in ms per key, keypad plus and "=" in turns; handled() returns once the
    last key has been dealt with."""
    keys = ["KP_Add", "equal"] * (count // 2)
    before = cpu_seconds(pid)
    subprocess.run(["xdotool", "key", "--window", window, "--delay", str(delay_ms)] + keys,
                   check=True)
    handled()
    return (cpu_seconds(pid) - before) * 1000 / count


def bare_typed_key_cpu(build, blocks, keys, key_delay):
    """What any Qt window spends on the same keys, doing nothing with them: the bare window's
    CPU per key. It has no way to say it is done, so each block waits for it a while."""
    process = start_viewable(f"{build}/bench/startup/bare_window")
    try:
        window = focused_window()
        return statistics.median(
            typed_key_cpu(process.pid, window, keys, key_delay, lambda: time.sleep(0.3))
            for _ in range(blocks))
    finally:
        end(process)


def cpu_figures(calc, blocks, per_block, keys, key_delay):
    calls = calc.calls()
    amount, add, typed = [], [], []
    for _ in range(blocks):
        amount.append(calc.cpu_per_call(calls["amount"], per_block))
        add.append(calc.cpu_per_call(calls["Add"], per_block))
        typed.append(calc.cpu_per_typed_key(keys, key_delay))
    return statistics.median(amount), statistics.median(add), statistics.median(typed)


def ratio(value, base):
    """The ratio as the table shows it; a base of nothing has none."""
    return f"{value / base:.2f}x" if base > 0 else "-"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--rounds", type=int, default=300)
    parser.add_argument("--blocks", type=int, default=5)
    parser.add_argument("--per-block", type=int, default=400)
    parser.add_argument("--keys", type=int, default=200)
    parser.add_argument("--key-delay", type=int, default=20)
    parser.add_argument("--pixel-rounds", type=int, default=60)
    parser.add_argument("--launches", type=int, default=15)
    parser.add_argument("--servers", default="none,cups,silent")
    args = parser.parse_args()
    if viewable():
        sys.exit("a Vantrel Calculator window is already open on this display; close it first")

    calc = Calculator(args.build)
    try:
        trips = calc.round_trips(args.rounds)
        amount, add, typed = cpu_figures(calc, args.blocks, args.per_block, args.keys,
                                         args.key_delay)
        pixel, slow_pixel = calc.key_to_pixel(args.build, args.pixel_rounds)
    finally:
        calc.close()
    bare_key = bare_typed_key_cpu(args.build, args.blocks, args.keys, args.key_delay)

    ping = trips["Peer.Ping"]
    print("| figure | median | ratio | against |")
    print("|---|---|---|---|")
    for name in ("amount", "Get DisplayText", "Add"):
        print(f"| {name} round trip | {trips[name]:.3f} ms | {ratio(trips[name], ping)} "
              f"| Peer.Ping {ping:.3f} ms |")
    print(f"| CPU per pushed Add | {add:.3f} ms | {ratio(add, amount)} "
          f"| pushed amount {amount:.3f} ms |")
    print(f"| CPU per typed Add | {typed:.3f} ms | {ratio(typed, amount)} "
          f"| pushed amount {amount:.3f} ms |")
    print(f"| CPU per key typed into the bare Qt window | {bare_key:.3f} ms "
          f"| {ratio(bare_key, amount)} | pushed amount {amount:.3f} ms |")
    print(f"| typed Add to its first pixels | {pixel:.3f} ms | - "
          f"| 90th percentile {slow_pixel:.3f} ms |")
    labels = {"none": "no print server", "cups": "a print server",
              "silent": "a silent print server"}
    folder = tempfile.TemporaryDirectory()
    silent, silent_path = silent_server(folder.name)
    for server in args.servers.split(","):
        if server == "cups" and not os.environ.get("CUPS_SERVER"):
            print("| start-up with a print server | - | - | CUPS_SERVER is not set |")
            continue
        calc_ms, bare_ms = startup(args.build, args.launches, server, silent_path,
                                   os.path.join(folder.name, "state"))
        label = labels[server]
        print(f"| start-up, {label} | {calc_ms:.1f} ms | {ratio(calc_ms, bare_ms)} "
              f"| bare Qt window {bare_ms:.1f} ms |")
    silent.close()


if __name__ == "__main__":
    main()
