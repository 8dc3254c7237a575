#!/usr/bin/env bash
# Builds the example installation's resource library from torqa.rc: ../torqa.dlr, 32-bit as a real
# TORQA! installation has it, and ../torqa64.dlr, the same resources for 64-bit test processes
# (a 64-bit process cannot load a 32-bit library). A library of resources only: no code, no entry.
# Needs the mingw-w64 binutils and compilers (Debian: binutils-mingw-w64, gcc-mingw-w64).
#   usage: bash build-dlr.sh [SCRIPT.rc OUTPUT32 OUTPUT64]
set -euo pipefail
cd "$(dirname "$0")"
script=${1:-torqa.rc}
out32=${2:-../torqa.dlr}
out64=${3:-../torqa64.dlr}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for arch in i686 x86_64; do
  out=$out32
  [ $arch = x86_64 ] && out=$out64
  $arch-w64-mingw32-windres -c 65001 -i "$script" -o "$work/res-$arch.o"
  # -e 0: no entry point; --no-insert-timestamp keeps the bytes the same from one build to the next.
  $arch-w64-mingw32-gcc -shared -nostdlib -s -Wl,-e,0 -Wl,--no-insert-timestamp \
    -o "$out" "$work/res-$arch.o"
done
