"""Programs of a test's own in process groups of their own, and an X display among them.

Stopping a program ends its whole group, so nothing it started is left running; the display
is a fresh Xvfb at a free number whose lock its own server holds.
"""

import os
import random
import signal
import subprocess
import time


def start_in_group(groups, command, **options):
    """Starts the command in a new process group, kept in groups for stopping."""
    process = subprocess.Popen(command, start_new_session=True, stdin=subprocess.DEVNULL,
                               **options)
    groups.append(process)
    return process


def start_display(groups, screen="1024x768x24", server_options=(), attempts=10):
    """A display of the test's own. Other programs on the machine start and stop displays as
    well, so a number taken meanwhile is given up for another."""
    first = random.randrange(100, 900)
    for number in range(first, first + attempts):
        if os.path.exists(f"/tmp/.X{number}-lock") or \
                os.path.exists(f"/tmp/.X11-unix/X{number}"):
            continue
        # Without -noreset the server starts over whenever its last client leaves, and a
        # client that comes meanwhile finds no display.
        server = start_in_group(groups, ["Xvfb", f":{number}", "-screen", "0", screen,
                                         "-nolisten", "tcp", "-noreset", *server_options],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if _display_up(number, server):
            return f":{number}"
        end_group(groups.pop())
    raise RuntimeError("no virtual display of the test's own")


def group_alive(pgid):
    try:
        os.killpg(pgid, 0)
    except ProcessLookupError:
        return False
    return True


def end_group(process, grace=5.0):
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            break
        end = time.monotonic() + grace
        while time.monotonic() < end and group_alive(process.pid):
            process.poll()
            time.sleep(0.05)
        if not group_alive(process.pid):
            break
    process.wait()


def end_groups(groups):
    """Ends every group, newest first, and empties the list; returns the groups that still
    have a member afterwards."""
    for process in reversed(groups):
        end_group(process)
    left = [p.pid for p in groups if group_alive(p.pid)]
    groups.clear()
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
