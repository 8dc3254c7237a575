#!/usr/bin/env bash
# qtcm as a user meets it: the messages and exit statuses of bad desks, bad files, bad options,
# and of migrations that go well, with warnings, or through folders.
# Usage: messages.sh QTCM EXAMPLES_DIR MACRO_TRANSLATOR MAKE_DISK
set -uo pipefail
qtcm=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
examples=$(cd "$2" && pwd)
macro_translator=$3
make_disk=$4
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
unset QTCM_REGISTRY QTCM_DEMO QTCM_EXAMPLES QTCM_MACRO_TRANSLATOR QTCM_WINDOWS_ROOT QTCM_WINDOWS_USER QTCM_DRIVES
failures=0
case_name=

run() { # run NAME COMMAND...: runs qtcm's command line in $cwd (default $work)
  case_name=$1
  shift
  status=0
  (cd "${cwd:-$work}" && "$@") >"$work/stdout" 2>"$work/stderr" </dev/null || status=$?
}
fail() {
  echo "FAIL [$case_name]: $*"
  sed 's/^/  stdout: /' "$work/stdout"
  sed 's/^/  stderr: /' "$work/stderr"
  failures=$((failures + 1))
}
status_is() { [ "$status" = "$1" ] || fail "exit status $status, expected $1"; }
says() { grep -qF -- "$2" "$work/$1" || fail "$1 does not say: $2"; }
silent() { [ ! -s "$work/$1" ] || fail "$1 is not empty"; }

# A desk of our own: the example TORQA! installation, output folders under $work.
out=$work/out
mkdir -p "$out"/{Sessions,Schemes,Macros} "$work/qim"
desk=$work/desk.reg
cat >"$desk" <<REG
REGEDIT4

[HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!]
"InstallPath"="$examples/torqa/"
"Language"="ENU"

[HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!\\Directories]
"TDP"="$out/Sessions"
"TKM"="$out/Schemes"
"TBM"="$out/Macros"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\.qtc]
@="QIMVT.Session.5.10"

[HKEY_CURRENT_USER\\Software\\Korvanesta\\QIM!\\5.10\\QIMVT]
"Directory"="$work/qim"
REG
session=$examples/qim/Sessions/Demo.qtc

# -- The command line
run "unknown option" "$qtcm" -v check x
status_is 2; says stderr "unknown option -v"
run "unknown long option" "$qtcm" check --frobnicate x
status_is 2; says stderr "unknown option --frobnicate"
run "unknown command" "$qtcm" frobnicate
status_is 2; says stderr "unknown command frobnicate"
run "option without value" "$qtcm" check x --registry
status_is 2; says stderr "--registry needs a value"
run "no files" "$qtcm" --registry "$desk" migrate
status_is 2; says stderr "migrate needs at least one file or folder"
run "version" "$qtcm" --version
status_is 0; says stdout "qtcm "

# -- No desk: nothing is written anywhere
for command in dirs "check $session" "migrate $session"; do
  run "no desk: $command" "$qtcm" $command
  status_is 2; says stderr "no desk"; says stderr "--registry FILE"; says stderr "--example-desk"; silent stdout
done
[ ! -e "$work/migration-report.txt" ] || fail "a run without a desk wrote a report"

# -- Registry files that cannot serve
printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\X]\n"a"="b"\n"c" "d"\n' >"$work/bad-line.reg"
printf 'Registry export\n[HKEY_LOCAL_MACHINE\\X]\n' >"$work/not-export.reg"
run "registry missing" "$qtcm" --registry "$work/absent.reg" dirs
status_is 2; says stderr "$work/absent.reg: the registry file cannot be read"
run "registry not an export" "$qtcm" --registry "$work/not-export.reg" dirs
status_is 2; says stderr "$work/not-export.reg:1: not a registry export"
run "registry bad line, from QTCM_REGISTRY" env QTCM_REGISTRY="$desk:$work/bad-line.reg" "$qtcm" dirs
status_is 2; says stderr "$work/bad-line.reg:5: no '=' after the value name"
run "registry a folder" "$qtcm" --registry "$work/qim" dirs
status_is 2; says stderr "$work/qim: a folder"

# -- A copied Windows system drive: the options, the hives, the user's variables
disk=$work/disk
mkdir -p "$work/qimhome/Sessions" "$work/ann/Sessions"
"$make_disk" "$disk" ann "$work/qimhome" || fail "qtcm_make_disk could not write the sample disk"
touch "$work/plain"
for bad in "C=/x" "1:=/x" "D:" "D:/x"; do
  run "drive $bad" "$qtcm" --drive "$bad" --registry "$desk" dirs
  status_is 2; says stderr "--drive $bad: give a drive letter, ':', '=' and a folder"
