#!/usr/bin/env bash
# zimo --check: the hints of a program file as "N: MESSAGE" lines, and its exit status.
# Usage: check_test.sh ZIMO HINTS_FOLDER PROGRAMS_FOLDER
set -u
zimo=$1
hints=$2
programs=$3
failed=0
expect() { # status wanted, status got, what
  if [ "$1" != "$2" ]; then echo "$3: exit status $2, wanted $1"; failed=1; fi
}

out=$("$zimo" --check "$hints/jumps.zkf"); status=$?
expect 1 $status "a program with hints"
if [ "$out" != "$(cat "$hints/jumps.hints")" ]; then
  echo "the hints differ:"; echo "$out"; failed=1
fi

out=$("$zimo" --check "$programs/movement/square.zkf"); status=$?
expect 0 $status "a program without hints"
[ -z "$out" ] || { echo "a program without hints printed: $out"; failed=1; }

"$zimo" --check "$hints/no-such-file.zkf" 2>/dev/null; expect 2 $? "an unreadable file"
"$zimo" --check 2>/dev/null; expect 2 $? "no program named"
exit $failed
