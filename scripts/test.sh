#!/usr/bin/env bash
# Builds and runs every test: the native suites with the address and undefined-behaviour
# sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/need-packages.sh
need_packages cmake make g++ libgtest-dev googletest

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DQTCM_SANITIZE=ON >/dev/null
cmake --build build-test -j2
ctest --test-dir build-test --output-on-failure
