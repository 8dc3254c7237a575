#!/usr/bin/env bash
# Writes tests/fuzz/dict/session.dict: the statement, group and property names of the name tables
# (src/converters/tables), each as a libFuzzer dictionary entry, group names with the "( " that
# follows them in a session file and property names with their "=". Run it after a table changes.
set -euo pipefail
cd "$(dirname "$0")/.."
names() { # the quoted names of one table, in table order, the empty entry left out
  sed -n 's/^[[:space:]]*"\([^"]\{1,\}\)",.*/\1/p' "src/converters/tables/$1.cpp"
}
{
  echo "# Names of QIM! session statements, groups and properties (scripts/session-dict.sh)."
  names StatementNames | awk '{ printf "statement_%d=\"%s=\"\n", NR, $0 }'
  names GroupNames | awk '{ printf "group_%d=\"%s( \"\n", NR, $0 }'
  names PropertyNames | awk '{ printf "property_%d=\" %s=\"\n", NR, $0 }'
  printf '%s\n' 'kw_true="True"' 'kw_false="False"' 'kw_current="\"Current\""' 'kw_caret="^M"' \
    'kw_join="\"+\""' 'kw_escape="\\\""' 'kw_close=" )"' 'kw_sep=", "'
} >tests/fuzz/dict/session.dict
