#!/usr/bin/env python3
"""Prints, per fuzz target, the executions and exec/s of a run from its committed corpus, and the
share of edges the committed corpus alone covers in the files the target is for.

    fuzz/coverage.py [--seconds 600] [--build build-fuzz] [TARGET ...]

The run works on a scratch copy of the corpus, so the committed folder stays as it is; a finding is
written as crash-... into the current folder. --seconds 0 skips the run and prints only the
coverage.
"""
import argparse
import os
import pathlib
import re
import shutil
import subprocess
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent

# The sources each target is for, as path fragments.
TARGETS = {
    "fuzz_text_file": ["src/files/TextFormat.cpp"],
    "fuzz_hex_file": ["src/files/HexFormat.cpp"],
    "fuzz_binary_file": ["src/files/BinaryFormat.cpp"],
    "fuzz_srec_file": ["src/files/SRecordFormat.cpp"],
    "fuzz_round_trip": ["src/files/TextFormat.cpp", "src/files/HexFormat.cpp",
                        "src/files/BinaryFormat.cpp", "src/files/SRecordFormat.cpp"],
    "fuzz_settings_file": ["src/core/SettingsFiles.cpp", "src/device/"],
    "fuzz_reply": ["src/link/"],
    "fuzz_typed_text": ["src/editor/EntryBox.cpp", "src/editor/EntryData.cpp",
                        "src/editor/AddressText.cpp", "src/core/HexText.cpp"],
    "fuzz_command_line": ["app/cli/CliOptions.cpp"],
    "fuzz_paste": ["src/editor/ClipboardText.cpp", "src/editor/FindBytes.cpp",
                   "src/editor/HexBytes.cpp"],
}

FUNCTION = re.compile(r"^(?:UN)?COVERED_FUNC: hits: \d+ edges: (\d+)/(\d+) .* (\S+):\d+$")
DONE = re.compile(r"^#(\d+)\s+DONE .*exec/s: (\d+)")
OPTIONS = ["-rss_limit_mb=4096"]
ENVIRONMENT = {"ASAN_OPTIONS": "detect_leaks=0", "UBSAN_OPTIONS": "halt_on_error=1"}


def run(command):
    return subprocess.run(command, capture_output=True, text=True,
                          env={**os.environ, **ENVIRONMENT})


def edge_share(binary, corpus, fragments):
    output = run([str(binary), "-runs=0", "-print_coverage=1", *OPTIONS, str(corpus)])
    covered = total = 0
    for line in (output.stdout + output.stderr).splitlines():
        match = FUNCTION.match(line)
        if match and any(fragment in match.group(3) for fragment in fragments):
            covered += int(match.group(1))
            total += int(match.group(2))
    return covered, total


def fuzz_run(binary, corpus, seconds):
    with tempfile.TemporaryDirectory() as scratch:
        work = pathlib.Path(scratch) / "corpus"
        shutil.copytree(corpus, work)
        before = set(pathlib.Path.cwd().glob("crash-*"))
        output = run([str(binary), f"-max_total_time={seconds}", *OPTIONS, str(work)])
        findings = [p.name for p in set(pathlib.Path.cwd().glob("crash-*")) - before]
        for line in output.stderr.splitlines():
            match = DONE.match(line)
            if match:
                return int(match.group(1)), int(match.group(2)), findings
        return None, None, findings or ["(no DONE line: it stopped)"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--seconds", type=int, default=600)
    parser.add_argument("--build", default="build-fuzz")
    parser.add_argument("targets", nargs="*", default=list(TARGETS))
    arguments = parser.parse_args()
    print(f"| target | executions in {arguments.seconds} s | exec/s | corpus edges covered |")
    print("|---|---:|---:|---:|")
    for target in arguments.targets:
        binary = ROOT / arguments.build / "fuzz" / target
        corpus = ROOT / "fuzz" / "corpus" / target
        covered, total = edge_share(binary, corpus, TARGETS[target])
        executions = speed = "-"
        findings = []
        if arguments.seconds > 0:
            executions, speed, findings = fuzz_run(binary, corpus, arguments.seconds)
        share = f"{100 * covered / total:.0f} % ({covered}/{total})" if total else "-"
        note = f" FINDINGS: {', '.join(findings)}" if findings else ""
        print(f"| `{target}` | {executions} | {speed} | {share} |{note}", flush=True)


if __name__ == "__main__":
    main()
