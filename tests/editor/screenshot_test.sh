#!/usr/bin/env bash
# Opens the window on a virtual X server of its own, grabs it and checks the picture.
# Usage: screenshot_test.sh ZIMO SCREENSHOT_CHECK. Exit 77 (skipped) without the X tools.
set -u
zimo=$1
checker=$2
for tool in Xvfb xdotool import; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
xvfb_pid=
zimo_pid=
cleanup() {
  [ -n "$zimo_pid" ] && kill "$zimo_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

source "$(dirname "$0")/../xvfb.sh"
start_xvfb
export QT_QPA_PLATFORM=xcb

# The window remembers its scale in a settings file of its own; this one holds it at 100 %,
# the size the picture is checked at, whatever the screen would choose.
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/Zimo"
printf '[General]\nscale=100\n' >"$XDG_CONFIG_HOME/Zimo/Zimo.conf"

# The window writes its work files into the current folder.
(cd "$work" && exec "$zimo") >"$work/zimo.log" 2>&1 &
zimo_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zimo$' | head -n1)
if [ -z "$window" ]; then
  echo "the window did not appear"; cat "$work/zimo.log"
  exit 1
fi

# The first paint may follow the mapping by a moment.
for _ in $(seq 20); do
  sleep 0.25
  import -window "$window" "$work/window.png" 2>/dev/null || continue
  if "$checker" "$work/window.png" 2>"$work/check.log"; then
    echo "the window stands as laid out"
    exit 0
  fi
done
cat "$work/check.log"
exit 1
