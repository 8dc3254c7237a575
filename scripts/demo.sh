#!/usr/bin/env bash
# Builds QTCm and migrates the bundled example sessions into build/demo, then shows the report.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/need-packages.sh
need_packages cmake make g++ pkg-config libhivex-dev

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQTCM_BUILD_TESTS=OFF >/dev/null
cmake --build build -j2
rm -rf build/demo
build/bin/qtcm --example-desk dirs
echo
status=0
# From the sessions' own folder, where their relative macro paths lead.
(cd examples/qim/Sessions && ../../../build/bin/qtcm --example-desk migrate *.qtc) || status=$?
echo
echo "== build/demo/migration-report.txt =="
cat build/demo/migration-report.txt
exit $status
