#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs is there.
# Arguments: cmake command, build folder, binary folder, data folder (relative to the prefix).
set -euo pipefail
cmake_command=$1 build=$2 bindir=$3 datadir=$4
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake_command" --install "$build" --prefix "$prefix" >/dev/null
fail=0
expect() {
  if [ ! -f "$prefix/$1" ]; then echo "missing: $1"; fail=1; fi
}
expect "$bindir/vapoquant"
expect "$datadir/vapoquant/Thermix2.tb"
expect "$datadir/applications/vapoquant.desktop"
expect "$datadir/icons/hicolor/scalable/apps/vapoquant.svg"
[ "$fail" = 0 ] || exit 1
[ -x "$prefix/$bindir/vapoquant" ] || { echo "the program is not executable"; exit 1; }
cmp "$build/Thermix2.tb" "$prefix/$datadir/vapoquant/Thermix2.tb"
desktop="$prefix/$datadir/applications/vapoquant.desktop"
grep -qx 'Exec=vapoquant %f' "$desktop" || { echo "the desktop entry does not start vapoquant"; exit 1; }
grep -qx 'Icon=vapoquant' "$desktop" || { echo "the desktop entry names another icon"; exit 1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop"
else
  echo "desktop-file-validate is not installed: the desktop entry was not validated"
fi
