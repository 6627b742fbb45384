#!/usr/bin/env bash
# Cross-builds the Windows program into build-windows/ and packs the runnable program folder as
# build-windows/tavelin-<version>-win64.zip. The Qt for MinGW prefix is found by qt-prefix.sh.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/install-packages.sh --windows
qt=$(scripts/windows/qt-prefix.sh) || {
  echo "No Qt for MinGW: set TAVELIN_QT_MINGW=DIR or FILE.tar.xz, or run scripts/windows/build-qt.sh" >&2
  exit 1
}
scripts/windows/configure.sh "$qt"
cmake --build build-windows -j"$(nproc)" --target tavelin tavelin-cli
scripts/windows/pack.sh "$qt"
