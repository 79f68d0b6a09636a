#!/usr/bin/env python3
"""Installs the build into a temporary prefix and checks one side of the result.

    tree_test.py files|validators|programs BUILD_DIR VERSION

files: exactly the expected files; the bus service names the installed program; the PNG
icons have their sizes; nothing configured is left with a placeholder; the catalogue entry
carries this version. validators: the desktop's own validators accept the desktop entry and
the catalogue entry. programs: the installed programs tell their version and help without a
display.
"""

import gzip
import os
import pathlib
import re
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

from installed_tree import APP_ID, EXPECTED_FILES, ICON_SIZES, desktop_entry, files_under, install


def png_size(path):
    """Width, height and colour type from a PNG's header chunk."""
    data = path.read_bytes()[:26]
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        return None
    width, height = struct.unpack(">II", data[16:24])
    return width, height, data[25]


def text_of(path):
    data = path.read_bytes()
    return (gzip.decompress(data) if path.suffix == ".gz" else data).decode("utf-8", "replace")


def check_files(prefix, version):
    problems = []
    found = files_under(prefix)
    problems += [f"missing: {f}" for f in EXPECTED_FILES if f not in found]
    problems += [f"not expected: {f}" for f in found if f not in EXPECTED_FILES]

    service = (prefix / f"share/dbus-1/services/{APP_ID}.service").read_text(encoding="utf-8")
    calculator = prefix / "bin/vantrel-calculator"
    if f"Name={APP_ID}\n" not in service or f"Exec={calculator}\n" not in service:
        problems.append(f"the bus service does not start {calculator}:\n{service}")
    if not os.access(calculator, os.X_OK):
        problems.append(f"{calculator} is not executable")

    for size in ICON_SIZES:
        icon = prefix / f"share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png"
        # Colour type 6 is RGBA: the corners around the drawing stay transparent.
        if png_size(icon) != (size, size, 6):
            problems.append(f"{icon.name} at {size}: header says {png_size(icon)}")
    if desktop_entry(prefix).get("Icon") != APP_ID:
        problems.append("the desktop entry does not name the installed icon")

    for relative in found:
        if relative.startswith("bin/") or relative.endswith(".png"):
            continue
        for placeholder in set(re.findall(r"@[A-Z_]+@", text_of(prefix / relative))):
            problems.append(f"{relative} still holds {placeholder}")

    metainfo = ElementTree.parse(prefix / f"share/metainfo/{APP_ID}.metainfo.xml")
    releases = [r.get("version") for r in metainfo.iterfind("releases/release")]
    if releases[:1] != [version]:
        problems.append(f"the newest release in the catalogue entry is {releases[:1]}, not {version}")
    for page in ("vantrel-calculator", "vantrel-send"):
        first = text_of(prefix / f"share/man/man1/{page}.1.gz").splitlines()[0]
        if not first.startswith(".TH") or version not in first:
            problems.append(f"{page}(1) does not begin with a title line of version {version}")
    return problems


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, timeout=60, **kwargs)


def check_validators(prefix, version):
    problems = []
    desktop = prefix / f"share/applications/{APP_ID}.desktop"
    metainfo = prefix / f"share/metainfo/{APP_ID}.metainfo.xml"
    for command in (["desktop-file-validate", str(desktop)],
                    ["appstreamcli", "validate", "--no-net", "--explain", str(metainfo)],
                    # The tree as a whole: the entry's launchable and icon must be in it too.
                    ["appstreamcli", "validate-tree", "--no-net", "--explain", str(prefix)]):
        result = run(command)
        if result.returncode != 0 or "error:" in result.stdout:
            problems.append(f"{' '.join(command[:2])} refused it:\n{result.stdout}{result.stderr}")
    return problems


def check_programs(prefix, version):
    # No display and no platform: a program that opened a window here would fail.
    environment = {k: v for k, v in os.environ.items()
                   if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    calculator, send = str(prefix / "bin/vantrel-calculator"), str(prefix / "bin/vantrel-send")
    expected = {
        (calculator, "--version"): f"Vantrel Calculator {version}\n",
        (send, "--version"): f"vantrel-send {version}\n",
    }
    problems = []
    for (program, option), out in expected.items():
        result = run([program, option], env=environment)
        if (result.returncode, result.stdout, result.stderr) != (0, out, ""):
            problems.append(f"{program} {option}: status {result.returncode}, "
                            f"out {result.stdout!r}, err {result.stderr!r}")
    for program in (calculator, send):
        result = run([program, "--help"], env=environment)
        if result.returncode != 0 or "--version" not in result.stdout or result.stderr:
            problems.append(f"{program} --help: status {result.returncode}, "
                            f"err {result.stderr!r}, no --version in:\n{result.stdout}")
    return problems


CHECKS = {"files": check_files, "validators": check_validators, "programs": check_programs}


def main():
    check, build_dir, version = sys.argv[1], sys.argv[2], sys.argv[3]
    with tempfile.TemporaryDirectory(prefix="vantrel-install.") as folder:
        prefix = install(build_dir, pathlib.Path(folder) / "prefix")
        problems = CHECKS[check](prefix, version)
    for problem in problems:
        print(problem)
    print(f"{len(problems)} problem(s) with the install tree")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