done
run "drive missing folder" "$qtcm" --drive "D:=$work/gone" --registry "$desk" dirs
status_is 2; says stderr "--drive D:=$work/gone: no such folder"
run "drive a file" "$qtcm" --drive "D:=$work/plain" --registry "$desk" dirs
status_is 2; says stderr "--drive D:=$work/plain: not a folder"
run "drive twice" "$qtcm" --drive "D:=$work" --drive "d:=$work/qim" --registry "$desk" dirs
status_is 2; says stderr "the drive D: is given twice"
run "drive accepted" "$qtcm" --drive "D:=$work" --drive "e:=$work/qim" --registry "$desk" dirs
status_is 0
run "user without root" "$qtcm" --user ann --registry "$desk" dirs
status_is 2; says stderr "--user ann needs --windows-root DIR"
run "root without user" "$qtcm" --windows-root "$disk" dirs
status_is 2; says stderr "--windows-root needs --user NAME"
run "root without user, from the environment" env QTCM_WINDOWS_ROOT="$disk" "$qtcm" dirs
status_is 2; says stderr "QTCM_WINDOWS_ROOT needs --user NAME"
run "root missing" "$qtcm" --windows-root "$work/gone" --user ann dirs
status_is 2; says stderr "--windows-root $work/gone: no such folder"
run "root a file" "$qtcm" --windows-root "$work/plain" --user ann dirs
status_is 2; says stderr "--windows-root $work/plain: not a folder"
run "user a path" "$qtcm" --windows-root "$disk" --user ../ann dirs
status_is 2; says stderr "--user ../ann: not a user name"
run "root not a system drive" "$qtcm" --windows-root "$work/qim" --user ann dirs
status_is 2; says stderr "$work/qim/Windows/System32/config/SOFTWARE: no such file: $work/qim is not a copied Windows system drive"
run "no such user" "$qtcm" --windows-root "$disk" --user bob dirs
status_is 2; says stderr "$disk/Users/bob/NTUSER.DAT: no such file: the disk has no profile of the user bob (profiles there: ann)"
software=$disk/Windows/System32/config/SOFTWARE
cp "$software" "$work/SOFTWARE.good"
for case in "empty:an empty file, not a registry hive" "text:not a registry hive: it does not begin with \"regf\"" \
  "cut:cut short: its header announces"; do
  case ${case%%:*} in
  empty) : >"$software" ;;
  text) printf 'REGEDIT4\r\n' >"$software" ;;
  cut) head -c 9000 "$work/SOFTWARE.good" >"$software" ;;
  esac
  run "hive ${case%%:*}" "$qtcm" --windows-root "$disk" --user ann dirs
  status_is 2; says stderr "qtcm: $software: ${case#*:}"; silent stdout
done
cp "$work/SOFTWARE.good" "$software"
# The desk alone: the QIM! folder from the user's hive, %QIMHOME% from the user's environment (not
# this process's); the TORQA! folders from an export file in front of the hives.
grep -v 'QIMVT\|Directory' "$desk" >"$work/torqa.reg"
run "windows root desk" env QIMHOME=/wrong "$qtcm" --windows-root "$disk" --user ann dirs
says stdout "$work/qimhome/Sessions"; grep -q "no desk" "$work/stderr" && fail "a copied drive is no desk"
run "windows root with an export in front" env QIMHOME=/wrong "$qtcm" --windows-root "$disk" --user ann --registry "$work/torqa.reg" dirs
status_is 0; says stdout "$work/qimhome/Sessions"; says stdout "$out/Sessions"; silent stderr
grep -qF '\' "$work/stdout" && fail "dirs shows a path with both kinds of separator"
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Korvanesta\\QIM!\\5.10\\QIMVT]\n"Directory"="%s/%%USERNAME%%\\Sessions"\n' \
  "$work" >"$work/user-dir.reg"
run "profile variables, from the environment" env QTCM_WINDOWS_ROOT="$disk" QTCM_WINDOWS_USER=ann USERNAME=nobody "$qtcm" \
  --registry "$work/user-dir.reg" --registry "$work/torqa.reg" dirs
status_is 0; says stdout "$work/ann/Sessions"

# -- dirs
run "dirs complete" "$qtcm" --registry "$desk" dirs
status_is 0; says stdout "$out/Sessions"; says stdout "$work/qim"
grep -v '^;\|QIMVT\|Directory' "$desk" >"$work/partial.reg"
grep -v '"TDP"' "$work/partial.reg" >"$work/no-sessions.reg"
run "dirs missing two" "$qtcm" --registry "$work/no-sessions.reg" dirs
status_is 1; says stdout "(not found)"
says stderr 'directory 1 (TORQA! sessions) not found: no value "TDP" under HKEY_LOCAL_MACHINE\Software\Korvanesta\TORQA!\Directories; give it with --sessions DIR'
says stderr 'directory 0 (QIM! sessions) not found: no QIM! session class under HKEY_LOCAL_MACHINE\Software\Classes\.qtc'
sed 's|"TKM"=.*|"TKM"="/nonexistent/Schemes"|' "$desk" >"$work/gone.reg"
run "dirs folder gone" "$qtcm" --registry "$work/gone.reg" dirs
status_is 1; says stderr '/nonexistent/Schemes ("TKM") does not exist; give it with --schemes DIR'
sed 's|"Directory"=.*|"CommonDirectory"="/nonexistent/qim"|' "$desk" >"$work/qim-gone.reg"
run "dirs QIM! folder gone" "$qtcm" --registry "$work/qim-gone.reg" dirs
status_is 1
says stderr 'looked for "Directory" and "CommonDirectory" under HKEY_CURRENT_USER\Software\Korvanesta\QIM!\5.10\QIMVT'
says stderr '/nonexistent/qim (CommonDirectory of HKEY_CURRENT_USER\Software\Korvanesta\QIM!\5.10\QIMVT) cannot be read'

