#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs is there,
# and the elimora library with its header, which a program builds and links against.
# Arguments: cmake command, build folder, binary, data, library and header folders
# (relative to the prefix), C compiler and the flags the build links with.
set -euo pipefail
cmake_command=$1 build=$2 bindir=$3 datadir=$4 libdir=$5 includedir=$6 cc=$7
shift 7
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
expect "$libdir/libelimora.so"
expect "$includedir/gausselim.h"
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
cat >"$prefix/solve.c" <<'EOF'
#include <gausselim.h>
int main(void)
{
    double a[1] = {2.0}, b[1] = {3.0};
    const int16_t n = 1;
    return GAUSSELIM(a, b, &n) == -1 && b[0] == 1.5 ? 0 : 1;
}
EOF
"$cc" "$@" -I"$prefix/$includedir" "$prefix/solve.c" -L"$prefix/$libdir" -lelimora -o "$prefix/solve"
LD_LIBRARY_PATH="$prefix/$libdir" "$prefix/solve" || { echo "the installed library does not solve 2 x = 3"; exit 1; }
