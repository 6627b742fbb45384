#!/usr/bin/env python3
"""Renews docs/main-window.png: the main window at start with the sample settings and data.

Runs the screenshot tool on the offscreen platform in a copy of the built program folder, with a
pseudo-terminal standing in for the board so that the port opens as with a board attached.
"""
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROGRAM = os.path.join(ROOT, "build", "program")
TARGET = os.path.join(ROOT, "docs", "main-window.png")


def main():
    subprocess.run([os.path.join(ROOT, "scripts", "build.sh")], check=True)
    with tempfile.TemporaryDirectory() as scratch:
        folder = os.path.join(scratch, "program")
        shutil.copytree(PROGRAM, folder, symlinks=True)
        master, slave = os.openpty()
        link = os.path.join(folder, "設定", "COM1")
        if os.path.lexists(link):
            os.remove(link)
        os.symlink(os.ttyname(slave), link)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        subprocess.run([os.path.join(folder, "tavelin_screenshot"), TARGET], env=env, check=True)
        os.close(master)
        os.close(slave)
    print(f"wrote {os.path.relpath(TARGET, ROOT)}")


if __name__ == "__main__":
    sys.exit(main())