sed 's|@="QIMVT.Session.5.10"|@="QIMVT.Session"|' "$desk" >"$work/no-version.reg"
run "dirs QIM! class without version" "$qtcm" --registry "$work/no-version.reg" dirs
status_is 1
says stderr 'directory 0 (QIM! sessions) not found: the class "QIMVT.Session" of .qtc names no version (5.10 or 5.00)'

# -- check says why
printf '' >"$work/empty.qtc"
printf 'Version 5.10\nCaptureSetup( FileName="QIMVT.TXT" )\n' >"$work/no-header.qtc"
printf '// Version QIM! 5.10\r\nCaptureSetup( FileName="QIMVT.txt" )\r\n' >"$work/no-capture.qtc"
mkfifo "$work/pipe.qtc"
run "check" "$qtcm" --registry "$desk" check "$session" "$work/absent.qtc" "$work/gone/x.qtc" "$work/qim" \
  "$work/empty.qtc" "$work/no-header.qtc" "$work/no-capture.qtc" "$work/pipe.qtc"
status_is 1
says stdout "$session: QIM! session file"
says stdout "$work/absent.qtc: not found"
says stdout "$work/gone/x.qtc: not found: the folder $work/gone does not exist"
says stdout "$work/empty.qtc: not a QIM! session file: an empty file"
says stdout "$work/no-header.qtc: not a QIM! session file: no QIM! header line"
says stdout "$work/no-capture.qtc: not a QIM! session file: the second line is not CaptureSetup"
says stdout "$work/pipe.qtc: not a regular file"
says stderr "$work/qim: no QIM! session file in this folder"
if [ "$(id -u)" != 0 ]; then # root reads any file
  cp "$session" "$work/locked.qtc" && chmod 000 "$work/locked.qtc"
  run "check unreadable" "$qtcm" --registry "$desk" check "$work/locked.qtc"
  status_is 1; says stdout "$work/locked.qtc: cannot be read: Permission denied"
fi
run "check all good" "$qtcm" --registry "$desk" check "$session"
status_is 0

# -- migrate refuses to start
: >"$work/readonly.txt" && chmod 444 "$work/readonly.txt"
run "read-only report" "$qtcm" --registry "$desk" migrate --report "$work/readonly.txt" "$session"
status_is 2; says stderr "the report $work/readonly.txt is read-only"
run "report in a missing folder" "$qtcm" --registry "$desk" migrate --report "$work/gone/r.txt" "$session"
status_is 2; says stderr "the report's folder $work/gone does not exist"
run "report a folder" "$qtcm" --registry "$desk" migrate --report "$work/qim" "$session"
status_is 2; says stderr "the report $work/qim is a folder"
run "summary in a missing folder" "$qtcm" --registry "$desk" migrate --summary "$work/gone/s.json" "$session"
status_is 2; says stderr "--summary $work/gone/s.json: the folder $work/gone does not exist"
run "page a folder" "$qtcm" --registry "$desk" migrate --html "$work/qim" "$session"
status_is 2; says stderr "--html $work/qim: a folder"
run "sessions option missing" "$qtcm" --registry "$desk" --sessions "$work/gone" migrate "$session"
status_is 2; says stderr "--sessions $work/gone: no such folder"
run "no TORQA! sessions directory" "$qtcm" --registry "$work/no-sessions.reg" migrate "$session"
status_is 2; says stderr 'no value "TDP"'
[ -z "$(ls "$out/Sessions")" ] || fail "a refused run wrote a session file"

# -- migrate: translated, with warnings, not translated. The macro translator's report cannot be
# created (its name leads into a missing folder): a notice, and the startup macro stays untranslated.
mkdir -p "$work/tmp" "$work/Macros" && cp "$examples/qim/Macros/Logon.qtm" "$work/Macros/"
ln -s "$work/gone/report" "$work/tmp/QTCmBasic_rpt.TXT"
{ cat "$desk"; printf '\n[HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!\\Components]\n'
  printf '"{6D0C2A57-91B4-4E8F-B3A2-5C7E19F04D68}"="%s"\n' "$macro_translator"; } >"$work/macros.reg"
cp "$session" "$work/qim/"
cwd=$work/qim run "migrate files" env TMPDIR="$work/tmp" "$qtcm" --registry "$work/macros.reg" migrate \
  --report "$work/r.txt" --summary files.json --html "$work/files.html" Demo.qtc "$work/no-header.qtc" \
  "$work/absent.qtc" "$work/Macros"
status_is 1
says stdout "Demo.qtc
  -> $out/Sessions/Demo.TDP"
