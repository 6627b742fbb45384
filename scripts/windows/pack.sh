#!/usr/bin/env bash
# Packs the built Windows program as a runnable folder and its zip: pack.sh QT_PREFIX.
# The folder holds the executables, the DLLs they load (found from their imports, so nothing
# unused is shipped), the windows platform plugin and the native style, Qt's Japanese (Debian's,
# where the program looks beside its executable), the samples as the portable 設定/ and
# データー/, the README and the LICENSE; every binary stripped.
set -euo pipefail
cd "$(dirname "$0")/../.."
qt=$1
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
name=tavelin-$version-win64
folder=build-windows/$name
dll_folders=("$qt/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)

rm -rf "$folder" "$folder.zip"
mkdir -p "$folder/platforms" "$folder/styles" "$folder/translations"
cp build-windows/program/tavelin.exe build-windows/program/tavelin-cli.exe "$folder/"
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
cp /usr/share/qt6/translations/qtbase_ja.qm "$folder/translations/"
cp -r samples/設定 samples/データー "$folder/"
cp README.md LICENSE "$folder/"

# Every DLL an executable or plugin imports that is not Windows' own, and what those import.
imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
pending=("$folder"/*.exe "$folder"/platforms/*.dll "$folder"/styles/*.dll)
while ((${#pending[@]})); do
  binary=${pending[0]}
  pending=("${pending[@]:1}")
  for dll in $(imports "$binary"); do
    [ -e "$folder/$dll" ] && continue
    for source in "${dll_folders[@]}"; do
      if [ -f "$source/$dll" ]; then
        cp "$source/$dll" "$folder/"
        pending+=("$folder/$dll")
        break
      fi
    done
  done
done
find "$folder" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded

(cd build-windows && rm -f "$name.zip" && python3 -m zipfile -c "$name.zip" "$name")
echo "build-windows/$name.zip: $(du -k "$folder.zip" | cut -f1) KiB zipped," \
     "$(du -sk "$folder" | cut -f1) KiB unpacked"
