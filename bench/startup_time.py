#!/usr/bin/env python3
"""Times the program from process start to the first paint of its main window.

Runs the start-up probe (the program itself, quitting once its main window has been painted) in a
copy of the built program folder with the sample settings, many times, and prints the medians.
The serial port of comm.txt is linked to a pseudo-terminal so that the port opens and no message
box waits. Timed the same way, in turns whose order changes every round:

- the program in each interface language (`--lang ja`, which loads Qt's own Japanese translation,
  and `--lang en`, which loads the program's English one);
- the floor: a window of nothing but 256 named line edits in a 16 x 16 grid;
- an empty Qt Widgets window.

Printed last: the program's ratios to the floor and to the empty window, the ratio to the floor
again as the median of the rounds' ratios (steadier on a shared machine), what English costs over
Japanese (the median of the rounds' differences), the resident memory of the program and of the
floor once idle, and tavelin-cli devices beside a process that only loads Qt Core.

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
BENCH = os.path.join(ROOT, "build", "bench")


def painted_after_ms(command, env):
    start = time.monotonic_ns()
    painted = subprocess.run(command, env=env, check=True, capture_output=True, text=True)
    return (int(painted.stdout.split()[0]) - start) / 1e6


def idle_resident_mib(command, env):
    idle = subprocess.run(command, env=dict(env, TAVELIN_PROBE_IDLE_MS="1000"), check=True,
                          capture_output=True, text=True)
    return int(idle.stdout.split()[1]) / 1024


def process_ms(command, env):
    start = time.monotonic_ns()
    subprocess.run(command, env=env, check=True, capture_output=True)
    return (time.monotonic_ns() - start) / 1e6


def summary(label, times_ms):
    return (f"  {label:<20}: median {statistics.median(times_ms):6.1f} ms, "
            f"min {min(times_ms):6.1f} ms, max {max(times_ms):6.1f} ms")


def interleaved(commands, runs, measure):
    """Each command `runs` times, in turns whose order shifts every round; the first round warms
    the file cache and is dropped."""
    times = {label: [] for label in commands}
    for round_ in range(runs + 1):
        order = list(commands)
        order = order[round_ % len(order):] + order[:round_ % len(order)]
        for label in order:
            times[label].append(measure(commands[label]))
    return {label: values[1:] for label, values in times.items()}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--platform", default="offscreen")
    args = parser.parse_args()

    probes = [os.path.join(PROGRAM, "tavelin_startup_probe")] + [
        os.path.join(BENCH, name) for name in
        ("line_edit_window_probe", "minimal_window_probe", "minimal_core_probe")]
    if not all(os.path.exists(p) for p in probes):
        subprocess.run([os.path.join(ROOT, "scripts", "build.sh")], check=True)
    line_edits, empty, core = probes[1:]

    with program_copy(PROGRAM) as folder:
        env = dict(os.environ, QT_QPA_PLATFORM=args.platform)
        probe = os.path.join(folder, "tavelin_startup_probe")
        windows = {
            "program --lang ja": [probe, "--lang", "ja"],
            "program --lang en": [probe, "--lang", "en"],
            "256 line edits": [line_edits],
            "empty window": [empty],
        }
        times = interleaved(windows, args.runs, lambda command: painted_after_ms(command, env))
        resident = {label: idle_resident_mib(windows[label], env)
                    for label in ("program --lang ja", "256 line edits")}
        cli = os.path.join(folder, "tavelin-cli")
        processes = interleaved({"tavelin-cli devices": [cli, "devices"], "Qt Core only": [core]},
                                args.runs, lambda command: process_ms(command, env))

    print(f"start-up to the main window's first paint ({args.platform}, {args.runs} runs each)")
    for label, values in times.items():
        print(summary(label, values))
    median = {label: statistics.median(values) for label, values in times.items()}
    japanese = median["program --lang ja"]
    print(f"  program / 256 line edits  {japanese / median['256 line edits']:.2f}")
    # Both ran within the same round, so a slow stretch of a shared machine slows both.
    paired = [ja / floor for ja, floor in zip(times["program --lang ja"], times["256 line edits"])]
    print(f"  program / 256 line edits, median of the rounds' ratios  {statistics.median(paired):.2f}")
    print(f"  program / empty window    {japanese / median['empty window']:.2f}")
    differences = [en - ja for en, ja in zip(times["program --lang en"], times["program --lang ja"])]
    print(f"  English over Japanese, median of the rounds' differences "
          f"{statistics.median(differences):+.2f} ms")
    print("resident memory once idle")
    for label, mib in resident.items():
        print(f"  {label:<20}: {mib:.1f} MiB")
    print(f"whole process ({args.runs} runs each)")
    for label, values in processes.items():
        print(summary(label, values))
    print(f"  tavelin-cli devices / Qt Core only  "
          f"{statistics.median(processes['tavelin-cli devices']) / statistics.median(processes['Qt Core only']):.2f}")


if __name__ == "__main__":
    sys.exit(main())
