#!/usr/bin/env python3
"""Times the program from process start to its main window on screen.

Runs the start-up probe (the program itself, quitting once the window is shown) in a copy of the
built program folder with the sample settings, many times, and prints the median. The serial port
of comm.txt is linked to a pseudo-terminal so that the port opens and no message box waits. An
empty Qt Widgets window, timed the same way in turns with the program, gives the yardstick; the
ratio of the two medians is printed last.

    bench/startup_time.py [--runs N] [--platform offscreen|xcb]
"""
import argparse
import os
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
from program_copy import program_copy  # noqa: E402
PROGRAM = os.path.join(ROOT, "build", "program")
MINIMAL = os.path.join(ROOT, "build", "bench", "minimal_window_probe")


def shown_after_ms(probe, env):
    start = time.monotonic_ns()
    shown = subprocess.run([probe], env=env, check=True, capture_output=True, text=True)
    return (int(shown.stdout.split()[0]) - start) / 1e6


def summary(label, times_ms):
    return (f"{label}: median {statistics.median(times_ms):.1f} ms, "
            f"min {min(times_ms):.1f} ms, max {max(times_ms):.1f} ms")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--platform", default="offscreen")
    args = parser.parse_args()

    if not all(os.path.exists(p) for p in (os.path.join(PROGRAM, "tavelin_startup_probe"), MINIMAL)):
        subprocess.run([os.path.join(ROOT, "scripts", "build.sh")], check=True)

    with program_copy(PROGRAM) as folder:
        env = dict(os.environ, QT_QPA_PLATFORM=args.platform)
        probe = os.path.join(folder, "tavelin_startup_probe")
        program_ms, minimal_ms = [], []
        for _ in range(args.runs + 1):  # the first round warms the file cache and is dropped
            program_ms.append(shown_after_ms(probe, env))
            minimal_ms.append(shown_after_ms(MINIMAL, env))

    program_ms, minimal_ms = program_ms[1:], minimal_ms[1:]
    print(f"start-up to window shown ({args.platform}, {args.runs} runs each)")
    print(summary("  program       ", program_ms))
    print(summary("  empty window  ", minimal_ms))
    print(f"  ratio of medians {statistics.median(program_ms) / statistics.median(minimal_ms):.2f}")


if __name__ == "__main__":
    sys.exit(main())
