#!/usr/bin/env python3
"""Times `tavelin-cli convert` of a 128 KiB image, binary to Intel HEX and to S-records and back,
as whole processes against objcopy (binutils) and srec_cat (srecord) on the same files.

Every tool converts the same random image (fixed seed), the same HEX file (written by objcopy) and
the same S-record file (written by srec_cat). The runs go round-robin, so a change of load on the
machine reaches every tool alike. The script prints the median wall time and the median CPU time
(user + system) of each tool and the ratio of tavelin-cli to each other tool. Beside them it times
two floors, when they are built: the one under any tavelin-cli command, a process that only loads
Qt Core (bench/minimal_core_probe.cpp), and the one under any process, a C main that loads
nothing (bench/empty_probe.c). The goal: tavelin-cli's time above its floor is at most
srec_cat's above its own.

    bench/convert_time.py [--runs N] [--cli build/program/tavelin-cli]
                          [--floor build/bench/minimal_core_probe] [--empty build/bench/empty_probe]
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
SIZE = 128 * 1024


CORE_FLOOR = "Qt Core only"
EMPTY_FLOOR = "empty C main"
# The text formats converted: their name, objcopy's name, srec_cat's option and the extension.
FORMATS = (("HEX", "ihex", "-intel", "hex"), ("S-record", "srec", "-motorola", "s28"))
BINARY = ("bin", "binary", "-binary", "bin")


def commands(cli, floors, folder):
    f = lambda name: os.path.join(folder, name)

    def tools(source, target):
        (_, source_bfd, source_option, source_ext) = source
        (_, target_bfd, target_option, target_ext) = target
        image = f(f"image.{source_ext}")
        return {
            "tavelin-cli": [cli, "convert", image, f(f"cli.{target_ext}")],
            "objcopy": ["objcopy", "-I", source_bfd, "-O", target_bfd, image,
                        f(f"objcopy.{target_ext}")],
            "srec_cat": ["srec_cat", image, source_option, "-o", f(f"srec.{target_ext}"),
                         target_option],
            **floors,
        }

    directions = {}
    for text in FORMATS:
        directions[f"bin->{text[0]}"] = tools(BINARY, text)
        directions[f"{text[0]}->bin"] = tools(text, BINARY)
    return directions


def run_once(command):
    """Wall and CPU seconds of one whole process."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    error = process.stderr.read()
    process.stderr.close()
    if status != 0:
        sys.exit(f"failed: {' '.join(command)}\n{error.decode(errors='replace')}")
    return wall, usage.ru_utime + usage.ru_stime


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=41)
    parser.add_argument("--cli", default=os.path.join(ROOT, "build", "program", "tavelin-cli"))
    parser.add_argument("--floor", default=os.path.join(ROOT, "build", "bench", "minimal_core_probe"))
    parser.add_argument("--empty", default=os.path.join(ROOT, "build", "bench", "empty_probe"))
    args = parser.parse_args()
    for tool in ("objcopy", "srec_cat"):
        if shutil.which(tool) is None:
            sys.exit(f"{tool} is missing: scripts/install-packages.sh installs it")

    with tempfile.TemporaryDirectory() as folder:
        image = bytearray(random.Random(1024).randbytes(SIZE))
        image[0], image[-1] = 0x00, 0x00  # both ends data, so every tool covers the same span
        with open(os.path.join(folder, "image.bin"), "wb") as out:
            out.write(image)
        subprocess.run(["objcopy", "-I", "binary", "-O", "ihex",
                        os.path.join(folder, "image.bin"), os.path.join(folder, "image.hex")],
                       check=True)
        subprocess.run(["srec_cat", os.path.join(folder, "image.bin"), "-binary",
                        "-o", os.path.join(folder, "image.s28"), "-motorola"], check=True)

        print(f"convert of a {SIZE // 1024} KiB image, median of {args.runs} runs, round-robin")
        floors = {name: [os.path.abspath(path)]
                  for name, path in ((CORE_FLOOR, args.floor), (EMPTY_FLOOR, args.empty))
                  if os.path.exists(path)}
        for direction, tools in commands(os.path.abspath(args.cli), floors, folder).items():
            for command in tools.values():  # warm the page cache and the dynamic loader
                run_once(command)
            times = {tool: [] for tool in tools}
            for run in range(args.runs):
                names = list(tools)
                for tool in names[run % len(names):] + names[:run % len(names)]:
                    times[tool].append(run_once(tools[tool]))
            wall = {t: statistics.median(w for w, _ in times[t]) * 1000 for t in tools}
            cpu = {t: statistics.median(c for _, c in times[t]) * 1000 for t in tools}
            print(f"\n{direction}")
            for tool in tools:
                print(f"  {tool:12} wall {wall[tool]:7.2f} ms   cpu {cpu[tool]:7.2f} ms")
            for subject in ("tavelin-cli", CORE_FLOOR) if CORE_FLOOR in floors else ("tavelin-cli",):
                for other in ("objcopy", "srec_cat"):
                    print(f"  {subject:12} / {other:9} wall {wall[subject] / wall[other]:5.2f}"
                          f"   cpu {cpu[subject] / cpu[other]:5.2f}")
            if len(floors) == 2:
                for name, median in (("wall", wall), ("cpu", cpu)):
                    ours = median["tavelin-cli"] - median[CORE_FLOOR]
                    theirs = median["srec_cat"] - median[EMPTY_FLOOR]
                    print(f"  {name:4} tavelin-cli - {CORE_FLOOR} {ours:6.2f} ms, srec_cat - "
                          f"{EMPTY_FLOOR} {theirs:6.2f} ms: goal {'met' if ours <= theirs else 'missed'}")
            # Each direction's output is checked before the next one overwrites it.
            output = tools["tavelin-cli"][-1]
            if output.endswith(".bin"):
                with open(output, "rb") as back:
                    if back.read() != bytes(image):
                        sys.exit(f"tavelin-cli's {direction} output differs from the image")


if __name__ == "__main__":
    main()
