#!/usr/bin/env bash
# Builds and runs every test, headless, then replays every committed fuzz corpus under ASan/UBSan,
# then tests the Windows build under Wine when a Qt for MinGW is at hand.
set -euo pipefail
cd "$(dirname "$0")"
scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 600)
scripts/build-replay.sh
(cd build-replay && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j"$(nproc)" --timeout 600)
scripts/windows/test.sh
