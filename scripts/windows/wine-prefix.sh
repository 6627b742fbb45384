#!/usr/bin/env bash
# Makes the project's Wine prefix (WINEPREFIX, by default build-windows/wine) unless it is there:
# its first boot takes a while, so one prefix serves a whole test run.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$wine" wineboot -i >/dev/null 2>&1
  # Latin text of the windows style would fall back to a serif.
  "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS Shell Dlg' /d 'DejaVu Sans' /f >/dev/null
  "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS Shell Dlg 2' /d 'DejaVu Sans' /f >/dev/null
  # The display driver is chosen once per wineserver: the next run, with or without a display,
  # starts a server of its own.
  wineserver -w
fi
