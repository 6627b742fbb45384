#!/usr/bin/env bash
# Gathers every translatable text of the program into the .ts files of translations/ (or into the
# .ts files named), keeping what is translated already. Texts that are gone are dropped.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
ts_files=("$@")
((${#ts_files[@]})) || ts_files=(translations/*.ts)
"$lupdate" -silent -locations none -no-obsolete -source-language ja src app -ts "${ts_files[@]}"
