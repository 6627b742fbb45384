#!/usr/bin/env bash
# Runs a program of the Windows build under Wine: wine-run.sh QT_PREFIX PROGRAM.exe [ARGS…].
# The Qt and MinGW runtime DLLs are found on WINEPATH, so the tests need no copies beside them.
# The Wine prefix is WINEPREFIX, by default build-windows/wine, made by wine-prefix.sh.
set -euo pipefail
qt=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
WINEPATH="$(windows_path "$qt/bin");$(windows_path /usr/lib/gcc/x86_64-w64-mingw32/12-posix)"
WINEPATH+=";$(windows_path /usr/x86_64-w64-mingw32/lib)"
export WINEPATH
exec "$wine" "$@"
