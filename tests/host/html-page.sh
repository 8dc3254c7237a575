#!/usr/bin/env bash
# The summary page of the example migration, as a browser shows it: the example sessions, and a
# copy of one with Windows-1252 bytes in its name and in a value, migrated with --summary and
# --html; headless Chromium renders the page, and html-page-check.py holds the DOM it dumps
# against the JSON summary and against what qtcm inspect reads from the created files, once as
# opened and once opened with the filters and a sort in the address. The page, the JSON summary
# and a screenshot stay in ARTIFACTS (summary.html, summary.json, summary.png).
# Usage: html-page.sh QTCM EXAMPLES_DIR ARTIFACTS
set -uo pipefail
qtcm=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
examples=$(cd "$2" && pwd)
artifacts=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts" "$work/sessions" "$work/tmp"
# The macro translator's report goes to the temporary folder: one of our own, away from other runs.
export TMPDIR=$work/tmp
artifacts=$(cd "$artifacts" && pwd)
unset QTCM_REGISTRY QTCM_WINDOWS_ROOT QTCM_WINDOWS_USER QTCM_DRIVES QTCM_EXAMPLES QTCM_MACRO_TRANSLATOR

# The example sessions beside their macros (their relative macro paths lead to ../Macros).
cp "$examples"/qim/Sessions/*.qtc "$work/sessions/"
cp -r "$examples/qim/Macros" "$work/Macros"
sed $'s/FontStyle="Regular"/FontStyle="R\xe9gular \x80"/' "$examples/qim/Sessions/Demo.qtc" \
  >"$work/sessions/Caf"$'\xe9'".qtc"

status=0
(cd "$work/sessions" && QTCM_DEMO="$work/demo" "$qtcm" --example-desk migrate --summary "$artifacts/summary.json" \
  --html "$artifacts/summary.html" .) >"$work/migrate.log" 2>&1 || status=$?
if [ $status -ne 0 ] || [ ! -s "$artifacts/summary.html" ]; then
  echo "FAIL: the example migration exited with status $status or wrote no page:"
  sed 's/^/  /' "$work/migrate.log"
  exit 1
fi

# What qtcm inspect reads from each key map and menu document, for the check to count.
mkdir -p "$work/inspect"
for file in "$work"/demo/Schemes/*.tkm "$work"/demo/Schemes/*.cmu; do
  "$qtcm" inspect "$file" >"$work/inspect/$(basename "$file").txt" || { echo "FAIL: qtcm inspect $file"; exit 1; }
done

browser() { # browser OUTPUT-OPTION URL: one headless Chromium run with a profile of its own
  local profile log
  profile=$(mktemp -d)
  log=$work/chromium.log
  timeout 180 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync --user-data-dir="$profile" \
    --window-size=1280,2000 "$@" 2>"$log"
  local result=$?
  rm -rf "$profile"
  [ $result -eq 0 ] || { echo "FAIL: chromium exited with status $result:"; tail -n 5 "$log" | sed 's/^/  /'; }
  return $result
}

page=file://$artifacts/summary.html
browser --dump-dom "$page" >"$work/page.html" || exit 1
browser --dump-dom "$page?property=horizontal&sort=unconverted" >"$work/filtered.html" || exit 1
browser --dump-dom "$page?session=payroll" >"$work/one-session.html" || exit 1
rm -f "$artifacts/summary.png"
browser --screenshot="$artifacts/summary.png" "$page" >/dev/null || exit 1
[ -s "$artifacts/summary.png" ] || { echo "FAIL: no screenshot"; exit 1; }

python3 "$here/html-page-check.py" "$artifacts/summary.json" "$work/inspect" "$work/page.html" "$work/filtered.html" \
  "$work/one-session.html" || exit 1
echo "the summary page in Chromium: as expected (screenshot: $artifacts/summary.png)"
