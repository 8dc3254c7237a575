#!/usr/bin/env bash
# Migrates the example sessions twice, natively and with the x64 qtcm.exe under Wine (registry
# imported with reg, TORQA! services from KOS.dll), and compares what the two wrote. Expected
# differences, removed before comparing: line ends (text files end lines the platform's way), the
# output folder (each run writes into its own, Windows paths on Windows), blank lines and blanks at
# the ends of lines (Wine's profile functions drop them from the session files they edit).
# Key maps are compared byte for byte.
# Under Wine the real Windows Installer answers, and it knows no macro translator; the native run
# goes without one too, so both leave the startup macros alone.
# Usage: compare-wine-demo.sh NATIVE_BIN WIN64_BIN   (WINEPREFIX set by the caller)
set -euo pipefail
native_bin=$(cd "$1" && pwd)
win_bin=$(cd "$2" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sessions=(Demo.qtc Payroll.qtc LabGraphics.qtc)
wine=/usr/lib/wine/wine64

mkdir -p "$work"/native/{Sessions,Schemes,Macros} "$work"/wine/{Sessions,Schemes,Macros}
: >"$work/native/report.txt"
: >"$work/wine/report.txt"

if ! (cd "$root/examples/qim/Sessions" &&
  QTCM_DEMO="$work/native" QTCM_MACRO_TRANSLATOR= \
    "$native_bin/qtcm" --example-desk migrate --report "$work/native/report.txt" "${sessions[@]}" \
    >"$work/native.log" 2>&1); then
  echo "compare-wine-demo: the native qtcm did not translate every example session:" >&2
  cat "$work/native.log" >&2
  exit 1
fi

# Windows paths of our folders, from Wine's own path converter (run through the loader: the wine64
# package puts no winepath command on the PATH).
winpath() {
  local converted
  converted=$("$wine" winepath.exe -w "$1" 2>/dev/null | tr -d '\r')
  if [ -z "$converted" ]; then
    echo "compare-wine-demo: Wine could not convert the path $1" >&2
    exit 1
  fi
  printf '%s' "$converted"
}

if ! "$wine" reg import "$(winpath "$root/examples/registry/example-desk.reg")" >"$work/reg.log" 2>&1; then
  echo "compare-wine-demo: reg import of the example desk failed under Wine:" >&2
  cat "$work/reg.log" >&2
  exit 1
fi
win_report=$(winpath "$work/wine/report.txt")
# A 64-bit process cannot load the 32-bit menu library a real installation has: the Wine run gets a
# copy of the example installation whose torqa.dlr is its 64-bit twin (the same resource script).
mkdir -p "$work/examples64"
cp -r "$root/examples/torqa" "$work/examples64/"
cp "$root/examples/torqa/torqa64.dlr" "$work/examples64/torqa/torqa.dlr"
win_examples=$(winpath "$work/examples64")
win_demo=$(winpath "$work/wine")
if ! (cd "$root/examples/qim/Sessions" &&
  QTCM_EXAMPLES=$win_examples QTCM_DEMO=$win_demo \
    "$wine" "$win_bin/qtcm.exe" migrate --report "$win_report" "${sessions[@]}" >"$work/wine.log" 2>&1); then
  echo "compare-wine-demo: qtcm.exe did not translate every example session under Wine:" >&2
  tr -d '\r' <"$work/wine.log" >&2
  exit 1
fi

native_dir="$work/native/Sessions/"
wine_dir="$(winpath "$work/wine/Sessions")\\"
wine_dir_pattern=$(printf '%s' "$wine_dir" | sed 's|\\|\\\\|g')
# Line ends and the run's own folder go; so do blank lines and blanks at the ends of lines, which
# Wine's profile functions drop from every file they edit (Windows keeps them, as our INI keeper
# does).
normalize() { tr -d '\r' <"$1" | sed -e "s|$native_dir|OUT/|g" -e "s|$wine_dir_pattern|OUT/|g" -e 's/[ \t]*$//' -e '/^$/d'; }

status=0
for source in "${sessions[@]}"; do
  name="${source%.qtc}.TDP"
  if ! cmp -s <(normalize "$work/native/Sessions/$name") <(normalize "$work/wine/Sessions/$name"); then
    echo "differs under Wine: Sessions/$name"
    diff <(normalize "$work/native/Sessions/$name") <(normalize "$work/wine/Sessions/$name") || true
    status=1
  fi
done
# Key maps are made from the keyboard's own names, toolbars from our own button images: byte for
# byte the same. (QuickPads are measured with the screen's font, which Wine's fonts measure
# otherwise than the fixed Arial metrics of the Linux build: they are left out.)
for map in "$work"/native/Schemes/*.tkm "$work"/native/Schemes/*.ttb; do
  [ -e "$map" ] || continue
  if ! cmp -s "$map" "$work/wine/Schemes/$(basename "$map")"; then
    echo "differs under Wine: Schemes/$(basename "$map")"
    status=1
  fi
done
# Menu documents name the macros they run by path: compared as the session files are.
for document in "$work"/native/Schemes/*.cmu; do
  [ -e "$document" ] || continue
  if ! cmp -s <(normalize "$document") <(normalize "$work/wine/Schemes/$(basename "$document")"); then
    echo "differs under Wine: Schemes/$(basename "$document")"
    diff <(normalize "$document") <(normalize "$work/wine/Schemes/$(basename "$document")") || true
    status=1
  fi
done
if ! cmp -s <(normalize "$work/native/report.txt") <(normalize "$work/wine/report.txt"); then
  echo "the reports differ under Wine:"
  diff <(normalize "$work/native/report.txt") <(normalize "$work/wine/report.txt") || true
  status=1
fi
[ $status -eq 0 ] && echo "Wine migration of ${#sessions[@]} example sessions equals the native one"
exit $status
