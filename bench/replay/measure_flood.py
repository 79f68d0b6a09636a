#!/usr/bin/env python3
"""Peak memory and time of vantrel-replay on long random streams.

Each length runs twice on the same stream: as written, where New empties the tape now and then,
and with every New turned into Add, so that the tape keeps every line. The first shows whether
the replay itself stays flat; the difference between the two is what the tape costs.

    bench/replay/measure_flood.py [--counts 10000,100000,1000000] [--seed 11] [--replay PATH]

The peak is the one GNU time reports (Debian package "time"): a child started from this
script would count the script's own pages, which it shares until it runs the replay.
"""

import argparse
import pathlib
import re
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tools" / "replay"))
import random_tokens  # noqa: E402

# New from the keypad and Ctrl+N from the keyboard.
NEW_TOKENS = {"k29", "k:New"} | {f"kd78,{mask}" for mask in range(8)}


def write_streams(folder, seed, count):
    kept = folder / "with-new.tokens"
    with open(kept, "w", encoding="utf-8") as out:
        random_tokens.write_stream(out, seed, count)
    whole = folder / "tape-kept.tokens"
    with open(kept, encoding="utf-8") as source, open(whole, "w", encoding="utf-8") as out:
        for line in source:
            out.write(" ".join("k15" if t in NEW_TOKENS else t for t in line.split()) + "\n")
    return kept, whole


def run(replay, tokens):
    """Exit status, peak resident set in KiB, seconds and tape lines of one replay."""
    with open(tokens, "rb") as stdin:
        start = time.monotonic()
        done = subprocess.run(["/usr/bin/time", "-f", "peak %M", replay], stdin=stdin,
                              capture_output=True, check=False)
        seconds = time.monotonic() - start
    report = done.stdout.decode("utf-8", "replace").splitlines()
    lines = sum(1 for line in report if line.startswith("tape\t"))
    peak = re.search(r"peak (\d+)", done.stderr.decode("utf-8", "replace"))
    return done.returncode, int(peak.group(1)) if peak else -1, seconds, lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--counts", default="10000,100000,1000000")
    parser.add_argument("--seed", type=int, default=11)
    parser.add_argument("--replay", default=str(ROOT / "build/tools/replay/vantrel-replay"))
    arguments = parser.parse_args()
    print(f"{'tokens':>9} {'stream':<10} {'status':>6} {'peak KiB':>9} {'seconds':>8} "
          f"{'tape lines':>10}")
    failed = False
    with tempfile.TemporaryDirectory() as folder:
        for count in (int(c) for c in arguments.counts.split(",")):
            streams = write_streams(pathlib.Path(folder), arguments.seed, count)
            for name, tokens in zip(("with New", "tape kept"), streams):
                status, peak, seconds, lines = run(arguments.replay, tokens)
                failed |= status != 0
                print(f"{count:>9} {name:<10} {status:>6} {peak:>9} {seconds:>8.2f} {lines:>10}",
                      flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
