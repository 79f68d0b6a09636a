#!/usr/bin/env python3
"""Builds the Debian package from the build tree and checks it against the install tree.

    package_test.py BUILD_DIR VERSION

`cpack` makes the package in a temporary folder (the package is never installed here). Its
files must be exactly those of `cmake --install` under /usr, its control fields name the
package, the version and the libraries it links, and lintian finds no error in it.
"""

import pathlib
import subprocess
import sys
import tempfile

from installed_tree import files_under, install


def run(command, timeout):
    return subprocess.run(command, capture_output=True, text=True, timeout=timeout)


def package_files(deb):
    """The files and links of the package, relative to /usr; folders left out."""
    listing = run(["dpkg-deb", "--contents", str(deb)], 60)
    files = []
    for line in listing.stdout.splitlines():
        mode, name = line.split()[0], line.split()[5]
        if not mode.startswith("d"):
            files.append(name.removeprefix("./usr/"))
    return sorted(files)


def check_fields(deb, version):
    fields = {}
    for name in ("Package", "Version", "Section", "Maintainer", "Depends", "Recommends",
                 "Description"):
        fields[name] = run(["dpkg-deb", "--field", str(deb), name], 60).stdout.strip()
    problems = []
    wanted = {"Package": "vantrel-calculator", "Version": version, "Section": "utils"}
    problems += [f"{name}: {fields[name]!r}, not {value!r}"
                 for name, value in wanted.items() if fields[name] != value]
    # dpkg-shlibdeps read the programs' libraries into the dependencies.
    # libcups2 is named by hand: the calculator loads it when it first asks the print server.
    for library in ("libqt6widgets6", "libdbus-1-3", "libc6", "libcups2"):
        if library not in fields["Depends"]:
            problems.append(f"Depends does not name {library}: {fields['Depends']}")
    if "qt6-wayland" not in fields["Recommends"].split(", "):
        problems.append(f"Recommends does not name qt6-wayland: {fields['Recommends']}")
    if "<" not in fields["Maintainer"] or len(fields["Description"].splitlines()) < 3:
        problems.append(f"no real maintainer or description: {fields}")
    return problems


def check_lintian(deb):
    result = run(["lintian", "--fail-on", "error", "--tag-display-limit", "0", str(deb)], 600)
    errors = [line for line in result.stdout.splitlines() if line.startswith("E:")]
    # A failing status without an error listed means that lintian could not look.
    if result.returncode != 0 and not errors:
        errors.append(f"lintian ended with status {result.returncode}: {result.stderr}")
    print(result.stdout, end="")
    return errors


def main():
    build_dir, version = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="vantrel-package.") as folder:
        folder = pathlib.Path(folder)
        made = run(["cpack", "--config", f"{build_dir}/CPackConfig.cmake", "-B", str(folder)],
                   300)
        debs = sorted(folder.glob("*.deb"))
        if made.returncode != 0 or len(debs) != 1:
            print(made.stdout, made.stderr)
            print(f"cpack made {[d.name for d in debs]}")
            return 1
        deb = debs[0]
        problems = []
        if not deb.name.startswith(f"vantrel-calculator_{version}_"):
            problems.append(f"the package is called {deb.name}")
        tree = files_under(install(build_dir, folder / "prefix"))
        packed = package_files(deb)
        problems += [f"in the install tree, not in the package: {f}" for f in tree
                     if f not in packed]
        problems += [f"in the package, not in the install tree: {f}" for f in packed
                     if f not in tree]
        problems += check_fields(deb, version)
        problems += check_lintian(deb)
    for problem in problems:
        print(problem)
    print(f"{len(problems)} problem(s) with the package")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
