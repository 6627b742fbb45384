#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when any is missing.
set -euo pipefail

packages=(
  cmake g++ make python3
  dpkg-dev file  # cpack -G DEB reads the binaries with these
  qt6-base-dev qt6-serialport-dev
  libgtest-dev libbenchmark-dev
  binutils srecord
  fonts-ipafont-gothic
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n  # the translations; Qt's own Japanese
)
# The writer board's firmware and its simulator; their recommendations (a debugger, examples)
# are not needed.
without_recommends=(gcc-avr avr-libc libsimavr-dev)

sudo_if_needed=()
[ "$(id -u)" -eq 0 ] || sudo_if_needed=(sudo)
updated=
install_missing() {
  local missing=() package
  for package in "${@:2}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
      || missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  [ -n "$updated" ] || "${sudo_if_needed[@]}" apt-get update
  updated=1
  # shellcheck disable=SC2086  # $1 is a list of options
  DEBIAN_FRONTEND=noninteractive "${sudo_if_needed[@]}" apt-get install -y $1 "${missing[@]}"
}
install_missing "" "${packages[@]}"
install_missing --no-install-recommends "${without_recommends[@]}"
# The Windows build and its tests under Wine (scripts/windows/), on request.
if [ "${1:-}" = --windows ]; then
  install_missing "" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64 ninja-build \
    wine wine64 xvfb openbox xdotool imagemagick qt6-translations-l10n
fi
