#!/usr/bin/env python3
"""Times the Windows build under Wine beside the Linux build, in the same run.

Whole-memory READ and WRITE of a 24C1024 (random bytes) by the Windows tavelin-cli under Wine and
by the Linux tavelin-cli, in turns, against the same writer-sim --baud 115200 on Wine's COM1.
Wine is kept warm (a persistent wineserver), so its times hold what a Windows user pays: the
process start and the serial stack. Prints the medians and the ratio Wine / Linux.

Then the start-up of the window program on Xvfb with a window manager (without one, Wine waits
seconds for it): the start-up probe (the program itself, quitting once its window is shown),
cross-built and run under warm Wine with the windows platform, beside the Linux one with xcb, and
an empty Qt Widgets window timed the same way on each; process start to exit, medians and ratios.

Needs the Linux build (build/) and the Windows build (scripts/windows/build.sh).

    bench/windows_time.py [--runs N] [--baud 115200]
"""
import argparse
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
EMULATOR = os.path.join(ROOT, "build", "tools", "writer-sim", "writer-sim")
LINUX_CLI = os.path.join(ROOT, "build", "program", "tavelin-cli")
LINUX_PROBE = os.path.join(ROOT, "build", "program", "tavelin_startup_probe")
LINUX_EMPTY = os.path.join(ROOT, "build", "bench", "minimal_window_probe")
WINDOWS = os.path.join(ROOT, "build-windows")
WINE_ENV = os.path.join(ROOT, "scripts", "windows", "wine-env.sh")


def wine_environment():
    """The variables wine-env.sh sets, and the 64-bit loader it picks."""
    printed = subprocess.run(["bash", "-c", f'source "{WINE_ENV}" && echo "$wine" && env -0'],
                             check=True, capture_output=True, text=True).stdout
    wine, variables = printed.split("\n", 1)
    env = dict(item.split("=", 1) for item in variables.split("\0") if "=" in item)
    return wine, env