says stdout "     warning: Could not open \"$work/tmp/QTCmBasic_rpt.TXT\""
says stdout "$work/no-header.qtc
  -> not translated: not a QIM! session file: it does not begin with \"// Version QIM! \""
says stdout "$work/absent.qtc
  -> not translated: not found"
says stdout "$work/Macros/Logon.qtm
  -> left out: not a QIM! session file: no QIM! header line"
says stdout "1 of 3 files translated (1 with warnings), 1 left out"
says stdout "warning: MacroOptions (startup macro): the macro path \"..\\Macros\\Logon.qtm\" is relative: it was read as ../Macros/Logon.qtm from the working folder $work/qim/."
says stderr "$work/Macros: no QIM! session file in this folder"
# The summary: reasons and notices by kind, losses by property and statement group; the JSON and
# the page written where named (relative to where qtcm was started).
says stdout "Not translated:"
says stdout "      1         1  not a QIM! session file: it does not begin with \"// Version QIM! \""
says stdout "      1         1  not found"
says stdout "Left out:"
says stdout "      1         1  Horizontal "
says stdout "Sessions with the most losses:"
says stdout "  the macro path \"...\" is relative: it was read as ... from the working folder ..."
says stdout "Summary: $work/qim/files.json"
says stdout "Page: $work/files.html"
grep -q '<section class="session" id="session-Demo-qtc"' "$work/files.html" || fail "the page has no section for Demo.qtc"
if command -v python3 >/dev/null; then
  python3 - "$work/qim/files.json" "$out" >"$work/json.log" 2>&1 <<'PY' || fail "the JSON summary: $(cat "$work/json.log")"
