#!/usr/bin/env python3
"""Fails when the map of the code names a file, folder or name that the tree no longer has.

Every span in backticks is checked: a path (it has a folder or a file's extension) must exist,
a bare file name beside the last folder named on the same line; a name must occur as a word
in one of the sources. Spans that hold spaces, quotes or other punctuation are phrases or
calls written out, and are checked by the name they begin with.

    check_map.py MAP SOURCE_ROOT
"""

import pathlib
import re
import sys

SPAN = re.compile(r"`([^`]+)`")
EXTENSIONS = (".cpp", ".h", ".py", ".xml", ".cmake", ".md", ".sh", ".txt")
NAME = re.compile(r"[A-Za-z_]\w*(?:::\w+)*")
# The naming rule's patterns, and the system's word for what the code holds under a name the
# map gives beside it.
NOT_IN_THE_SOURCES = {"kPascalCase", "m_camelCase", "m_", "DecimalSeparator"}
# The build files name the tests.
SOURCE_SUFFIXES = (".h", ".cpp", ".xml", ".py", ".txt")


def is_path(span):
    return "/" in span or span.endswith(EXTENSIONS)


def is_built(relative):
    """Build trees (build/, build-sanitize/ ...) hold the build's output, which no source
    spells out."""
    return relative.startswith("build")


def words_in_sources(root):
    """Every word of the sources, this check's own text left out, so that it finds no name
    for the map."""
    words = set()
    for file in root.rglob("*"):
        if (file.suffix in SOURCE_SUFFIXES and file.is_file()
                and not is_built(file.relative_to(root).as_posix())
                and file.resolve() != pathlib.Path(__file__).resolve()):
            words.update(re.findall(r"\w+", file.read_text(encoding="utf-8")))
    return words


def path_problem(span, folder, root):
    if is_built(span):
        return None
    path = span if "/" in span or not folder else f"{folder}/{span}"
    return None if (root / path).exists() else f"names {path}, which does not exist"


def problems_in(map_text, root):
    words = words_in_sources(root)
    for number, line in enumerate(map_text.splitlines(), 1):
        folder = ""
        for span in SPAN.findall(line):
            if is_path(span):
                problem = path_problem(span, folder, root)
                if "/" in span:
                    folder = span.rpartition("/")[0] if "." in span else span.rstrip("/")
                if problem:
                    yield f"line {number}: `{span}` {problem}"
                continue
            name = NAME.match(span)
            if name is None or span in NOT_IN_THE_SOURCES or "<" in span:
                continue
            missing = [part for part in name.group(0).split("::") if part not in words]
            if missing:
                yield f"line {number}: `{span}` names {', '.join(missing)}, found in no source"


def main():
    map_file, root = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    problems = list(problems_in(map_file.read_text(encoding="utf-8"), root))
    for problem in problems:
        print(f"{map_file.name}: {problem}")
    print(f"{len(problems)} stale name(s) in the map")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
