#!/usr/bin/env bash
# Builds the program and starts it from its program folder (build/program/), which is filled
# with the sample settings and data where files are missing; files already there are kept.
# Unless 設定/COM<n> (n from 設定/comm.txt) already links to a real port, the board emulator
# stands in for the writer board on a pseudo-terminal while the program runs.
set -euo pipefail
cd "$(dirname "$0")"
scripts/build.sh
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: set DISPLAY (for example run 'Xvfb :1 &' and 'export DISPLAY=:1')." >&2
  exit 1
fi
program=build/program
port=$(head -n 1 "$program/設定/comm.txt" | tr -dc '0-9')
link="$program/設定/COM${port:-1}"
emulator=
if [ ! -e "$link" ]; then
  build/tools/writer-sim/writer-sim --link "$link" > /dev/null &
  emulator=$!
  trap 'kill "$emulator" 2>/dev/null || true' EXIT
  trap 'exit 130' INT TERM
  for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
  echo "Board emulator on $(readlink "$link") as $link"
fi
"$program/tavelin"