def timed_s(command, env, cwd):
    start = time.monotonic()
    subprocess.run(command, env=env, cwd=cwd, check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
    return time.monotonic() - start


def summary(label, times):
    return f"{label} median {statistics.median(times):7.2f} s (min {min(times):.2f}, max {max(times):.2f})"


def board_on_com1(args, wine, wine_env, program):
    """writer-sim on a pseudo-terminal that is COM1 to both: Wine's registry and the Linux
    program's 設定/COM1 link lead to it."""
    link = os.path.join(wine_env["WINEPREFIX"], "ports", "COM1")
    os.makedirs(os.path.dirname(link), exist_ok=True)
    subprocess.run([wine, "reg", "add", r"HKLM\Software\Wine\Ports", "/v", "COM1", "/d", link,
                    "/f"], env=wine_env, check=True, capture_output=True)
    subprocess.run(["wineserver", "-k"], env=wine_env)  # the ports are mapped when Wine starts
    os.symlink(link, os.path.join(program, "設定", "COM1"))
    emulator = subprocess.Popen([EMULATOR, "--link", link, "--baud", str(args.baud)],
                                stdout=subprocess.PIPE)
    emulator.stdout.readline()
    return emulator


def transfers(args, wine, wine_env, program, scratch):
    with open(os.path.join(scratch, "chip.bin"), "wb") as out:
        out.write(random.Random(1).randbytes(131072))
    # A server that stays for the whole run: every start below is a warm one.
    subprocess.run(["wineserver", "-p"], env=wine_env, check=True)
    try:
        common = ["--progress=none", "--port", "1", "--baud", str(args.baud)]
        commands = {
            "READ": ["read", "--device", "24C1024", "-o", "read.bin"],
            "WRITE": ["write", "--device", "24C1024", "-i", "chip.bin"],
        }
        faces = {
            "Linux": [LINUX_CLI, "--folder", program] + common,
            "Wine": [wine, os.path.join(program, "tavelin-cli.exe")] + common,
        }
        env = {"Linux": dict(os.environ), "Wine": wine_env}
        times = {(face, op): [] for face in faces for op in commands}
        subprocess.run(faces["Wine"] + ["blank", "--device", "24C02"], env=wine_env, cwd=scratch,
                       stdout=subprocess.DEVNULL)  # loads the DLLs once
        for _ in range(args.runs):
            for op, command in commands.items():
                for face in faces:
                    times[(face, op)].append(timed_s(faces[face] + command, env[face], scratch))
    finally:
        subprocess.run(["wineserver", "-k"], env=wine_env)
    print(f"24C1024, whole memory at {args.baud} baud, writer-sim --baud {args.baud}, "
          f"{args.runs} runs each, whole processes:")
    for op in commands:
        linux, windows = times[("Linux", op)], times[("Wine", op)]
        print(summary(f"  {op:5} Linux tavelin-cli      ", linux))
        print(summary(f"  {op:5} tavelin-cli.exe (Wine) ", windows))
        print(f"  {op:5} ratio Wine / Linux {statistics.median(windows) / statistics.median(linux):.3f}")


def startup(args, wine, wine_env, program):
    for probe in ("program/tavelin_startup_probe.exe", "minimal_window_probe.exe"):
        shutil.copy(os.path.join(WINDOWS, probe), program)
    quiet = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
    display = [subprocess.Popen(["Xvfb", ":48", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                **quiet)]
    try:
        time.sleep(1)
        display.append(subprocess.Popen(["openbox"], env=dict(os.environ, DISPLAY=":48"), **quiet))
        wine_env = dict(wine_env, DISPLAY=":48")
        linux_env = dict(os.environ, DISPLAY=":48", QT_QPA_PLATFORM="xcb")
        subprocess.run(["wineserver", "-p"], env=wine_env, check=True)
        faces = {
            ("program", "Linux"): ([os.path.join(program, "tavelin_startup_probe")], linux_env),
            ("program", "Wine"): ([wine, os.path.join(program, "tavelin_startup_probe.exe")],
                                  wine_env),
            ("empty window", "Linux"): ([LINUX_EMPTY], linux_env),
            ("empty window", "Wine"): ([wine, os.path.join(program, "minimal_window_probe.exe")],
                                       wine_env),
        }
        times = {face: [] for face in faces}
        for run in range(args.starts + 1):  # the first round warms the caches and is dropped
            for face, (command, env) in faces.items():
                elapsed = timed_s(command, env, program)
                if run:
                    times[face].append(elapsed * 1000)
    finally:
        subprocess.run(["wineserver", "-k"], env=wine_env)
        for process in reversed(display):
            process.terminate()
            process.wait()
    print(f"start-up on Xvfb with openbox, process start to exit once the window is shown "
          f"(Linux xcb, Wine windows platform), {args.starts} runs each:")
    median = {face: statistics.median(ms) for face, ms in times.items()}
    for (what, system), ms in times.items():
        print(f"  {what:12} {system:5} median {median[(what, system)]:6.0f} ms "
              f"(min {min(ms):.0f}, max {max(ms):.0f})")
    for what in ("program", "empty window"):
        print(f"  {what:12} ratio Wine / Linux "
              f"{median[(what, 'Wine')] / median[(what, 'Linux')]:.2f}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--starts", type=int, default=11)
    parser.add_argument("--baud", type=int, default=115200)
    args = parser.parse_args()

    version = next(line.split("=", 1)[1].strip()
                   for line in open(os.path.join(WINDOWS, "CMakeCache.txt"), encoding="utf-8")
                   if line.startswith("CMAKE_PROJECT_VERSION:STATIC="))
    bundle = os.path.join(WINDOWS, f"tavelin-{version}-win64")
    wine, wine_env = wine_environment()
    with tempfile.TemporaryDirectory() as scratch:
        # The zip's folder, with the Linux programs beside the Windows ones on the same settings.
        program = os.path.join(scratch, "program")
        shutil.copytree(bundle, program)
        shutil.copy(LINUX_PROBE, program)
        emulator = board_on_com1(args, wine, wine_env, program)
        try:
            transfers(args, wine, wine_env, program, scratch)
            startup(args, wine, wine_env, program)
        finally:
            subprocess.run(["wineserver", "-k"], env=wine_env)  # before the terminal's owner
            emulator.terminate()
            emulator.wait()


if __name__ == "__main__":
    sys.exit(main())
