#!/usr/bin/env python3
"""Writes a reproducible random stream of vantrel-replay tokens to standard output.

The mix leans on what a bookkeeper does (digits, Add, Total, Undo) and mixes in everything
else the replay takes: every keypad command, operation indices in and out of range, pushed
amounts across the whole 64-bit range, mode switches, clipboard texts good and bad, and raw
key presses with every modifier mask.

    random_tokens.py --seed 7 --count 1000 | vantrel-replay
    random_tokens.py --seed 1 --count 300 --streams 3000 --out DIR   # DIR/1.tokens ...
"""

import argparse
import random
import sys
import urllib.parse

# Virtual-key codes the keyboard tables know, and a few they do not.
KEY_CODES = list(range(48, 58)) + list(range(96, 112)) + [
    8, 13, 16, 17, 18, 27, 32, 33, 34, 46, 65, 67, 70, 78, 80, 86, 90, 187, 189, 190, 191, 192,
    0, 255, 65535]

# The keypad's commands by index, as the named form "k:Add" writes them.
COMMAND_NAMES = [f"Digit{digit}" for digit in range(10)] + [
    "ClearAll", "MemoryClear", "Clear", "Backspace", "Subtract", "Add", "Divide", "Multiply",
    "Percent", "Total", "MemoryRestore", "MemorySubtract", "MemoryAdd", "Copy", "Paste",
    "ShowHideTape", "DoubleZero", "DecimalPoint", "PrintTape", "New", "Undo"]
ROUND_MODE_NAMES = ["Integer", "OnePlace", "TwoPlaces", "ThreePlaces", "FourPlaces", "AutoAdd2",
                    "FloatingPoint"]

CLIPBOARD_TEXTS = [
    "12", " 1,250.75 ", "-3.5", "1e3", "0,5", "1.234,56", "abc", "", "inf", "nan", "0x10",
    "99999999999999999999", "1,23", "+7", "--1", "\u20ac5", "12\u202f345", "0.000000001",
]


def amount_halves(rng):
    """A pushed amount as its two 32-bit halves, from small cents to the range's ends."""
    choice = rng.random()
    if choice < 0.6:
        value = rng.randint(-10**8, 10**8)
    elif choice < 0.9:
        value = rng.randint(-10**14, 10**14)
    else:
        value = rng.choice([0, 1, -1, 2**63 - 1, -2**63, 2**32, 15000, -50000])
    value &= 2**64 - 1
    return value & 0xFFFFFFFF, value >> 32


def key(rng, index):
    """A keypad click, now and then by the command's name rather than its number."""
    return f"k:{COMMAND_NAMES[index]}" if rng.random() < 0.2 else f"k{index}"


def token(rng):
    roll = rng.random()
    if roll < 0.35:
        return key(rng, rng.randint(0, 9))
    if roll < 0.60:
        return key(rng, rng.choice([10, 11, 12, 13, 14, 15, 15, 15, 16, 17, 18, 19, 19, 20, 21,
                                    22, 23, 24, 25, 26, 27, 28, 29, 30, 30]))
    if roll < 0.66:
        return f"op{rng.choice(list(range(0, 14)) + [-1, -32768, 32767])}"
    if roll < 0.68:
        return f"op:{rng.choice(COMMAND_NAMES[10:13] + COMMAND_NAMES[14:23])}"
    if roll < 0.76:
        low, high = amount_halves(rng)
        return f"in{low},{high}"
    if roll < 0.80:
        return f"mode{rng.randint(0, 6)}"
    if roll < 0.81:
        return f"mode:{rng.choice(ROUND_MODE_NAMES)}"
    if roll < 0.85:
        text = rng.choice(CLIPBOARD_TEXTS)
        return "clip:" + urllib.parse.quote(text, safe="")
    if roll < 0.95:
        return f"kd{rng.choice(KEY_CODES)},{rng.randint(0, 7)}"
    return f"ku{rng.choice(KEY_CODES)}"


def write_stream(out, seed, count):
    rng = random.Random(seed)
    for index in range(count):
        out.write(token(rng))
        out.write("\n" if index % 20 == 19 else " ")
    out.write("\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=1000)
    parser.add_argument("--streams", type=int, default=1,
                        help="with --out: this many streams, seeds from --seed on")
    parser.add_argument("--out", help="a folder for the streams, one file a seed")
    arguments = parser.parse_args()
    if arguments.out is None:
        write_stream(sys.stdout, arguments.seed, arguments.count)
        return
    for seed in range(arguments.seed, arguments.seed + arguments.streams):
        with open(f"{arguments.out}/{seed}.tokens", "w", encoding="utf-8") as out:
            write_stream(out, seed, arguments.count)


if __name__ == "__main__":
    main()
