#!/usr/bin/env bash
# Migrates the example sessions natively and with a Windows build's qtcm.exe under Wine (registry
# imported with reg, TORQA! services from KOS.dll), and compares what the two wrote. The Windows
# build may be the 32-bit deliverable or its x64 twin: the bitness is read from its QTCm.dll, and
# the run uses that bitness's loader, reg.exe (so the keys land in the registry view that its
# programs read) and resource library. For the 32-bit build the migration tool's stand-in
# (MigrationTool.c beside this script, built here on its own) migrates the same sessions too, and
# its output is compared as well.
# Expected differences, removed before comparing: line ends (text files end lines the platform's
# way), the output folder (each run writes into its own, Windows paths on Windows), the source
# folder (the stand-in names its sources by full path, as the migration tool does), blank lines and
# blanks at the ends of lines (Wine's profile functions drop them from the session files they edit).
# Key maps are compared byte for byte.
# Under Wine the real Windows Installer answers, and it knows no macro translator; the native run
# goes without one too, so both leave the startup macros alone.
# Usage: compare-wine-demo.sh NATIVE_BIN WIN_BIN   (WINEPREFIX, a 64-bit prefix, set by the caller)
set -euo pipefail
native_bin=$(cd "$1" && pwd)
win_bin=$(cd "$2" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sessions=(Demo.qtc Payroll.qtc LabGraphics.qtc)

# The bitness of a PE file: its machine field (0x14c i386, 0x8664 x86-64).
pe_bits() {
  local header machine
  header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  machine=$(od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' ')
  case $machine in
    014c) echo 32 ;;
    8664) echo 64 ;;
    *) echo "compare-wine-demo: $1 is neither a 32-bit nor an x64 Windows file (machine $machine)" >&2; exit 1 ;;
  esac
}
bits=$(pe_bits "$win_bin/QTCm.dll")
if [ "$bits" = 32 ]; then
  wine=/usr/lib/wine/wine
  resources=torqa.dlr
else
  wine=/usr/lib/wine/wine64
  resources=torqa64.dlr
fi
echo "compare-wine-demo: the $bits-bit build under $wine"

mkdir -p "$work"/native/{Sessions,Schemes,Macros}
: >"$work/native/report.txt"
if ! (cd "$root/examples/qim/Sessions" &&
  QTCM_DEMO="$work/native" QTCM_MACRO_TRANSLATOR= \
    "$native_bin/qtcm" --example-desk migrate --report "$work/native/report.txt" "${sessions[@]}" \
    >"$work/native.log" 2>&1); then
  echo "compare-wine-demo: the native qtcm did not translate every example session:" >&2
  cat "$work/native.log" >&2
  exit 1
fi

# Windows paths of our folders, from Wine's own path converter (run through the loader: the wine
# packages put no winepath command on the PATH).
winpath() {
  local converted
  converted=$("$wine" winepath.exe -w "$1" 2>/dev/null | tr -d '\r')
  if [ -z "$converted" ]; then
    echo "compare-wine-demo: Wine could not convert the path $1" >&2
    exit 1
  fi
  printf '%s' "$converted"
}

# The loader's own reg.exe writes into the view its programs read: a 32-bit one into the 32-bit
# view of HKLM\Software (Wow6432Node), where a 32-bit TORQA! installer would have written.
if ! "$wine" reg import "$(winpath "$root/examples/registry/example-desk.reg")" /reg:"$bits" >"$work/reg.log" 2>&1; then
  echo "compare-wine-demo: reg import of the example desk failed under Wine:" >&2
  cat "$work/reg.log" >&2
  exit 1
fi
# The run's own installation: the example's QIM! sessions and TORQA! installation, whose torqa.dlr
# is the resource library of this bitness (a program loads only a library of its own width; the
# example ships the 32-bit one as torqa.dlr, as a real installation does, and its x64 twin beside).
mkdir -p "$work/examples"
cp -r "$root/examples/qim" "$root/examples/torqa" "$work/examples/"
cp "$root/examples/torqa/$resources" "$work/examples/torqa/torqa.dlr"
rm "$work/examples/torqa/torqa64.dlr"
win_examples=$(winpath "$work/examples")
native_sources="$root/examples/qim/Sessions/"
wine_sources="$(winpath "$work/examples/qim/Sessions")\\"

