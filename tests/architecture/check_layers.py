#!/usr/bin/env python3
"""Fails when a source file includes across a forbidden boundary.

The layers: the shell uses the commands, the commands use the tape, the tape uses the core.
The core and the plain parts of the tape, the commands and the tools hold no Qt and nothing
but the standard library besides. Every include of the project's own names its module's path
("core/calculator.h"), so that the build's per-library include folders can tell them apart.

    check_layers.py SOURCE_ROOT
"""

import pathlib
import re
import sys

# Headers that the build generates, and the parts that may include them.
GENERATED = {"vantrel_version.h": ("shell", "send tool"), "calculator_adaptor.h": ("shell",)}

# The tape's own folder is plain C++; its Qt half is in tape/qt/. The print server's protocol
# and the loading of the print server's library live beside it but are a library of their own.
PRINT_SERVER = ["tape/print_server.", "tape/cups_library."]
PLAIN_TAPE = [re.compile(r"^tape/(?!print_server\.|cups_library\.)[^/]+$")]
PLAIN_COMMANDS = [re.compile(r"^commands/[^/]+$")]
PLAIN_BUS = ["bus/"]
HEADLESS = ["tools/headless/"]

# Each rule: which files it covers (first match wins), which of the project's headers they may
# include, whether Qt's headers are allowed, and which other libraries' headers are.
RULES = [
    ("core", ["core/"], ["core/"], False, []),
    # The print server's protocol: no Qt, so that it can be driven on a worker of any kind; the
    # library it speaks through is loaded by the system's dynamic loader.
    ("print server", PRINT_SERVER, PRINT_SERVER, False, ["cups/", "dlfcn.h"]),
    ("plain tape", PLAIN_TAPE, ["core/"] + PLAIN_TAPE, False, []),
    ("tape widget", ["tape/qt/"], ["core/", "tape/"], True, []),
    ("plain commands", PLAIN_COMMANDS, ["core/"] + PLAIN_TAPE + PLAIN_COMMANDS, False, []),
    ("commands for Qt", ["commands/qt/"], ["core/", "tape/", "commands/", "resources/"], True, []),
    ("bus address", PLAIN_BUS, PLAIN_BUS, False, []),
    # The shell meets the system: any library's headers, but never a tool's or a test's.
    ("shell", ["shell/"], ["core/", "tape/", "commands/", "bus/", "shell/", "resources/"], True,
     [""]),
    ("resources", ["resources/"], ["resources/"], True, []),
    ("headless session", HEADLESS, ["core/"] + PLAIN_TAPE + PLAIN_COMMANDS + HEADLESS, False, []),
    ("replay tool", ["tools/replay/"],
     ["core/"] + PLAIN_TAPE + PLAIN_COMMANDS + HEADLESS + ["tools/replay/"], False, []),
    ("send tool", ["tools/send/"], ["core/", "tools/send/"] + PLAIN_TAPE + PLAIN_BUS, False,
     ["dbus/"]),
]

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def matches(path, patterns):
    return any(p.match(path) if isinstance(p, re.Pattern) else path.startswith(p)
               for p in patterns)


def rule_for(path):
    for rule in RULES:
        if matches(path, rule[1]):
            return rule
    return None


def is_standard(header):
    """The C++ standard library's headers carry no extension and no folder."""
    return re.fullmatch(r"[a-z_0-9]+", header) is not None


def problems_in(path, text, rule):
    name, _, allowed, qt_allowed, libraries = rule
    for number, line in enumerate(text.splitlines(), 1):
        found = INCLUDE.match(line)
        if not found:
            continue
        quoted, header = found.group(1) == '"', found.group(2)
        where = f"{path}:{number}: {name}"
        if quoted and name in GENERATED.get(header, ()):
            continue
        if quoted and "/" not in header:
            yield f"{where} includes \"{header}\" without its module's path"
        elif quoted and not matches(header, allowed):
            yield f"{where} may not include \"{header}\""
        elif not quoted and header.startswith("Q"):
            if not qt_allowed:
                yield f"{where} may not include Qt's <{header}>"
        elif not quoted and not is_standard(header) and not matches(header, libraries):
            yield f"{where} may not include <{header}>"


def main():
    root = pathlib.Path(sys.argv[1])
    problems = []
    for file in sorted(root.rglob("*")):
        if file.suffix not in (".h", ".cpp") or not file.is_file():
            continue
        path = file.relative_to(root).as_posix()
        rule = rule_for(path)
        if rule is not None:
            problems.extend(problems_in(path, file.read_text(encoding="utf-8"), rule))
    for problem in problems:
        print(problem)
    print(f"{len(problems)} include(s) across a boundary")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
