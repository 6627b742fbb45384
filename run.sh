#!/usr/bin/env bash
# Builds the program, installs it into build/stage/ and starts it there. An installed program keeps
# the user's settings and data in the per-user folder (~/.local/share/tavelin/), filled from the
# samples on its first start, so no build step can touch them. Unless 設定/COM<n> there (n from
# 設定/comm.txt) is a link, the board emulator stands in for the writer board while the program runs.
# With --board avr our own firmware, running in the simulator (avr-board, a 24C1024 in the socket),
# stands in instead of writer-sim. --lang ja|en chooses the interface language. A FILE given is
# loaded once the program has started.
set -euo pipefail
usage() { echo "usage: ./run.sh [--board sim|avr] [--lang ja|en] [FILE]" >&2; exit 2; }
board=build/stage/bin/writer-sim
if [ "${1:-}" = --board ]; then
  case "${2:-}" in
    sim) ;;
    avr) board=build/tools/avr-board/avr-board ;;
    *) usage ;;
  esac
  shift 2
fi
language=()
if [ "${1:-}" = --lang ]; then
  [ $# -ge 2 ] || usage
  language=(--lang "$2")  # the program refuses a language it does not have
  shift 2
fi
case "${1:-}" in -*) usage ;; esac
[ $# -le 1 ] || usage
file=()
[ $# -eq 0 ] || file=("$(realpath -m -- "$1")")  # named from where ./run.sh was started
cd "$(dirname "$0")"
scripts/build.sh
cmake --install build --prefix build/stage > /dev/null
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: set DISPLAY (for example run 'Xvfb :1 &' and 'export DISPLAY=:1')." >&2
  exit 1
fi
# Where Qt puts the per-user data folder of a program named tavelin.
folder="${XDG_DATA_HOME:-$HOME/.local/share}/tavelin"
echo "Program folder: $folder"
exec scripts/with-board.sh "$folder" "$board" build/stage/bin/tavelin "${language[@]}" "${file[@]}"
