# Sourced: the environment every Wine run of the project uses, and $wine, the 64-bit loader.
# Wine passes Qt's own variables on only with a WINE prefix (WINEQT_QPA_PLATFORM arrives as
# QT_QPA_PLATFORM); Qt Test prints nothing under Wine without QT_FORCE_STDERR_LOGGING.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$repo_root/build-windows/wine}
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEQT_FORCE_STDERR_LOGGING=1
# Without a UTF-8 locale Wine mangles the Japanese folder names.
case "${LC_ALL:-${LANG:-}}" in *UTF-8* | *utf8*) ;; *) export LC_ALL=C.UTF-8 ;; esac
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
# The Windows name of a Linux path, through Wine's drive Z:, which stands for /.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
