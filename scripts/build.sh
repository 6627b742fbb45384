#!/usr/bin/env bash
# Configures and builds everything into build/ (build/program/ is a portable scratch program folder).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
