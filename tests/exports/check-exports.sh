#!/usr/bin/env bash
# Reads the export table and the imports of the built Windows DLL back and checks them: every
# expected name exported under its plain name, nothing else exported, and no DLL imported but the
# system's (no compiler run-time beside the DLL).
set -euo pipefail
dll=$1
here=$(cd "$(dirname "$0")" && pwd)
dump=$(i686-w64-mingw32-objdump -p "$dll")

exported=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[ *[0-9]*\] //p' | sort)
expected=$(sort "$here/expected-exports.txt")
status=0
if [ "$exported" != "$expected" ]; then
  echo "exports differ from the expected list:"
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$exported") || true
  status=1
fi
if printf '%s\n' "$exported" | grep -qE '[@?]|^_'; then
  echo "decorated export names:"; printf '%s\n' "$exported" | grep -E '[@?]|^_'
  status=1
fi

allowed='^(KERNEL32|USER32|ADVAPI32|GDI32|MSI|msvcrt|ntdll)\.dll$'
imports=$(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p')
foreign=$(printf '%s\n' "$imports" | grep -viE "$allowed" || true)
if [ -n "$foreign" ]; then
  echo "imports a DLL that is not the system's:"; printf '%s\n' "$foreign"
  status=1
fi
[ $status -eq 0 ] && echo "export check: $(printf '%s\n' "$exported" | wc -l) exports, imports: $(echo $imports)"
exit $status
