#!/usr/bin/env bash
# The Windows build under Wine: the Qt Core layers' unit tests, cross-built and run by ctest, then
# the program from its zip against the Linux emulator (tests/windows/wine_e2e.sh). Needs the Linux
# build in build/. Without a Qt for MinGW prefix it says in one line how to get one, and passes.
set -euo pipefail
cd "$(dirname "$0")/../.."
status=0
qt=$(scripts/windows/qt-prefix.sh) || status=$?
if [ "$status" -eq 1 ]; then
  echo "Windows tests skipped: no Qt for MinGW found (set TAVELIN_QT_MINGW=DIR or FILE.tar.xz, or run scripts/windows/build-qt.sh)"
  exit 0
fi
[ "$status" -eq 0 ] || exit "$status"

start=$SECONDS
scripts/windows/build.sh
# Test discovery runs each test program under Wine while building.
scripts/windows/wine-prefix.sh
cmake --build build-windows -j"$(nproc)" --target core_tests device_tests files_tests editor_tests \
      link_tests control_position
wine_start=$SECONDS
(cd build-windows && env -u DISPLAY ctest --output-on-failure -j"$(nproc)" --timeout 600)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
tests/windows/wine_e2e.sh "build-windows/tavelin-$version-win64" build/tools/writer-sim/writer-sim \
  build/program/tavelin-cli build-windows/control_position.exe build-windows/e2e
echo "Windows part: $((SECONDS - start)) s in all, $((SECONDS - wine_start)) s of it under Wine"
