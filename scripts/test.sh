#!/usr/bin/env bash
# Builds and runs every test: the native suites with the address and undefined-behaviour
# sanitizers, a short fuzzing run of every reader and of whole translations, the summary page of
# the example migration in headless Chromium (its screenshot kept in build-test/artifacts), then the
# Windows part: the 32-bit deliverable with its export check and its suites under 32-bit Wine, and
# the x64 twin's suites under wine64; the example migration is compared with the native one under
# each.
# QTCM_SKIP_WINDOWS=1 skips the Windows part and QTCM_SKIP_FUZZ=1 the fuzzing, for a quick loop.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/need-packages.sh
need_packages cmake make g++ libgtest-dev googletest pkg-config libhivex-dev

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DQTCM_SANITIZE=ON >/dev/null
cmake --build build-test -j2
ctest --test-dir build-test --output-on-failure
passed=3 # the native suites: unit, end-to-end and the host's messages

if [ "${QTCM_SKIP_FUZZ:-0}" != 1 ]; then
  echo "== fuzzing every reader and whole translations (scripts/fuzz.sh)"
  bash scripts/fuzz.sh
  passed=$((passed + 1))
fi

checks=0
skipped=0
failures=()

# The summary page as a browser shows it. Without Chromium the check is skipped, never passed.
echo "== the summary page of the example migration in Chromium"
if need_chromium; then
  checks=$((checks + 1))
  bash tests/host/html-page.sh build-test/bin/qtcm examples build-test/artifacts ||
    failures+=("the summary page in Chromium (see above)")
else
  echo "Chromium could not be installed: $chromium_problem"
  skipped=$((skipped + 1))
fi

# The last line counts every check: "checks: N passed, M failed[, K skipped]".
finish() {
  passed=$((passed + checks - ${#failures[@]}))
  local summary="checks: $passed passed, ${#failures[@]} failed"
  [ $skipped -eq 0 ] || summary+=", $skipped skipped"
  if [ ${#failures[@]} -ne 0 ]; then
    echo "${#failures[@]} check(s) failed:"
    printf '  - %s\n' "${failures[@]}"
    echo "$summary"
    exit 1
  fi
  echo "$summary"
  exit 0
}

if [ "${QTCM_SKIP_WINDOWS:-0}" = 1 ]; then
  echo "Windows part skipped (QTCM_SKIP_WINDOWS=1)"
  finish
fi
need_packages g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64
# 32-bit Wine needs the i386 architecture and its package index; without them the 32-bit checks
# are skipped (never counted as passed) and everything else still runs.
wine32=1
if ! need_wine32; then
  wine32=0
  echo "32-bit Wine could not be installed: $wine32_problem"
fi

prefixes=()
log=$(mktemp)
trap 'for p in "${prefixes[@]}"; do WINEPREFIX="$p" /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$p"; done; rm -f "$log"' EXIT
export WINEDEBUG=-all

# Each bitness gets a fresh 64-bit prefix of its own (a 32-bit program then runs as on 64-bit
# Windows), so that nothing one run left in the registry can stand in for what the other seeds.
fresh_prefix() {
  WINEPREFIX=$(mktemp -d)
  prefixes+=("$WINEPREFIX")
  export WINEPREFIX WINEARCH=win64
  /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true # a prefix that did not boot fails the suites
}

# A build's two suites under a Wine loader, then the example migration compared with the native one.
wine_checks() {
  local loader=$1 bin=$2 label=$3 suite status
  for suite in qtcm_unit_tests qtcm_e2e_tests qtcm_host_tests; do
    echo "-- $suite.exe ($label)"
    status=0
    (cd "$bin" && "$loader" "$suite.exe" --gtest_brief=1) >"$log" 2>&1 || status=$?
    tr -d '\r' <"$log" | grep -vE '^wine: |^Running main' || true
    checks=$((checks + 1))
    [ $status -eq 0 ] || failures+=("$suite.exe ($label) under Wine exited with status $status")
  done
  echo "-- the example migration, natively and under Wine ($label)"
  checks=$((checks + 1))
  bash tests/exports/compare-wine-demo.sh build-test/bin "$bin" ||
    failures+=("the example migration under Wine ($label) differs from the native one, or did not run (see above)")
}

part_start=$SECONDS
echo "== win32: QTCm.dll and its exports"
cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-win32 -j2
checks=$((checks + 1))
bash tests/exports/check-exports.sh build-win32/bin/QTCm.dll || failures+=("the export table of build-win32/bin/QTCm.dll")
if [ $wine32 = 1 ]; then
  echo "== win32: the suites under 32-bit Wine"
  fresh_prefix
  wine_checks /usr/lib/wine/wine build-win32/bin 32-bit
else
  echo "== win32: the suites under 32-bit Wine skipped: 32-bit Wine could not be installed (see above)"
  skipped=$((skipped + 4)) # the three suites and the example migration
fi
echo "== win32 took $((SECONDS - part_start)) s"

part_start=$SECONDS
echo "== win64: the suites under Wine"
cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-win64 -j2
fresh_prefix
wine_checks /usr/lib/wine/wine64 build-win64/bin x64
echo "== win64 took $((SECONDS - part_start)) s"

finish
