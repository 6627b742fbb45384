#!/usr/bin/env bash
# The run command's board decision: a user's link is never replaced or removed, the emulator
# stands in only where no link exists, and it takes its own link away again.
# usage: with_board_test.sh WITH_BOARD_SCRIPT WRITER_SIM
set -euo pipefail
with_board=$1 emulator=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir -p "$folder/設定"
printf '3\r\n9600\r\n' > "$folder/設定/comm.txt"
fail() { echo "FAIL: $*" >&2; exit 1; }

# A dangling link: reported, kept, no emulator.
ln -s /dev/serial/by-id/usb-unplugged "$folder/設定/COM3"
out=$("$with_board" "$folder" "$emulator" sh -c 'readlink "$1"' - "$folder/設定/COM3")
grep -q "the board behind 設定/COM3 is not connected" <<< "$out" || fail "not reported: $out"
grep -qx /dev/serial/by-id/usb-unplugged <<< "$out" || fail "replaced while running: $out"
[ "$(readlink "$folder/設定/COM3")" = /dev/serial/by-id/usb-unplugged ] || fail "link changed"

# No link: the emulator's terminal is linked while the command runs, and removed afterwards.
rm "$folder/設定/COM3"
out=$("$with_board" "$folder" "$emulator" sh -c 'readlink "$1"' - "$folder/設定/COM3")
grep -q "board emulator stands in" <<< "$out" || fail "emulator not announced: $out"
grep -qx '/dev/pts/[0-9]*' <<< "$out" || fail "no emulator terminal while running: $out"
[ ! -e "$folder/設定/COM3" ] && [ ! -L "$folder/設定/COM3" ] || fail "emulator link left behind"
echo PASS
