#!/usr/bin/env bash
# Builds the fuzz targets as corpus-replaying programs with ASan/UBSan into build-replay/; only the
# libraries they need are built.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-replay -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVELIN_FUZZ_REPLAY=ON \
      -DTAVELIN_BUILD_TESTS=OFF -DTAVELIN_BUILD_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
cmake --build build-replay -j"$(nproc)" --target tavelin_fuzz_targets
