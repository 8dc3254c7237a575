#!/usr/bin/env bash
# Fuzzes every input surface with libFuzzer, one target after the other, for QTCM_FUZZ_SECONDS
# seconds in all (default 66), shared among the targets by the shares of the table below. Each
# target starts from seeds of the repository (golden files written as annotated hexadecimal are
# turned into their bytes; a QIM! session loses its header line, which the harness writes) and
# uses its dictionary. The translation target's desk and files live in RAM (/dev/shm) when the
# machine has it. Findings land in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/need-packages.sh
need_packages cmake make clang libclang-rt-14-dev perl-base pkg-config libhivex-dev

# target (build-fuzz/bin/qtcm_fuzz_<target>) | share | input limit | dictionary | seeds
# (@sample-hives: the hives the tests make, a sample disk's three and an empty one)
targets=$(cat <<'TABLE'
translation    16  8192  tests/fuzz/dict/*.dict              examples/qim/Sessions/*.qtc tests/data/golden/*.qtc tests/data/golden/*/*.qtc
menu_resource   4 16384  -                                   examples/torqa/*.dlr tests/data/menus/*.dlr
key_map         2  4096  tests/fuzz/key_map.dict             tests/data/golden/devices/*.tkm.hex
quickpad        2  4096  tests/fuzz/quickpad.dict            tests/data/golden/bars/*.tqp.hex
toolbar         2  8192  tests/fuzz/toolbar.dict             tests/data/golden/bars/*.ttb.hex
menu_document   2  8192  tests/fuzz/menu_document.dict       tests/data/golden/menus/*.cmu.expected
registry_file   2  8192  tests/fuzz/registry_file.dict       examples/registry/*.reg
hive            3 32768  tests/fuzz/hive.dict                @sample-hives
TABLE
)

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQTCM_FUZZ=ON \
  -DQTCM_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz -j2 --target $(awk 'NF { printf "qtcm_fuzz_%s ", $1 }' <<<"$targets") qtcm_make_disk

work=$(mktemp -d)
ram=/dev/shm
[ -d "$ram" ] && [ -w "$ram" ] || ram=${TMPDIR:-/tmp}
desk=$(mktemp -d "$ram/qtcm-fuzz.XXXXXX")
trap 'rm -rf "$work" "$desk"' EXIT
mkdir -p "$work/sample-hives"
build-fuzz/bin/qtcm_make_disk "$work/disk" ann 'D:\QIM'
build-fuzz/bin/qtcm_make_disk --empty "$work/sample-hives/EMPTY"
cp "$work/disk/Windows/System32/config/SOFTWARE" "$work/disk/Windows/System32/config/DEFAULT" \
  "$work/disk/Users/ann/NTUSER.DAT" "$work/sample-hives/"
mkdir -p build-fuzz/findings
total=${QTCM_FUZZ_SECONDS:-66}
shares=$(awk 'NF { sum += $2 } END { print sum }' <<<"$targets")

# A seed file as the target reads it.
seed() { # FILE OUT
  case "$1" in
  *.hex) # pairs of hex digits, "text", "#" comments, blanks and "|" (tests/support/HexBytes.h)
    perl -0777 -ne 'my $o = ""; while (/\G(?:[\s|]+|#[^\n]*|"([^"]*)"|([0-9A-Fa-f]{2}))/gc) {
      $o .= $1 if defined $1; $o .= chr(hex $2) if defined $2; } print $o' "$1" >"$2" ;;
  *.qtc) tail -n +2 "$1" >"$2" ;;
  *) cp "$1" "$2" ;;
  esac
}

status=0
while read -r name share limit dict seeds; do
  [ -n "$name" ] || continue
  seconds=$((total * share / shares))
  [ "$seconds" -ge 1 ] || seconds=1
  corpus="$work/$name"
  mkdir -p "$corpus"
  [ "$seeds" != @sample-hives ] || seeds="$work/sample-hives/*"
  for file in $seeds; do seed "$file" "$corpus/$(basename "$file")"; done
  options=(-max_total_time="$seconds" -max_len="$limit" -artifact_prefix=build-fuzz/findings/ -print_final_stats=1)
  if [ "$dict" != - ]; then
    cat $dict >"$work/$name.dict"
    options+=(-dict="$work/$name.dict")
  fi
  echo "== fuzzing $name for $seconds seconds"
  target_status=0
  TMPDIR="$desk" "build-fuzz/bin/qtcm_fuzz_$name" "${options[@]}" "$corpus" </dev/null >"$work/$name.log" 2>&1 ||
    target_status=$?
  tail -n 12 "$work/$name.log"
  # The rate: runs done over the seconds they took.
  sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 \2/p' "$work/$name.log" |
    awk -v name="$name" '$2 > 0 { printf "rate: %s %d inputs a second\n", name, $1 / $2 }'
  [ "$target_status" -eq 0 ] || status=$target_status
done <<<"$targets"
exit "$status"
