#!/usr/bin/env bash
# Builds the program and starts it from its program folder (build/program/), which is filled
# with the sample settings and data where files are missing; files already there are kept.
set -euo pipefail
cd "$(dirname "$0")"
scripts/build.sh
exec build/program/tavelin
