#!/usr/bin/env bash
# Fuzzes a whole translation with libFuzzer for QTCM_FUZZ_SECONDS seconds (default 60), starting
# from the example and golden sessions, then the menu resource reader for QTCM_FUZZ_MENU_SECONDS
# (default 15) from the repository's resource libraries. Findings land in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/need-packages.sh
need_packages cmake make clang libclang-rt-14-dev

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQTCM_FUZZ=ON \
  -DQTCM_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz --target qtcm_fuzz_translation qtcm_fuzz_menu_resource -j2
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
for session in examples/qim/Sessions/*.qtc tests/data/golden/*.qtc tests/data/golden/*/*.qtc; do
  tail -n +2 "$session" >"$corpus/$(basename "$session")" # the harness writes the header line
done
mkdir -p build-fuzz/findings
build-fuzz/bin/qtcm_fuzz_translation -max_total_time="${QTCM_FUZZ_SECONDS:-60}" -max_len=8192 \
  -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 "$corpus" 2>&1 | tail -n 12

# The menu reader of the TORQA! resource library, from the resource libraries of the repository.
echo "== fuzzing the menu resource reader for ${QTCM_FUZZ_MENU_SECONDS:-15} seconds"
menus=$(mktemp -d)
trap 'rm -rf "$corpus" "$menus"' EXIT
cp examples/torqa/*.dlr tests/data/menus/*.dlr "$menus"/
build-fuzz/bin/qtcm_fuzz_menu_resource -max_total_time="${QTCM_FUZZ_MENU_SECONDS:-15}" -max_len=16384 \
  -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 "$menus" 2>&1 | tail -n 12
