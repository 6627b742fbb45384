#!/usr/bin/env python3
"""Prints, per fuzz target, the executions and exec/s of a run from its committed corpus, and the
share of the files the target is for that the committed corpus alone covers: libFuzzer's edges,
and clang's source regions and branches.

    fuzz/coverage.py [--seconds 600] [--merge] [--build build-fuzz] [--source-build build-cov]
                     [TARGET ...]

libFuzzer's edges (-print_coverage=1) count every block the compiler instruments, the cleanup it
adds for exceptions that nothing in the target can throw included. The source counts come from the
targets built as corpus replays with -fprofile-instr-generate -fcoverage-mapping (see README.md)
and llvm-cov: a region is a stretch of code that runs as one, a branch one outcome of a
condition, so they count only what the code itself says.

The run works on a scratch copy of the corpus; --merge then folds into the committed corpus the
inputs it found that add coverage, before the shares are counted. A finding is written as
crash-... into the current folder. --seconds 0 skips the run and prints only the coverage.
"""
import argparse
import json
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
# A READ or VERIFY reply is 259 bytes: inputs must be allowed to hold several from the start.
RUN_OPTIONS = {"fuzz_reply": ["-len_control=0", "-max_len=1600"]}
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


def source_share(binary, corpus, fragments):
    """Regions and branches (covered, total) of the files the target is for, from a replay."""
    with tempfile.TemporaryDirectory() as scratch:
        raw = pathlib.Path(scratch) / "replay.profraw"
        merged = pathlib.Path(scratch) / "replay.profdata"
        subprocess.run([str(binary), str(corpus)], capture_output=True,
                       env={**os.environ, **ENVIRONMENT, "LLVM_PROFILE_FILE": str(raw)})
        subprocess.run(["llvm-profdata-14", "merge", "-o", str(merged), str(raw)], check=True)
        export = subprocess.run(["llvm-cov-14", "export", "-summary-only", str(binary),
                                 f"-instr-profile={merged}"],
                                capture_output=True, text=True, check=True)
    counts = {"regions": [0, 0], "branches": [0, 0]}
    for entry in json.loads(export.stdout)["data"][0]["files"]:
        name = os.path.normpath(entry["filename"])
        if not any(fragment in name for fragment in fragments):
            continue
        for kind, count in counts.items():
            count[0] += entry["summary"][kind]["covered"]
            count[1] += entry["summary"][kind]["count"]
    return counts["regions"], counts["branches"]


def share(covered, total):
    return f"{100 * covered / total:.0f} % ({covered}/{total})" if total else "-"


def fuzz_run(binary, corpus, seconds, options, merge):
    with tempfile.TemporaryDirectory() as scratch:
        work = pathlib.Path(scratch) / "corpus"
        shutil.copytree(corpus, work)
        before = set(pathlib.Path.cwd().glob("crash-*"))
        output = run([str(binary), f"-max_total_time={seconds}", *OPTIONS, *options, str(work)])
        findings = [p.name for p in set(pathlib.Path.cwd().glob("crash-*")) - before]
        if merge and not findings:
            run([str(binary), "-merge=1", *OPTIONS, *options, str(corpus), str(work)])
        for line in output.stderr.splitlines():
            match = DONE.match(line)
            if match:
                return int(match.group(1)), int(match.group(2)), findings
        return None, None, findings or ["(no DONE line: it stopped)"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--seconds", type=int, default=600)
    parser.add_argument("--merge", action="store_true")
    parser.add_argument("--build", default="build-fuzz")
    parser.add_argument("--source-build", default="build-cov")
    parser.add_argument("targets", nargs="*", default=list(TARGETS))
    arguments = parser.parse_args()
    print(f"| target | executions in {arguments.seconds} s | exec/s | libFuzzer edges | "
          "source regions | source branches |")
    print("|---|---:|---:|---:|---:|---:|")
    for target in arguments.targets:
        binary = ROOT / arguments.build / "fuzz" / target
        corpus = ROOT / "fuzz" / "corpus" / target
        executions = speed = "-"
        findings = []
        if arguments.seconds > 0:
            executions, speed, findings = fuzz_run(binary, corpus, arguments.seconds,
                                                   RUN_OPTIONS.get(target, []), arguments.merge)
        edges = edge_share(binary, corpus, TARGETS[target])
        regions, branches = source_share(ROOT / arguments.source_build / "fuzz" / target, corpus,
                                         TARGETS[target])
        note = f" FINDINGS: {', '.join(findings)}" if findings else ""
        print(f"| `{target}` | {executions} | {speed} | {share(*edges)} | {share(*regions)} | "
              f"{share(*branches)} |{note}", flush=True)


if __name__ == "__main__":
    main()
