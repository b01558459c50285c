#!/usr/bin/env bash
# zimo.exe under Wine against the Linux build: for every program file, --run gives the
# same trace, picture, messages and exit status, and --check the same hints.
# Usage: traces_test.sh LINUX_ZIMO ZIMO_EXE FOLDER...
set -u
linux="$1" exe="$2"
shift 2
# shellcheck source=wineprefix.sh
source "$(dirname "$0")/wineprefix.sh"
failed=0 compared=0
differ() { echo "FAIL: $1"; failed=$((failed + 1)); }

for program in $(find "$@" -name '*.zkf' | sort); do
  name="${program#"$(dirname "$(dirname "$program")")/"}"
  "$linux" --run "$program" --trace "$work/l.trace" --png "$work/l.png" \
    >"$work/l.out" 2>"$work/l.err"
  lstatus=$?
  wine "$exe" --run "$(win "$program")" --trace "$(win "$work/w.trace")" \
    --png "$(win "$work/w.png")" >"$work/w.out" 2>"$work/w.err"
  wstatus=$?
  [ "$lstatus" = "$wstatus" ] || differ "$name: --run exits $wstatus, on Linux $lstatus"
  cmp -s "$work/l.trace" "$work/w.trace" || differ "$name: the traces differ"
  cmp -s "$work/l.out" "$work/w.out" || differ "$name: --run prints another output"
  cmp -s "$work/l.err" "$work/w.err" || differ "$name: --run prints other messages"
  if [ -f "$work/l.png" ]; then
    pixels="$(compare -metric AE "$work/l.png" "$work/w.png" null: 2>&1)"
    [ "$pixels" = 0 ] || differ "$name: $pixels pixels of the picture differ"
  fi
  "$linux" --check "$program" >"$work/l.out" 2>&1
  lstatus=$?
  wine "$exe" --check "$(win "$program")" >"$work/w.out" 2>&1
  wstatus=$?
  [ "$lstatus" = "$wstatus" ] || differ "$name: --check exits $wstatus, on Linux $lstatus"
  cmp -s "$work/l.out" "$work/w.out" || differ "$name: --check gives other hints"
  rm -f "$work"/l.* "$work"/w.*
  compared=$((compared + 1))
done

[ "$compared" -gt 0 ] || differ "no program files in $*"
echo "$compared programs compared, $failed differences"
[ "$failed" -eq 0 ]