import json, re, sys
run = json.load(open(sys.argv[1], encoding="utf-8"))
assert run["command"] == "migrate" and run["arguments"][-4] == "Demo.qtc", run["arguments"]
assert re.fullmatch(r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d", run["started"]), run["started"]
states = [(s["state"], s["reason"][:14]) for s in run["sources"]]
assert states == [("translated", ""), ("not translated", "not a QIM! ses"), ("not translated", "not found"),
                  ("left out", "not a QIM! ses")], states
demo = run["sources"][0]
assert demo["created"][0] == sys.argv[2] + "/Sessions/Demo.TDP", demo["created"]
assert sum(1 for line in demo["lines"] if line["kind"] in ("unconverted", "macro")) == demo["unconverted"], demo
assert all(line["group"] and "\t" in line["text"] and not line["text"].endswith("\n") for line in demo["lines"])
assert run["totals"]["translated"] == 1 and run["totals"]["leftOut"] == 1 and run["totals"]["notTranslated"] == 2
PY
fi
grep -q "QIM! session file converted: $work/qim/Demo.qtc" "$work/r.txt" || fail "no report section"
rm -f "$out/Sessions/Demo.TDP"

# -- An installation folder without the template: checked before anything is written
mkdir -p "$work/empty-install"
sed "s|\"InstallPath\"=.*|\"InstallPath\"=\"$work/empty-install/\"|" "$desk" >"$work/no-template.reg"
run "no template" "$qtcm" --registry "$work/no-template.reg" migrate --report "$work/no-template.txt" "$session"
status_is 2
says stderr "the session template cannot be read: Could not open \"$work/empty-install/Sessions/ENU/Template/Async.tdp\""
says stderr '"InstallPath" under HKEY_LOCAL_MACHINE\Software\Korvanesta\TORQA!'
says stderr "warning: no TORQA! menu in $work/empty-install/torqa.dlr"
grep -q "Could not open the session template" "$work/stdout" "$work/stderr" && fail "a translation was tried"
[ -z "$(ls "$out/Sessions")" ] || fail "a stopped run created a session file"
[ ! -e "$work/no-template.txt" ] || fail "a stopped run created its report"

# -- migrate FOLDER: the sessions found at any depth, nothing else; no progress bar off a terminal
mkdir -p "$work/tree/a/b"
cp "$examples/qim/Sessions/Payroll.qtc" "$work/tree/a/b/"
cp "$examples/qim/Sessions/LabGraphics.qtc" "$work/tree/"
cp "$work/no-capture.qtc" "$desk" "$work/tree/a/"
run "migrate folder" "$qtcm" --registry "$desk" migrate --report "$work/r.txt" "$work/tree"
status_is 1
says stdout "$work/tree/LabGraphics.qtc
  -> $out/Sessions/LabGraphics.TDP"
says stdout "$work/tree/a/b/Payroll.qtc
  -> $out/Sessions/Payroll.TDP"
says stdout "$work/tree/a/desk.reg
  -> left out: not a QIM! session file: no QIM! header line"
says stdout "$work/tree/a/no-capture.qtc
  -> left out: not a QIM! session file: the second line is not CaptureSetup"
says stdout "2 of 2 files translated (2 with warnings), 2 left out;"
grep -A1 "a/no-capture.qtc" "$work/stdout" | grep -q -- "-> $out" && fail "a file check refuses was migrated"
run "check folder" "$qtcm" --registry "$desk" check "$work/tree"
status_is 1
says stdout "$work/tree/a/b/Payroll.qtc: QIM! session file"
says stdout "$work/tree/a/no-capture.qtc: not a QIM! session file: the second line is not CaptureSetup"
run "named file check refuses" "$qtcm" --registry "$desk" migrate --report "$work/r.txt" "$work/no-capture.qtc"
status_is 0
says stdout "warning: qtcm check refuses this file (not a QIM! session file: the second line is not CaptureSetup"
rm -f "$out/Sessions/"*
grep -q $'\r' "$work/stderr" && fail "a progress bar was drawn off a terminal"

# -- On a terminal (script gives one) the progress bar shows files done of all, rate, time left, file
if command -v script >/dev/null; then
  run "progress bar" script -qec "$(printf '%q ' "$qtcm" --registry "$desk" migrate --report "$work/r.txt" "$work/tree")" /dev/null
  status_is 1
  tr '\r' '\n' <"$work/stdout" >"$work/bar"
  grep -qE '^\[#*\.*\] 0/2  .*LabGraphics\.qtc' "$work/bar" || fail "no bar at the first file"
  grep -qE '^\[#{12}\.{12}\] 1/2  [0-9.]+ files/s  [0-9]+:[0-9]{2} left  .*/b/Payroll\.qtc' "$work/bar" ||
    fail "no bar with rate and time left at the second file"
fi

# -- A session file's path past the interface's 259 bytes is printed whole
long=$work/$(printf 'l%.0s' {1..200})/$(printf 'm%.0s' {1..60})
mkdir -p "$long"
run "long output path" "$qtcm" --registry "$desk" --sessions "$long" migrate --report "$work/r.txt" "$session"
status_is 0
says stdout "  -> $long/Demo.TDP"
run "long directory" "$qtcm" --registry "$desk" --sessions "$long" dirs
status_is 0; says stdout "$long"
[ -f "$long/Demo.TDP" ] || fail "no session file in the long folder"

# -- The example desk, asked for, writes into QTCM_DEMO
run "example desk" env QTCM_DEMO="$work/demo" QTCM_MACRO_TRANSLATOR= "$qtcm" --example-desk migrate "$session"
status_is 0; says stdout "  -> $work/demo/Sessions/Demo.TDP"; says stdout "Report: $work/demo/migration-report.txt"

# -- A whole copied Windows disk loses nothing: the TORQA! installation, the output folders and the
# macros are in other cases than the registry and the sessions name them, macros are named by
# relative and by drive-letter paths, and the registry comes from the hives (the macro translator's
# key from an export file in front of them).
copied=$work/copied
"$make_disk" "$copied" ann 'C:\Users\ann\QIM' || fail "qtcm_make_disk could not write the copied disk"
torqa="$copied/program files (x86)/Torqa!"
mkdir -p "$torqa/sessions/enu/template" "$torqa/enu" "$copied/Users/ann/QIM/SESSIONS" "$copied/Users/ann/QIM/MACROS"
cp "$examples/torqa/Sessions/ENU/Template/Async.tdp" "$torqa/sessions/enu/template/ASYNC.TDP"
cp "$examples/torqa/ENU/"* "$torqa/enu/" && cp "$examples/torqa/torqa.dlr" "$torqa/TORQA.DLR"
mkdir -p "$copied/Users/ann/documents/torqa!/"{sessions,SCHEMES,macros}
cp "$examples/qim/Macros/Logon.qtm" "$copied/Users/ann/QIM/MACROS/LOGON.QTM"
cp "$examples/qim/Sessions/"*.qtc "$copied/Users/ann/QIM/SESSIONS/"
sed 's|RUNMACRO(\\"..\\Macros\\Logon.qtm\\")|RUNMACRO(\\"C:\\Users\\ann\\QIM\\Macros\\logon.QTM\\")|' \
  "$examples/qim/Sessions/Payroll.qtc" >"$copied/Users/ann/QIM/SESSIONS/DrivePaths.qtc"
grep -q 'C:\\Users\\ann\\QIM\\Macros\\logon.QTM' "$copied/Users/ann/QIM/SESSIONS/DrivePaths.qtc" ||
  fail "the drive-letter session was not made"
{ printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!\\Components]\n'
  printf '"{6D0C2A57-91B4-4E8F-B3A2-5C7E19F04D68}"="%s"\n' "$macro_translator"; } >"$work/translator.reg"
: >"$work/copied-report.txt"
run "copied disk" env TMPDIR="$work" "$qtcm" --windows-root "$copied" --user ann --registry "$work/translator.reg" \
  migrate --report "$work/copied-report.txt" "$copied/Users/ann/QIM/SESSIONS"
status_is 0
says stdout "4 of 4 files translated"
grep -q "Could not" "$work/stdout" && fail "something of the copied disk could not be read"
for made in sessions/DrivePaths.TDP sessions/Demo.TDP SCHEMES/Demo.tkm SCHEMES/DrivePaths.ttb SCHEMES/DrivePaths.tqp macros/LOGON.TBM; do
  [ -s "$copied/Users/ann/documents/torqa!/$made" ] || fail "no $made in the copied disk's TORQA! folders"
