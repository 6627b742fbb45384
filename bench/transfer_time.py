#!/usr/bin/env python3
"""Times whole-memory READ, VERIFY and WRITE of the real program against the board emulator.

The program runs headless (offscreen) in a copy of the built program folder, on a 24C1024 whose
512 blocks hold random bytes (every block different). The emulator stands on the port of
comm.txt; with --baud it takes as long as the line would. For each operation the script prints
the median time, the line bound (10 bits a byte, 263 bytes a READ or VERIFY block and 518 a
WRITE block, plus the configuration exchange) and their ratio; unthrottled, the time a block.

Then the same against our own firmware in the simulator (avr-board --realtime, a 24C1024 in the
socket). Its UART runs at what the firmware's divider gives (16 MHz / 8 / 17 = 117647 baud for
115200) and counts 11 bits a byte, so its times are put beside both bounds: the line's and the
simulator's. A WRITE also waits out 512 write cycles of 5 ms, which neither bound holds.

    bench/transfer_time.py [--runs N] [--baud 115200] [--device 24C1024]
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
import tty

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROGRAM = os.path.join(ROOT, "build", "program")
EMULATOR = os.path.join(ROOT, "build", "tools", "writer-sim", "writer-sim")
AVR_BOARD = os.path.join(ROOT, "build", "tools", "avr-board", "avr-board")
AVR_BAUD = 16_000_000 / 8 / 17  # U2X, UBRR 16: the firmware's speed for 115200
BYTES_A_BLOCK = {"READ": 4 + 259, "VERIFY": 4 + 259, "WRITE": 259 + 259}
CONFIG_EXCHANGE = 15 + 15


def line_bound_s(operation, blocks, baud, bits=10):
    return (blocks * BYTES_A_BLOCK[operation] + CONFIG_EXCHANGE) * bits / baud


def emulator_alone_s(scratch, blocks, baud):
    """A client that asks for the next block the moment a reply is complete: the emulator's own
    pacing, which the program's times are compared with."""
    link = os.path.join(scratch, "alone")
    emulator = subprocess.Popen([EMULATOR, "--link", link, "--baud", str(baud)],
                                stdout=subprocess.PIPE)
    try:
        emulator.stdout.readline()
        line = os.open(link, os.O_RDWR | os.O_NOCTTY)
        tty.setraw(line)
        start = time.monotonic()
        for _ in range(blocks):
            os.write(line, bytes([0xA1, 0x00, 0xAC, 0xAC]))
            received = 0
            while received < 259:
                received += len(os.read(line, 259 - received))
        elapsed = time.monotonic() - start
        os.close(line)
    finally:
        emulator.terminate()
        emulator.wait()
    return elapsed


def run_once(folder, image, board_options, device):
    port = open(os.path.join(folder, "設定", "comm.txt"), "rb").readline().strip().decode()
    link = os.path.join(folder, "設定", "COM" + port)
    if os.path.lexists(link):
        os.remove(link)
    command = board_options[:1] + ["--link", link, "--image", image] + board_options[1:]
    emulator = subprocess.Popen(command, stdout=subprocess.PIPE)
    try:
        emulator.stdout.readline()  # the terminal's path: the link is in place
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        probe = subprocess.run([os.path.join(folder, "tavelin_transfer_probe"), device],
                               env=env, check=True, capture_output=True, text=True, timeout=900)
    finally:
        emulator.terminate()
        emulator.wait()
    times = {}
    for line in probe.stdout.splitlines():
        operation, ms, message = line.split(" ", 2)
        if not message.startswith("All "):
            sys.exit(f"{operation} ended with: {message}")
        times[operation] = float(ms) / 1000
    return times


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--baud", type=int, default=115200)
    parser.add_argument("--device", default="24C1024")
    parser.add_argument("--blocks", type=int, default=512)
    args = parser.parse_args()

    if not os.path.exists(os.path.join(PROGRAM, "tavelin_transfer_probe")):
        subprocess.run([os.path.join(ROOT, "scripts", "build.sh")], check=True)

    with tempfile.TemporaryDirectory() as scratch:
        folder = os.path.join(scratch, "program")
        shutil.copytree(PROGRAM, folder, symlinks=True)
        image = os.path.join(scratch, "chip.bin")
        with open(image, "wb") as out:
            out.write(random.Random(1).randbytes(131072))

        alone = statistics.median(
            emulator_alone_s(scratch, args.blocks, args.baud) for _ in range(args.runs))
        bound = args.blocks * BYTES_A_BLOCK["READ"] * 10 / args.baud
        print(f"emulator alone, {args.blocks} block requests at {args.baud} baud: {alone:.2f} s, "
              f"line bound {bound:.2f} s, ratio {alone / bound:.4f}")

        for baud in (args.baud, 0):
            board = [EMULATOR] + (["--baud", str(baud)] if baud else [])
            runs = [run_once(folder, image, board, args.device) for _ in range(args.runs)]
            label = f"{baud} baud" if baud else "unthrottled"
            print(f"{args.device}, {args.blocks} blocks, {label}, median of {args.runs} runs:")
            for operation in ("READ", "VERIFY", "WRITE"):
                median = statistics.median(run[operation] for run in runs)
                if baud:
                    bound = line_bound_s(operation, args.blocks, baud)
                    print(f"  {operation:6} {median:7.2f} s   line bound {bound:6.2f} s   "
                          f"ratio {median / bound:.3f}")
                else:
                    print(f"  {operation:6} {median:7.2f} s   {median / args.blocks * 1000:.2f} ms a block")

        if args.device != "24C1024" or args.baud != 115200:
            return
        board = [AVR_BOARD, "--chip", "24C1024", "--realtime"]
        runs = [run_once(folder, image, board, args.device) for _ in range(args.runs)]
        print(f"avr-board --realtime (our firmware, {AVR_BAUD:.0f} baud), {args.blocks} blocks, "
              f"median of {args.runs} runs:")
        for operation in ("READ", "VERIFY", "WRITE"):
            median = statistics.median(run[operation] for run in runs)
            line = line_bound_s(operation, args.blocks, args.baud)
            simulated = line_bound_s(operation, args.blocks, AVR_BAUD, bits=11)
            print(f"  {operation:6} {median:7.2f} s   line bound {line:6.2f} s (ratio "
                  f"{median / line:.3f})   simulator's bound {simulated:6.2f} s (ratio "
                  f"{median / simulated:.3f})")


if __name__ == "__main__":
    sys.exit(main())
