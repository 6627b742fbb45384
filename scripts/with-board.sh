#!/usr/bin/env bash
# usage: scripts/with-board.sh PROGRAM_FOLDER WRITER_SIM COMMAND [ARGS...]
# Runs COMMAND with port n of the program folder (n from 設定/comm.txt) leading to a board. A
# link 設定/COM<n> is the user's and is used as it is, even when its board is not connected. Only
# when there is no link at all does the board emulator stand in, and only its own link is removed
# when COMMAND ends.
set -euo pipefail
folder=$1 emulator=$2
shift 2

# A folder not set up yet gets the sample settings on the program's first start: port 1.
port=1
if [ -f "$folder/設定/comm.txt" ]; then
  port=$(head -n 1 "$folder/設定/comm.txt" | tr -dc '0-9')
  [ -z "$port" ] || port=$((10#$port))  # the program reads "01" as port 1, COM1
fi
name="設定/COM$port"
link="$folder/$name"

if [ -L "$link" ] && [ ! -e "$link" ]; then
  echo "Port $port: the board behind $name is not connected ($(readlink "$link")); the link is left as it is."
  exec "$@"
elif [ -L "$link" ] || [ -e "$link" ]; then
  echo "Port $port: $name leads to $(readlink -f "$link")."
  exec "$@"
fi

mkdir -p "$folder/設定"
terminal=$(mktemp)
"$emulator" --link "$link" > "$terminal" &
emulator_pid=$!
stop_emulator() {
  kill "$emulator_pid" 2>/dev/null || true
  wait "$emulator_pid" 2>/dev/null || true
  # The emulator removes its link as it stops; should it have died first, its link goes here.
  local pty
  pty=$(head -n 1 "$terminal")
  if [ -n "$pty" ] && [ -L "$link" ] && [ "$(readlink "$link")" = "$pty" ]; then rm -f "$link"; fi
  rm -f "$terminal"
}
trap stop_emulator EXIT
trap 'exit 130' INT TERM
for _ in $(seq 50); do [ -L "$link" ] && break; sleep 0.1; done
if [ ! -L "$link" ]; then
  echo "The board emulator did not start." >&2
  exit 1
fi
echo "Port $port: no board is linked at $name, so the board emulator stands in on $(readlink "$link") until the program ends."
"$@"
