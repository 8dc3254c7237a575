#!/usr/bin/env bash
# Builds and runs every test: the native suites with the address and undefined-behaviour
# sanitizers, a short fuzzing run of every reader, then the Windows part: the 32-bit
# deliverable with its export check, and the x64 twin's suites under Wine.
# QTCM_SKIP_WINDOWS=1 skips the Windows part and QTCM_SKIP_FUZZ=1 the fuzzing, for a quick loop.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/need-packages.sh
need_packages cmake make g++ libgtest-dev googletest

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DQTCM_SANITIZE=ON >/dev/null
cmake --build build-test -j2
ctest --test-dir build-test --output-on-failure
passed=3 # the native suites: unit, end-to-end and the host's messages

if [ "${QTCM_SKIP_FUZZ:-0}" != 1 ]; then
  echo "== fuzzing every reader and whole translations (scripts/fuzz.sh)"
  bash scripts/fuzz.sh
  passed=$((passed + 1))
fi

if [ "${QTCM_SKIP_WINDOWS:-0}" = 1 ]; then
  echo "Windows part skipped (QTCM_SKIP_WINDOWS=1)"
  echo "checks: $passed passed, 0 failed"
  exit 0
fi
need_packages g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64

echo "== win32: QTCm.dll and its exports"
cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
  -DQTCM_BUILD_TESTS=OFF >/dev/null
cmake --build build-win32 -j2
bash tests/exports/check-exports.sh build-win32/bin/QTCm.dll
passed=$((passed + 1))

echo "== win64: the suites under Wine"
cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-win64 -j2
prefix=$(mktemp -d)
trap 'WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$prefix"' EXIT
export WINEPREFIX="$prefix" WINEDEBUG=-all
failures=()
log="$prefix/suite.log"
for suite in qtcm_unit_tests qtcm_e2e_tests; do
  echo "-- $suite.exe"
  status=0
  (cd build-win64/bin && /usr/lib/wine/wine64 "$suite.exe" --gtest_brief=1) >"$log" 2>&1 || status=$?
  tr -d '\r' <"$log" | grep -vE '^wine: |^Running main' || true
  [ $status -eq 0 ] || failures+=("$suite.exe under Wine exited with status $status")
done
echo "-- the example migration, natively and under Wine"
bash tests/exports/compare-wine-demo.sh build-test/bin build-win64/bin ||
  failures+=("the example migration under Wine differs from the native one, or did not run (see above)")
if [ ${#failures[@]} -ne 0 ]; then
  echo "${#failures[@]} Windows check(s) failed:"
  printf '  - %s\n' "${failures[@]}"
  echo "checks: $((passed + 3 - ${#failures[@]})) passed, ${#failures[@]} failed"
  exit 1
fi
passed=$((passed + 3)) # the two suites under Wine and the example migration
echo "Windows checks passed"
echo "checks: $passed passed, 0 failed"
