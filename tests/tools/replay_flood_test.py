#!/usr/bin/env python3
"""A long random stream through vantrel-replay ends with its whole report and no crash, once as
written and once with every New turned into Add, so that the tape keeps every line.

    replay_flood_test.py REPLAY [--count N] [--seed S]
"""

import argparse
import pathlib
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools" / "replay"))
import random_tokens  # noqa: E402

REPORT_ITEMS = ["display", "color", "memory", "counter", "entry", "error", "undo", "mode",
                "beeps", "clipboard", "messages", "cur", "shown", "total", "muldiv", "memvalue",
                "items", "pending"]
NEW_TOKENS = {"k29", "k:New"} | {f"kd78,{mask}" for mask in range(8)}


def replay(program, tokens):
    with tempfile.TemporaryFile() as stdin:
        stdin.write(tokens.encode())
        stdin.seek(0)
        return subprocess.run([program], stdin=stdin, capture_output=True, check=False,
                              timeout=600)


def problems(done, keeps_tape):
    if done.returncode != 0:
        return [f"exit status {done.returncode}: {done.stderr.decode(errors='replace')[-2000:]}"]
    lines = done.stdout.decode().splitlines()
    tape = [line for line in lines if line.startswith("tape\t")]
    items = [line.split("\t", 1)[0] for line in lines[len(tape):]]
    found = []
    if lines[:len(tape)] != tape:
        found.append("tape lines after the first item")
    if items != REPORT_ITEMS:
        found.append(f"report items {items}")
    if keeps_tape and len(tape) < 1000:
        found.append(f"only {len(tape)} tape lines were kept")
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("replay")
    parser.add_argument("--count", type=int, default=1000000)
    parser.add_argument("--seed", type=int, default=23)
    arguments = parser.parse_args()
    with tempfile.TemporaryFile("w+") as stream:
        random_tokens.write_stream(stream, arguments.seed, arguments.count)
        stream.seek(0)
        tokens = stream.read()
    kept = " ".join("k15" if t in NEW_TOKENS else t for t in tokens.split())
    failures = []
    for name, text, keeps_tape in (("as written", tokens, False), ("tape kept", kept, True)):
        failures += [f"{name}: {problem}" for problem in problems(replay(arguments.replay, text),
                                                                  keeps_tape)]
    for failure in failures:
        print(f"seed {arguments.seed}, {arguments.count} tokens, {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
