#!/usr/bin/env python3
"""Times the program from process start to its main window on screen.

Runs the start-up probe (the program itself, quitting once the window is shown) in a copy of the
built program folder with the sample settings, many times, and prints the median. The serial port
of comm.txt is linked to a pseudo-terminal so that the port opens and no message box waits. The
probe runs in each interface language (`--lang ja`, which loads Qt's own Japanese translation, and
`--lang en`, which loads the program's English one), and an empty Qt Widgets window, timed the same
way, gives the yardstick; the three take turns, in an order that changes every round. Printed last
are what English costs over Japanese, as the median of the rounds' differences, and the ratio of
the Japanese program's median to the empty window's.

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


def shown_after_ms(command, env):
    start = time.monotonic_ns()
    shown = subprocess.run(command, env=env, check=True, capture_output=True, text=True)
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
        commands = {
            "program --lang ja": [probe, "--lang", "ja"],
            "program --lang en": [probe, "--lang", "en"],
            "empty window": [MINIMAL],
        }
        times_ms = {label: [] for label in commands}
        for round_ in range(args.runs + 1):  # the first round warms the file cache and is dropped
            order = list(commands)
            order = order[round_ % len(order):] + order[:round_ % len(order)]
            for label in order:
                times_ms[label].append(shown_after_ms(commands[label], env))

    times_ms = {label: times[1:] for label, times in times_ms.items()}
    japanese, english, empty = times_ms.values()
    print(f"start-up to window shown ({args.platform}, {args.runs} runs each)")
    for label, times in times_ms.items():
        print(summary(f"  {label:<18}", times))
    differences = [en - ja for en, ja in zip(english, japanese)]
    print(f"  English over Japanese, median of the rounds' differences "
          f"{statistics.median(differences):+.2f} ms")
    print(f"  ratio of medians (program --lang ja / empty window) "
          f"{statistics.median(japanese) / statistics.median(empty):.2f}")

if __name__ == "__main__":
    sys.exit(main())