done
[ -z "$(find "$copied/Users/ann" -path '*Documents*')" ] || fail "a folder was made in another case beside the disk's own"
grep -q "Unable to convert macro" "$work/copied-report.txt" && fail "a macro of the copied disk was not translated"

# -- The example desk migrated from three working folders gives the same files: each session is
# translated in its own folder, where its relative macro paths lead.
for place in "$work" / "$examples/qim/Sessions"; do
  rm -rf "$work/demo"
  mkdir -p "$work/tmp-place" # the macro translator's report is the run's alone
  cwd=$place run "example desk from $place" env TMPDIR="$work/tmp-place" QTCM_DEMO="$work/demo" QTCM_MACRO_TRANSLATOR="$macro_translator" \
    "$qtcm" --example-desk migrate "$examples/qim/Sessions"
  status_is 0
  grep -q "Could not read the macro file" "$work/stdout" && fail "a macro file was not found from $place"
  rm -rf "$work/demo-$(basename "$place")" && mv "$work/demo" "$work/demo-$(basename "$place")"
done
diff -r "$work/demo-$(basename "$work")" "$work/demo-" >/dev/null && diff -r "$work/demo-" "$work/demo-Sessions" >/dev/null ||
  { case_name="three working folders"; fail "the example migrations differ by where qtcm was started"; }
[ -s "$work/demo-/Macros/LOGON.TBM" ] || { case_name="three working folders"; fail "no startup macro translated"; }

# -- Options belong to the commands that use them; --help and bench --help answer
for case in "dirs --report $work/r.txt:dirs takes no --report" "check -o $work/x.svg $session:check takes no -o" \
  "plan --map $work/m.csv $session:plan takes no --map" "inspect --skip-existing x.tkm:inspect takes no --skip-existing" \
  "preview -j 2 x.tqp -o y.svg:preview takes no -j" "doctor --desks d.csv:doctor takes no --desks"; do
  run "option out of place: ${case%%:*}" "$qtcm" --registry "$desk" ${case%%:*}
  status_is 2; says stderr "${case#*:}"
done
for jobs in 0 65 x; do
  run "-j $jobs" "$qtcm" --registry "$desk" migrate -j "$jobs" "$session"
  status_is 2; says stderr "-j $jobs: give a number of worker processes from 1 to 64"
done
run "check without files" "$qtcm" --registry "$desk" check
status_is 2; says stderr "check needs at least one file or folder"
run "help" "$qtcm" --help
status_is 0; says stdout "qtcm bench"; says stdout "qtcm [options] doctor"; says stdout "exit status: 0 every file translated"
run "bench help" "$qtcm" bench --help
status_is 0; says stdout "usage: qtcm bench"

# -- doctor: every check with what sets it, passed or not; a read-only folder is no missing one
mkdir -p "$work/tmp2" "$work/ro-schemes" && chmod 555 "$work/ro-schemes"
run "doctor, all well" env TMPDIR="$work/tmp2" "$qtcm" --registry "$work/macros.reg" doctor
status_is 0; says stdout "All 9 checks passed."
run "doctor, no macro translator" env TMPDIR="$work/tmp2" "$qtcm" --registry "$desk" doctor
status_is 1
says stdout "warning  macro translator"
says stdout "set by {6D0C2A57-91B4-4E8F-B3A2-5C7E19F04D68} under HKEY_LOCAL_MACHINE\Software\Korvanesta\TORQA!\Components"
run "doctor, empty installation folder" env TMPDIR="$work/tmp2" "$qtcm" --registry "$work/no-template.reg" doctor
status_is 2; says stdout "FAILED   session template"; says stdout "warning  resource library"; says stdout "ok       installation"
sed "s|\"TKM\"=.*|\"TKM\"=\"$work/ro-schemes\"|" "$work/macros.reg" >"$work/ro-schemes.reg"
run "doctor, read-only schemes" env TMPDIR="$work/tmp2" "$qtcm" --registry "$work/ro-schemes.reg" doctor
status_is 1; says stdout "directory 2 (TORQA! schemes) is read-only: $work/ro-schemes"
grep -q "schemes) not found" "$work/stdout" && fail "a read-only folder is called missing"
run "doctor, temporary folder gone" env TMPDIR="$work/gone" "$qtcm" --registry "$work/macros.reg" doctor
status_is 1; says stdout "the temporary folder $work/gone/ (TMPDIR) does not exist"
run "migrate warns and goes on" env TMPDIR="$work/tmp2" "$qtcm" --registry "$desk" migrate --report "$work/r.txt" "$work/absent.qtc"
status_is 1; says stderr "qtcm: warning: no macro translator"; says stdout "0 of 1 files translated"
grep -q "files/s" "$work/stdout" && fail "a rate for no file translated"
run "plain desk export, the README's example" "$qtcm" --registry "$examples/registry/plain-desk.reg" dirs
status_is 1; says stderr '/home/ann/torqa/Sessions ("TDP") does not exist'; says stderr '/home/ann/torqa/Macros ("TBM")'

