"""The install tree as the tests see it: what `cmake --install` puts under a prefix."""

import pathlib
import subprocess

APP_ID = "org.vantrel.Calculator"
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)

# Every file of an install, relative to its prefix, and nothing else.
EXPECTED_FILES = sorted(
    [
        "bin/vantrel-calculator",
        "bin/vantrel-send",
        f"share/applications/{APP_ID}.desktop",
        f"share/dbus-1/interfaces/{APP_ID}.xml",
        f"share/dbus-1/services/{APP_ID}.service",
        "share/doc/vantrel-calculator/changelog.gz",
        "share/doc/vantrel-calculator/copyright",
        f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
        "share/man/man1/vantrel-calculator.1.gz",
        "share/man/man1/vantrel-send.1.gz",
        f"share/metainfo/{APP_ID}.metainfo.xml",
    ]
    + [f"share/icons/hicolor/{s}x{s}/apps/{APP_ID}.png" for s in ICON_SIZES]
)


def install(build_dir, prefix):
    """Installs the build into `prefix` and gives the prefix as a path."""
    subprocess.run(["cmake", "--install", str(build_dir), "--prefix", str(prefix)],
                   check=True, stdout=subprocess.DEVNULL)
    return pathlib.Path(prefix)


def files_under(root):
    """Every file and link under `root`, relative to it, sorted."""
    root = pathlib.Path(root)
    return sorted(p.relative_to(root).as_posix()
                  for p in root.rglob("*") if p.is_file() or p.is_symlink())


def desktop_entry(prefix):
    """The keys of the installed desktop entry's main group."""
    keys = {}
    text = (prefix / f"share/applications/{APP_ID}.desktop").read_text(encoding="utf-8")
    for line in text.splitlines()[1:]:
        if line.startswith("["):
            break
        if "=" in line and not line.startswith("#"):
            key, value = line.split("=", 1)
            keys[key] = value
    return keys
