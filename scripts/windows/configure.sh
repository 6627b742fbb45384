#!/usr/bin/env bash
# Configures build-windows/ against the Qt for MinGW prefix QT_PREFIX: configure.sh QT_PREFIX.
# Tests run under Wine through wine-run.sh, which ctest uses as the cross-compiling emulator.
set -euo pipefail
cd "$(dirname "$0")/../.."
qt=$1
cmake -S . -B build-windows -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$qt" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      "-DCMAKE_CROSSCOMPILING_EMULATOR=$PWD/scripts/windows/wine-run.sh;$qt" >/dev/null
