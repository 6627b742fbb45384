#!/usr/bin/env bash
# Builds the program and starts it from its program folder (build/program/), which is filled
# with the sample settings and data where files are missing; files already there are kept.
set -euo pipefail
cd "$(dirname "$0")"
scripts/build.sh
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: set DISPLAY (for example run 'Xvfb :1 &' and 'export DISPLAY=:1')." >&2
  exit 1
fi
exec build/program/tavelin
