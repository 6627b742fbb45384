#!/usr/bin/env bash
# The Windows program, as its zip holds it, under Wine against the Linux board emulator.
#
#     wine_e2e.sh PROGRAM_FOLDER WRITER_SIM LINUX_CLI PROBE_EXE OUT_FOLDER
#
# PROGRAM_FOLDER is the unpacked zip; it is copied below a folder whose name holds Japanese and a
# space. writer-sim stands on a pseudo-terminal that Wine's registry maps as COM1. The Linux
# tavelin-cli makes the expected files, PROBE_EXE tells where the window's controls lie, and
# OUT_FOLDER receives the screenshot of the window.
#
# Not shown here: a port another process holds. Windows refuses the second open (Qt opens ports
# without sharing), but Wine applies no sharing to serial devices, and root opens a terminal in
# exclusive mode all the same.
set -euo pipefail
bundle=$1 sim=$2 linux_cli=$3 probe=$4 out=$5
source "$(dirname "$0")/../../scripts/windows/wine-env.sh"

scratch=$(mktemp -d)
program="$scratch/山田 太郎/tavelin"
mkdir -p "$(dirname "$program")" "$out"
cp -r "$bundle" "$program"
ports=$WINEPREFIX/ports  # the registry names these links, so they keep their paths between runs
mkdir -p "$ports"
boards=()
display=()
windows_programs=()

stop_all() {
  wineserver -k 2>/dev/null || true  # before the terminals' owners, or wineserver gets SIGHUP
  local pid
  for pid in "${windows_programs[@]}"; do wait "$pid" 2>/dev/null || true; done
  for pid in "${boards[@]}" "${display[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  boards=() display=() windows_programs=()
}
trap 'stop_all; rm -rf "$scratch"' EXIT

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# start_board COM OPTIONS…: writer-sim on the link Wine maps as COM<n>.
start_board() {
  local com=$1
  shift
  local ready=$scratch/ready-$com
  "$sim" --link "$ports/$com" "$@" >"$ready" &
  boards+=($!)
  for _ in $(seq 100); do [ -s "$ready" ] && return; sleep 0.05; done
  fail "writer-sim for $com did not start"
}

cli() { (cd "$scratch" && "$wine" "$program/tavelin-cli.exe" --progress=none "$@"); }

# expect STATUS DESCRIPTION COMMAND…: runs the Windows tavelin-cli and checks its exit status.
expect() {
  local status=$1 what=$2
  shift 2
  local got=0
  cli "$@" >"$scratch/stdout" 2>"$scratch/stderr" || got=$?
  if [ "$got" -ne "$status" ]; then
    fail "$what: exit $got, expected $status: $(head -c 300 "$scratch/stderr")"
  fi
}

same_bytes() { cmp -s "$1" "$2" || fail "$3: $1 and $2 differ"; }

"$wine" reg add 'HKLM\Software\Wine\Ports' /v COM1 /d "$ports/COM1" /f >/dev/null
wineserver -k 2>/dev/null || true  # the ports are mapped when Wine starts

# Varied data: random bytes over a 24C1024, every byte value over a 24C02, in three file formats.
python3 - "$scratch" <<'EOF'
import random, sys
folder = sys.argv[1]
big = bytearray(random.Random(24).randbytes(131072))
open(f"{folder}/big.bin", "wb").write(big)
big[0x1FFFF] ^= 0x01
open(f"{folder}/big-changed.bin", "wb").write(big)
open(f"{folder}/small.bin", "wb").write(bytes(range(256)))
open(f"{folder}/chip.bin", "wb").write(random.Random(2).randbytes(131072))
EOF
"$linux_cli" convert "$scratch/big.bin" "$scratch/big-expected.hex"
"$linux_cli" convert "$scratch/small.bin" "$scratch/small.txt" --format text

echo "24C1024: blank, write --verify, read, verify, diff against the emulator's bytes"
start_board COM1 --save "$scratch/saved-big.bin"
expect 0 "blank of an erased chip" --port 1 blank --device 24C1024
expect 0 "write --verify" --port 1 write --device 24C1024 -i big.bin --verify
expect 0 "read" --port 1 read --device 24C1024 -o read.hex
same_bytes "$scratch/read.hex" "$scratch/big-expected.hex" "HEX file read, against Linux's"
expect 0 "verify" --port 1 verify --device 24C1024 -i big.bin
expect 1 "verify against a changed file" --port 1 verify --device 24C1024 -i big-changed.bin
grep -q 1FFFF "$scratch/stdout" "$scratch/stderr" || fail "verify does not name address 1FFFF"
expect 1 "blank of a written chip" --port 1 blank --device 24C1024
expect 0 "diff of the read file and the written one" diff read.hex big.bin --device 24C1024
expect 1 "diff against a changed file" diff read.hex big-changed.bin --device 24C1024
stop_all
same_bytes "$scratch/saved-big.bin" "$scratch/big.bin" "emulator's memory after the 24C1024 write"

