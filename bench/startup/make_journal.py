#!/usr/bin/env python3
"""Writes the journal of a calculator that was told LINES amounts to add, as a copy killed
afterwards leaves it, for bench/startup/measure_startup.sh to restore at every launch.

    make_journal.py LINES FILE
"""

import struct
import sys
import zlib

VERSION = 1
PUSH_AMOUNT, OPERATE, ROUND_OPTION = 3, 4, 5
ADD = 2


def main(argv):
    lines, path = int(argv[1]), argv[2]
    header = b"VANTRELJ" + struct.pack("<I", VERSION)
    chain = zlib.crc32(header)
    out = [header, struct.pack("<I", chain)]

    def record(kind, first=0, second=0):
        nonlocal chain
        payload = bytes([kind]) + struct.pack("<II", first, second) + b"\x00"
        length = struct.pack("<I", len(payload))
        chain = zlib.crc32(length + payload, zlib.crc32(struct.pack("<I", chain)))
        out.append(length + struct.pack("<I", chain) + payload)

    record(ROUND_OPTION, 2)
    for n in range(lines):
        record(PUSH_AMOUNT, (n % 100_000) * 125 + 10_000, 0)
        record(OPERATE, ADD)
    with open(path, "wb") as file:
        file.write(b"".join(out))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