# One Windows run: the demo folder, the report, the program and its arguments.
run_on_wine() {
  local out=$1 log=$2
  shift 2
  mkdir -p "$out"/{Sessions,Schemes,Macros}
  : >"$out/report.txt"
  (cd "$work/examples/qim/Sessions" &&
    QTCM_EXAMPLES=$win_examples QTCM_DEMO=$(winpath "$out") "$wine" "$@" >"$log" 2>&1)
}

# Line ends, the runs' own folders and the sources' folder go; so do blank lines and blanks at the
# ends of lines, which Wine's profile functions drop from every file they edit (Windows keeps them,
# as our INI keeper does).
pattern() { printf '%s' "$1" | sed 's|\\|\\\\|g'; }
normalize() {
  tr -d '\r' <"$1" | sed -e "s|$2|OUT/|g" -e "s|$(pattern "$native_sources")||g" -e "s|$(pattern "$wine_sources")||g" \
    -e 's/[ \t]*$//' -e '/^$/d'
}

# Compares a Windows run's output folder with the native one; LABEL names the run.
compare_with_native() {
  local out=$1 label=$2 status=0
  local native_dir="$work/native/Sessions/" wine_dir
  wine_dir="$(pattern "$(winpath "$out/Sessions")\\")"
  same_text() {
    if ! cmp -s <(normalize "$1" "$native_dir") <(normalize "$2" "$wine_dir"); then
      echo "differs $label: ${1#"$work/native/"}"
      diff <(normalize "$1" "$native_dir") <(normalize "$2" "$wine_dir") || true
      status=1
    fi
  }
  for source in "${sessions[@]}"; do
    same_text "$work/native/Sessions/${source%.qtc}.TDP" "$out/Sessions/${source%.qtc}.TDP"
  done
  # Key maps are made from the keyboard's own names, toolbars from our own button images: byte for
  # byte the same. (QuickPads are measured with the screen's font, which Wine's fonts measure
  # otherwise than the fixed Arial metrics of the Linux build: they are left out.)
  for map in "$work"/native/Schemes/*.tkm "$work"/native/Schemes/*.ttb; do
    [ -e "$map" ] || continue
    if ! cmp -s "$map" "$out/Schemes/$(basename "$map")"; then
      echo "differs $label: Schemes/$(basename "$map")"
      status=1
    fi
  done
  # Menu documents name the macros they run by path: compared as the session files are.
  for document in "$work"/native/Schemes/*.cmu; do
    [ -e "$document" ] || continue
    same_text "$document" "$out/Schemes/$(basename "$document")"
  done
  same_text "$work/native/report.txt" "$out/report.txt"
  return $status
}

status=0
if ! run_on_wine "$work/wine" "$work/wine.log" \
  "$win_bin/qtcm.exe" migrate --report "$(winpath "$work/wine/report.txt")" "${sessions[@]}"; then
  echo "compare-wine-demo: qtcm.exe did not translate every example session under Wine:" >&2
  tr -d '\r' <"$work/wine.log" >&2
  exit 1
fi
if compare_with_native "$work/wine" "with qtcm.exe ($bits-bit)"; then
  echo "Wine migration of ${#sessions[@]} example sessions with the $bits-bit qtcm.exe equals the native one"
else
  status=1
fi

if [ "$bits" = 32 ]; then
  # The stand-in, built on its own, in a folder of its own with the DLL and the TORQA! services
  # library beside it, as the migration tool's folder holds the translators.
  mkdir -p "$work/tool"
  i686-w64-mingw32-gcc -std=c11 -O1 -Wall -Wextra -Werror -static \
    -o "$work/tool/MigrationTool.exe" "$root/tests/exports/MigrationTool.c"
  cp "$win_bin/QTCm.dll" "$win_bin/KOS.dll" "$work/tool/"
  if ! run_on_wine "$work/standin" "$work/standin.log" \
    "$work/tool/MigrationTool.exe" "$(winpath "$work/standin/report.txt")" "${sessions[@]}"; then
    echo "compare-wine-demo: the migration tool's stand-in failed under Wine:" >&2
    tr -d '\r' <"$work/standin.log" >&2
    exit 1
  fi
  tr -d '\r' <"$work/standin.log" | tail -n 1
  if compare_with_native "$work/standin" "with the migration tool's stand-in"; then
    echo "Wine migration of ${#sessions[@]} example sessions by the migration tool's stand-in equals the native one"
  else
    status=1
  fi
fi
exit $status