echo "24C02: the same with every byte value, in a text file, over a chip already holding data"
start_board COM1 --image "$scratch/chip.bin" --save "$scratch/saved-small.bin"
expect 1 "blank of a chip holding data" --port 1 blank --device 24C02
expect 0 "write --verify" --port 1 write --device 24C02 -i small.txt --verify
# A file name Wine's ANSI code page (1252 here) cannot hold.
expect 0 "read" --port 1 read --device 24C02 -o "読み出し 02.bin"
same_bytes "$scratch/読み出し 02.bin" "$scratch/small.bin" "24C02 read"
expect 0 "verify" --port 1 verify --device 24C02 -i small.bin
expect 0 "diff" diff "読み出し 02.bin" small.txt --device 24C02
stop_all
{ cat "$scratch/small.bin"; tail -c +257 "$scratch/chip.bin"; } >"$scratch/small-expected.bin"
same_bytes "$scratch/saved-small.bin" "$scratch/small-expected.bin" "emulator's memory after the 24C02 write"

echo "Bad input: a missing port, file names Windows refuses"
start_board COM1
expect 3 "a COM9 that does not exist" --port 9 read --device 24C02 -o never.bin
grep -q "cannot open port 9 (COM9)" "$scratch/stderr" || fail "COM9: $(cat "$scratch/stderr")"
before=$(ls -A "$scratch")
for name in 'a:b.bin' 'a*b.bin'; do
  expect 5 "output file $name" --port 1 read --device 24C02 -o "$name"
  grep -qF "$name" "$scratch/stderr" || fail "$name: the refusal does not name the file"
done
[ "$(ls -A "$scratch")" = "$before" ] || fail "refused names left files behind"
[ ! -e "$scratch/never.bin" ] || fail "a failed read wrote its file"
stop_all

echo "tavelin.exe on Xvfb with the windows platform: READ of one block, and a screenshot"
start_board COM1 --image "$scratch/chip.bin"
Xvfb :47 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
display+=($!)
export DISPLAY=:47
sleep 1
openbox >/dev/null 2>&1 &
display+=($!)
cp "$probe" "$program/"
# Japanese whatever language Wine's locale gives.
read -r -a option < <("$wine" "$program/$(basename "$probe")" --lang ja 'optComm(0)' 2>/dev/null)
read -r -a button < <("$wine" "$program/$(basename "$probe")" --lang ja 'cmdComm(1)' 2>/dev/null)
rm "$program/$(basename "$probe")"
trace=$scratch/frames.log
(TAVELIN_TRACE=$trace "$wine" "$program/tavelin.exe" --lang ja || true) >/dev/null 2>&1 &
windows_programs+=($!)
window=
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --class tavelin.exe 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ] || [ ${#option[@]} -ne 2 ] || [ ${#button[@]} -ne 2 ]; then
  fail "the window or its controls were not found (window '$window', 1ブロック '${option[*]}', READ '${button[*]}')"
else
  sleep 1
  # 1ブロック, then READ, which arms the operation, then START in its place.
  xdotool mousemove --window "$window" "${option[@]}" click 1
  xdotool mousemove --window "$window" "${button[@]}" click 1
  sleep 0.5
  xdotool mousemove --window "$window" "${button[@]}" click 1
  for _ in $(seq 50); do
    [ "$(grep -c '^[0-9]* recv' "$trace" 2>/dev/null)" -ge 2 ] && break
    sleep 0.1
  done
  sleep 1
  import -window root "$out/main-window.png"
  # The frame log's deliveries hold the chip's first block, which the grid shows.
  received=$(awk '$2 == "recv" { for (i = 3; i <= NF; ++i) printf "%s", $i }' "$trace")
  block=$(head -c 256 "$scratch/chip.bin" | od -An -v -tx1 | tr -d ' \n' | tr a-f A-F)
  [[ $received == *"$block"* ]] || fail "READ of one block: the frame log holds no block 0"
  echo "screenshot: $out/main-window.png"
fi
stop_all

if ((failures)); then
  echo "$failures Windows end-to-end checks failed" >&2
  exit 1
fi
echo "Windows end-to-end checks passed"
