#!/usr/bin/env bash
# Prints the folder of a Qt for MinGW prefix; exits 1 when none is found, 2 when TAVELIN_QT_MINGW
# names none. Looks at TAVELIN_QT_MINGW (a prefix folder, or a .tar.xz of one, unpacked once into
# the cache), then at what scripts/windows/build-qt.sh built, then at the prebuilt one in
# ../shared/windows/.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tavelin-windows

is_prefix() { [ -f "$1/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$1/bin/Qt6Core.dll" ]; }

# A tarball is unpacked under a name taken from its contents, so a changed file is unpacked anew.
unpacked() {
  local tarball=$1 folder
  folder=$cache/unpacked-$(sha256sum "$tarball" | cut -c1-16)
  if [ ! -f "$folder/.complete" ]; then
    rm -rf "$folder" && mkdir -p "$folder"
    tar -xJf "$tarball" -C "$folder"
    touch "$folder/.complete"
  fi
  local prefix
  for prefix in "$folder" "$folder"/*/; do
    if is_prefix "$prefix"; then
      (cd "$prefix" && pwd)
      return
    fi
  done
  echo "$tarball holds no Qt for MinGW prefix" >&2
  return 1
}

candidate() {
  if [ -d "$1" ] && is_prefix "$1"; then
    (cd "$1" && pwd)
  elif [ -f "$1" ] && [[ $1 == *.tar.xz ]]; then
    unpacked "$1"
  else
    return 1
  fi
}

if [ -n "${TAVELIN_QT_MINGW:-}" ]; then
  candidate "$TAVELIN_QT_MINGW" || { echo "TAVELIN_QT_MINGW=$TAVELIN_QT_MINGW is no Qt for MinGW prefix" >&2; exit 2; }
  exit
fi
candidate "$cache/qt-mingw" || candidate "$repo/../shared/windows/qt-mingw-6.4.2.tar.xz" || exit 1
