"""What every test that runs the calculator in a session of its own shares: the failure it
raises, the session's entry and exit, and one way from its steps to its exit status."""

import time


class Failed(Exception):
    pass


def require(condition, message):
    if not condition:
        raise Failed(message)


def wait_until(condition, seconds=30.0):
    """Polls until the condition holds; a generous limit that only catches a hang."""
    end = time.monotonic() + seconds
    while True:
        if condition():
            return True
        if time.monotonic() > end:
            return False
        time.sleep(0.05)


class OwnSession:
    """A session whose begin() starts its programs and whose stop() ends them and returns the
    process groups still alive; a session that fails to begin is stopped at once."""

    def __enter__(self):
        try:
            self.begin()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()


def run_session(session, steps, passed="PASS", failing="FAIL"):
    """Runs the steps in the session and gives the test's exit status: 1 when a step failed or
    a process group outlived the session."""
    try:
        with session:
            steps()
    except Failed as failure:
        print(f"{failing}: {failure}")
        return 1
    left = session.stop()
    if left:
        print(f"{failing}: process groups left running: {left}")
        return 1
    print(passed)
    return 0
