#!/usr/bin/env bash
# Fuzzes a whole translation with libFuzzer for QTCM_FUZZ_SECONDS seconds (default 60), starting
# from the example and golden sessions. Findings land in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/need-packages.sh
need_packages cmake make clang libclang-rt-14-dev

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQTCM_FUZZ=ON \
  -DQTCM_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz --target qtcm_fuzz_translation -j2
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
for session in examples/qim/Sessions/*.qtc tests/data/golden/*.qtc; do
  tail -n +2 "$session" >"$corpus/$(basename "$session")" # the harness writes the header line
done
mkdir -p build-fuzz/findings
build-fuzz/bin/qtcm_fuzz_translation -max_total_time="${QTCM_FUZZ_SECONDS:-60}" -max_len=8192 \
  -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
