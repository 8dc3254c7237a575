#!/usr/bin/env bash
# Fuzzes a whole translation with libFuzzer for QTCM_FUZZ_SECONDS seconds (default 60), starting
# from the example and golden sessions, with the dictionaries of tests/fuzz/dict (each subsystem
# adds its own .dict there), then the menu resource reader for QTCM_FUZZ_MENU_SECONDS (default 15)
# from the repository's resource libraries, then the registry hive reader for QTCM_FUZZ_HIVE_SECONDS
# (default 10) from the hives the tests make. The translation target's desk and files, and the
# hive target's files, live in RAM (/dev/shm) when the machine has it. Findings land in
# build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/need-packages.sh
need_packages cmake make clang libclang-rt-14-dev pkg-config libhivex-dev

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQTCM_FUZZ=ON \
  -DQTCM_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz --target qtcm_fuzz_translation qtcm_fuzz_menu_resource \
  qtcm_fuzz_hive qtcm_make_disk -j2
corpus=$(mktemp -d)
ram=/dev/shm
[ -d "$ram" ] && [ -w "$ram" ] || ram=${TMPDIR:-/tmp}
desk=$(mktemp -d "$ram/qtcm-fuzz.XXXXXX")
menus=$(mktemp -d)
hives=$(mktemp -d)
trap 'rm -rf "$corpus" "$desk" "$menus" "$hives"' EXIT
cat tests/fuzz/dict/*.dict >"$desk/all.dict"
for session in examples/qim/Sessions/*.qtc tests/data/golden/*.qtc tests/data/golden/*/*.qtc; do
  tail -n +2 "$session" >"$corpus/$(basename "$session")" # the harness writes the header line
done
mkdir -p build-fuzz/findings
TMPDIR="$desk" build-fuzz/bin/qtcm_fuzz_translation -max_total_time="${QTCM_FUZZ_SECONDS:-60}" -max_len=8192 \
  -dict="$desk/all.dict" -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 "$corpus" >"$desk/log" 2>&1 ||
  status=$?
tail -n 12 "$desk/log"
# The rate: runs done over the seconds they took.
sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 \2/p' "$desk/log" |
  awk '$2 > 0 { printf "rate: %d inputs a second\n", $1 / $2 }'
[ "${status:-0}" -eq 0 ] || exit "$status"

# The menu reader of the TORQA! resource library, from the resource libraries of the repository.
echo "== fuzzing the menu resource reader for ${QTCM_FUZZ_MENU_SECONDS:-15} seconds"
cp examples/torqa/*.dlr tests/data/menus/*.dlr "$menus"/
build-fuzz/bin/qtcm_fuzz_menu_resource -max_total_time="${QTCM_FUZZ_MENU_SECONDS:-15}" -max_len=16384 \
  -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 "$menus" 2>&1 | tail -n 12

# The registry hive reader, from the hives the tests make (a sample disk's three, an empty one).
echo "== fuzzing the registry hive reader for ${QTCM_FUZZ_HIVE_SECONDS:-10} seconds"
mkdir "$hives/corpus"
build-fuzz/bin/qtcm_make_disk "$hives/disk" ann 'D:\QIM'
build-fuzz/bin/qtcm_make_disk --empty "$hives/corpus/EMPTY"
cp "$hives/disk/Windows/System32/config/SOFTWARE" "$hives/disk/Windows/System32/config/DEFAULT" \
  "$hives/disk/Users/ann/NTUSER.DAT" "$hives/corpus/"
TMPDIR="$desk" build-fuzz/bin/qtcm_fuzz_hive -max_total_time="${QTCM_FUZZ_HIVE_SECONDS:-10}" -max_len=32768 \
  -dict=tests/fuzz/hive.dict -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 "$hives/corpus" \
  >"$hives/log" 2>&1 || status=$?
tail -n 12 "$hives/log"
sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 \2/p' "$hives/log" |
  awk '$2 > 0 { printf "rate: %d inputs a second\n", $1 / $2 }'
[ "${status:-0}" -eq 0 ] || exit "$status"
