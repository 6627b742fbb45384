#!/usr/bin/env bash
# Builds Qt for Windows (MinGW-w64, release, shared) from Debian's sources, with our patches, into
# the cache where qt-prefix.sh looks: Core, Gui, Widgets, Test, SerialPort, the windows platform
# plugin and the windowsvista style. About 20 minutes on 2 cores; prints its time and size.
#
# With TAVELIN_QT_MINGW=DIR or =FILE.tar.xz it builds nothing and uses that prefix instead
# (a tarball is unpacked into the cache); it prints the prefix's folder either way.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tavelin-windows
prefix=$cache/qt-mingw
work=$cache/qt-source

if [ -n "${TAVELIN_QT_MINGW:-}" ]; then
  exec "$repo/scripts/windows/qt-prefix.sh"
fi

"$repo/scripts/install-packages.sh" --windows
sudo_if_needed=()
[ "$(id -u)" -eq 0 ] || sudo_if_needed=(sudo)

# apt-get source needs a deb-src entry, which Debian's images leave out.
if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  "${sudo_if_needed[@]}" tee /etc/apt/sources.list.d/tavelin-deb-src.sources >/dev/null <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $codename $codename-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  "${sudo_if_needed[@]}" apt-get update >/dev/null
fi

start=$SECONDS
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"
apt-get source --download-only qt6-base >/dev/null
dpkg-source --no-check -x qt6-base_*.dsc qtbase >/dev/null
# Debian's qt6-serialport tarballs may be missing from the archive; Qt's own source of the same
# version is kept beside the project for that case.
if apt-get source --download-only qt6-serialport >/dev/null 2>&1; then
  dpkg-source --no-check -x qt6-serialport_*.dsc qtserialport >/dev/null
else
  echo "qt6-serialport is not in the archive: using ../shared/windows/qtserialport-6.4.2-src.tar.xz"
  mkdir qtserialport
  tar -xJf "$repo/../shared/windows/qtserialport-6.4.2-src.tar.xz" -C qtserialport --strip-components=1
fi
for patch in "$repo"/scripts/windows/patches/qtserialport-*.patch; do
  patch -d qtserialport -p1 --quiet <"$patch"
done

cross=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix"
       -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake"
       -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
# No OpenGL (dynamic OpenGL stays on unless INPUT_opengl=no), no modules the program does not
# use, Qt's bundled third-party libraries rather than the host's. Debian's source has no
# wintab.h, hence no tablet events; direct2d stays on, or qwindows.dll does not link.
nice -n 19 cmake -S qtbase -B qtbase-build "${cross[@]}" -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_sql=OFF \
  -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF \
  -DFEATURE_printsupport=OFF -DFEATURE_tabletevent=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF \
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_doubleconversion=OFF >/dev/null
nice -n 19 cmake --build qtbase-build -j"$(nproc)"
cmake --install qtbase-build >/dev/null
nice -n 19 cmake -S qtserialport -B qtserialport-build "${cross[@]}" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
nice -n 19 cmake --build qtserialport-build -j"$(nproc)"
cmake --install qtserialport-build >/dev/null

echo "Qt for MinGW in $prefix: $(du -sh "$prefix" | cut -f1), built in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
echo "$prefix"