# -- plan: what migrate would create and where, and what it would not carry over; the desk unchanged
rm -rf "$out"/Sessions/* "$out"/Schemes/* "$out"/Macros/*
: >"$out/Sessions/Demo.TDP" # taken: the plan's session file gets the next free name, as migrate's would
cp "$work/r.txt" "$work/r-before.txt"
desk_state() { (cd "$out" && find . -type f -exec sha256sum {} + | sort && ls -lR --time-style=full-iso .); }
before=$(desk_state)
run "plan" env TMPDIR="$work/tmp2" "$qtcm" --registry "$work/macros.reg" plan "$session" "$work/no-header.qtc"
status_is 1
says stdout "  would create   $out/Sessions/Demo1.TDP (session file)"
says stdout "  would create   $out/Schemes/Demo1.tkm (key map)"
says stdout "  would create   $out/Macros/LOGON.TBM (macro)"
says stdout "  not carried over: 7 unconverted, 1 unrecognized properties"
says stdout "     Display: Unconverted property: Horizontal=True"
says stdout "$work/no-header.qtc
  -> not translated: not a QIM! session file"
says stdout "1 of 2 files would be translated"
[ "$before" = "$(desk_state)" ] || fail "plan changed the target folders"
cmp -s "$work/r.txt" "$work/r-before.txt" || fail "plan changed the report"
[ ! -e "$work/migration-report.txt" ] || fail "plan wrote a report"
[ -z "$(ls "$work/tmp2")" ] || fail "plan left files in the temporary folder: $(ls "$work/tmp2")"
run "plan, skip existing" env TMPDIR="$work/tmp2" "$qtcm" --registry "$work/macros.reg" plan --skip-existing "$session"
status_is 1; says stdout "  -> skipped: its session file Demo.TDP is already in $out/Sessions"

# -- migrate --map, --skip-existing, and the free name without it
rm -rf "$out"/Sessions/* "$out"/Schemes/* "$out"/Macros/*
mkdir -p "$work/odd" && cp "$session" "$work/odd/Demo,copy.qtc"
run "map" "$qtcm" --registry "$desk" migrate --report "$work/r.txt" --map "$work/map.csv" "$session" "$work/odd" \
  "$work/absent.qtc"
status_is 1
tr -d '\r' <"$work/map.csv" >"$work/map.txt"
[ "$(grep -c $'\r$' "$work/map.csv")" = 4 ] || fail "the map's lines do not end in CRLF"
grep -qxF "source,state,reason,created,created 2,created 3,created 4" "$work/map.txt" || fail "map header"
grep -qxF "$session,translated,,$out/Sessions/Demo.TDP,$out/Schemes/Demo.tkm,$out/Schemes/Demo.tqp,$out/Schemes/Demo.ttb" \
  "$work/map.txt" || fail "map row of $session"
grep -qxF "\"$work/odd/Demo,copy.qtc\",translated,,\"$out/Sessions/Demo,copy.TDP\",\"$out/Schemes/Demo,copy.tkm\",\"$out/Schemes/Demo,copy.tqp\",\"$out/Schemes/Demo,copy.ttb\"" \
  "$work/map.txt" || fail "map row with commas"
grep -qxF "$work/absent.qtc,not translated,not found,,,," "$work/map.txt" || fail "map row of a file not translated"
run "map in a missing folder" "$qtcm" --registry "$desk" migrate --map "$work/gone/map.csv" "$session"
status_is 2; says stderr "the map's folder $work/gone does not exist"
run "skip existing" "$qtcm" --registry "$desk" migrate --report "$work/r.txt" --skip-existing "$session"
status_is 1
says stdout "  -> skipped: its session file Demo.TDP is already in $out/Sessions"
says stdout "0 of 1 files translated, 1 skipped"
run "free name" "$qtcm" --registry "$desk" migrate --report "$work/r.txt" "$session"
status_is 0; says stdout "  -> $out/Sessions/Demo1.TDP"

# -- inspect and preview say what is wrong with the file they are given
run "inspect a session file" "$qtcm" inspect "$out/Sessions/Demo1.TDP"
status_is 0; says stdout "session file: "; says stdout "[Session]"; says stdout "PrimaryKeyMap"
run "inspect a missing file" "$qtcm" inspect "$work/gone/x.tkm"
status_is 2; says stderr "$work/gone/x.tkm: not found: the folder $work/gone does not exist"
run "preview into a missing folder" "$qtcm" preview "$out/Schemes/Demo.tqp" -o "$work/nodir/x.svg"
status_is 2; says stderr "the folder $work/nodir does not exist"

# -- check and migrate word a file too short to judge alike
printf '// Version' >"$work/short.qtc"
run "check short files" "$qtcm" --registry "$desk" check "$work/empty.qtc" "$work/short.qtc"
says stdout "$work/empty.qtc: not a QIM! session file: an empty file"
says stdout "$work/short.qtc: not a QIM! session file: shorter than its header line (10 of 21 bytes)"
run "migrate short files" "$qtcm" --registry "$desk" migrate --report "$work/r.txt" "$work/empty.qtc" "$work/short.qtc"
says stdout "  -> not translated: not a QIM! session file: an empty file"
says stdout "  -> not translated: not a QIM! session file: shorter than its header line (10 of 21 bytes)"

# -- migrate -j: names, report and output as a run of one process gives them. Sessions of one
# name (ignoring case) in several folders, and files left out; no macro translator, so nothing
# depends on which worker translated a macro first.
mkdir -p "$work/jtree/a" "$work/jtree/b" "$work/jtree/c"
for name in Demo LabGraphics Payroll; do cp "$examples/qim/Sessions/$name.qtc" "$work/jtree/a/"; done
cp "$session" "$work/jtree/b/DEMO.qtc" && cp "$session" "$work/jtree/c/Demo.qtc"
cp "$examples/qim/Sessions/Payroll.qtc" "$work/jtree/c/" && cp "$desk" "$work/jtree/b/notes.reg"
for jobs in 1 2; do
  mkdir -p "$work/j$jobs"/{Sessions,Schemes,Macros}
  run "-j $jobs" "$qtcm" --registry "$desk" --sessions "$work/j$jobs/Sessions" --schemes "$work/j$jobs/Schemes" \
    --macros "$work/j$jobs/Macros" migrate -j $jobs --report "$work/j$jobs.txt" --map "$work/j$jobs.csv" "$work/jtree" "$session"
  status_is 1
  sed "s|$work/j$jobs/|OUT/|g" "$work/j$jobs.csv" >"$work/j$jobs.map"
  grep -v '^Time: \|^Report: ' "$work/stdout" | sed "s|$work/j$jobs/|OUT/|g" >"$work/j$jobs.out"
  sed "s|$work/j$jobs/|OUT/|g" "$work/j$jobs.txt" >"$work/j$jobs.report"
done
case_name="-j 2 against -j 1"
[ "$(cd "$work/j1" && find . | sort)" = "$(cd "$work/j2" && find . | sort)" ] || fail "other files were created"
diff "$work/j1.out" "$work/j2.out" >/dev/null || fail "other output: $(diff "$work/j1.out" "$work/j2.out")"
cmp -s "$work/j1.report" "$work/j2.report" || fail "another report"
cmp -s "$work/j1.map" "$work/j2.map" || fail "another map: $(diff "$work/j1.map" "$work/j2.map")"
grep -q "OUT/Sessions/Demo3.TDP" "$work/j2.out" || fail "four sessions named Demo did not make Demo to Demo3"

# -- migrate --desks: a fleet; each desk described by its row alone, one that fails its checks
mkdir -p "$work/fleet"
cat >"$work/fleet/desks.csv" <<CSV
name,registry,output,sources
ann,../desk.reg,ann-out,../jtree/a
bob,../no-template.reg,bob-out,
carl,../desk.reg,carl out,../jtree/c/Demo.qtc;../absent.qtc
CSV
run "fleet" env QTCM_REGISTRY="$work/bad-line.reg" "$qtcm" migrate --desks "$work/fleet/desks.csv" -j 2 \
  --map "$work/fleet/map.csv"
status_is 1
says stdout "== desk ann ==
$work/jtree/a/Demo.qtc
  -> $work/fleet/ann-out/Sessions/Demo.TDP"
says stdout "== desk bob =="
says stdout "the session template cannot be read"
says stdout "desk bob: not migrated (exit status 2)"
says stdout "$work/absent.qtc
  -> not translated: not found"
says stdout "desk carl: done; report $work/fleet/carl out/migration-report.txt"
says stdout "4 of 5 files translated"
says stdout "Desks: 2 of 3 migrated; not migrated: bob"
grep -q "QIM! session file converted: $work/jtree/a/Payroll.qtc" "$work/fleet/ann-out/migration-report.txt" ||
  fail "no report of desk ann"
[ -z "$(ls "$work/fleet/bob-out/Sessions")" ] || fail "the desk that failed its checks got a session file"
head -1 "$work/fleet/map.csv" | grep -q "^desk,source,state,reason,created" || fail "the fleet's map has no desk column"
printf 'name,registry,colour\nann,x.reg,blue\n' >"$work/fleet/bad.csv"
run "fleet list with an unknown column" "$qtcm" migrate --desks "$work/fleet/bad.csv"
status_is 2; says stderr "$work/fleet/bad.csv: line 1: unknown column \"colour\""
printf 'name,registry\nann,x.reg\nAnn,y.reg\n' >"$work/fleet/twice.csv"
run "fleet list with a name twice" "$qtcm" migrate --desks "$work/fleet/twice.csv"
status_is 2; says stderr "$work/fleet/twice.csv: line 3: a second desk named Ann"
run "fleet with a desk option" "$qtcm" --registry "$desk" migrate --desks "$work/fleet/desks.csv"
status_is 2; says stderr "with --desks each row names its desk's registry"

if [ $failures -ne 0 ]; then
  echo "$failures host check(s) failed"
  exit 1
fi
echo "host messages and exit statuses: all as expected"
