#!/usr/bin/env bash
# zimo.exe's window under Wine on a virtual X server: started as from the Start menu it
# works in Documents\Zimo; a program typed into it and run with F5 is written to the work
# file there. Keeps a picture of the window in SHOT when a third argument names it.
# Usage: window_test.sh ZIMO_EXE [SHOT.png]. Exit 77 (skipped) without the X tools.
set -u
exe="$1" shot="${2:-}"
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
# shellcheck source=wineprefix.sh
source "$(dirname "$0")/wineprefix.sh"
xvfb_pid=
stop_xvfb() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  wine_cleanup
}
trap stop_xvfb EXIT

# shellcheck source=../xvfb.sh
source "$(dirname "$0")/../xvfb.sh"
start_xvfb

# Wine's Documents folder is the Linux home folder.
workfile="$HOME/Zimo/komandas.zkf"
(cd "$work" && exec wine "$exe") >"$work/zimo.log" 2>&1 &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Zimo$' | head -n1)
if [ -z "$window" ]; then
  echo "FAIL: the window did not appear"; cat "$work/zimo.log"
  exit 1
fi
sleep 2
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool type --delay 30 "uz prieksu 40"
xdotool key Return
xdotool type --delay 30 "lenkis pa labi 90"
xdotool key F5
for _ in $(seq 100); do
  [ -s "$workfile" ] && break
  sleep 0.1
done
sleep 1
[ -n "$shot" ] && import -window root "$shot"
if [ ! -s "$workfile" ]; then
  echo "FAIL: no work file $workfile after a run"; ls -la "$HOME" "$HOME/Zimo" 2>&1
  exit 1
fi
if ! grep -q "uz prieksu 40" "$workfile" || ! grep -q "lenkis pa labi 90" "$workfile"; then
  echo "FAIL: the work file does not hold the typed program:"; cat -A "$workfile"
  exit 1
fi
echo "the window ran a typed program and wrote $workfile"
