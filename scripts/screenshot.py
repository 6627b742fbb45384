#!/usr/bin/env python3
"""Renews docs/main-window.png, the main window at start with the sample settings and data,
docs/editing.png, the same window with a find's match shown as a range and the find box open, and
docs/main-window-en.png, the main window at start in English.

Runs the screenshot tool on the offscreen platform in a copy of the built program folder, with a
pseudo-terminal standing in for the board so that the port opens as with a board attached.
"""
import os
import subprocess
import sys

from program_copy import program_copy

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROGRAM = os.path.join(ROOT, "build", "program")
# Each run: the interface language, then the pictures it takes.
RUNS = [("ja", ["main-window.png", "editing.png"]), ("en", ["main-window-en.png"])]


def main():
    subprocess.run([os.path.join(ROOT, "scripts", "build.sh")], check=True)
    with program_copy(PROGRAM) as folder:
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        for language, names in RUNS:
            targets = [os.path.join(ROOT, "docs", name) for name in names]
            subprocess.run([os.path.join(folder, "tavelin_screenshot"), "--lang", language,
                            *targets], env=env, check=True)
            for target in targets:
                print(f"wrote {os.path.relpath(target, ROOT)}")


if __name__ == "__main__":
    sys.exit(main())
