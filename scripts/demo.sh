#!/usr/bin/env bash
# Builds QTCm and migrates the bundled example sessions into build/demo, then says where the
# results and the report are.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/need-packages.sh
need_packages cmake make g++ pkg-config libhivex-dev

# The build speaks only when it fails.
mkdir -p build
log=build/demo-build.log
echo "Building QTCm (the whole build's output goes to $log) ..."
if ! { cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQTCM_BUILD_TESTS=OFF && cmake --build build -j2; } >"$log" 2>&1; then
  tail -n 40 "$log"
  echo
  echo "The build failed; above are the last lines of $log."
  exit 1
fi
rm -rf build/demo
echo "Migrating the example sessions of examples/qim/Sessions ..."
echo
status=0
# From the sessions' own folder, where their relative macro paths lead.
(cd examples/qim/Sessions && ../../../build/bin/qtcm --example-desk migrate --map ../../../build/demo/map.csv *.qtc) ||
  status=$?
demo=build/demo
echo
echo "The results:"
echo "  $demo/Sessions  the TORQA! session files ($(ls "$demo/Sessions" | wc -l))"
echo "  $demo/Schemes   key maps, QuickPads, toolbars and menu documents ($(ls "$demo/Schemes" | wc -l))"
echo "  $demo/Macros    the translated macros ($(ls "$demo/Macros" | wc -l))"
echo "  $demo/migration-report.txt  the migration report: what was not carried over, property by property"
echo "  $demo/map.csv   every source and the files it created"
echo "Look inside one: build/bin/qtcm inspect $demo/Sessions/Demo.TDP (or a .tkm, .tqp, .ttb, .cmu file)"
exit $status
