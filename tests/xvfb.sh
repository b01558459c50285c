# shellcheck shell=bash
# Sourced by the tests that open a real window: start_xvfb starts a virtual X server of its
# own in the scratch folder $work, sets DISPLAY and xvfb_pid, and exits 77 (skipped) when
# the server does not start. The caller stops it: kill "$xvfb_pid".
start_xvfb() {
  # The server picks a free display itself and writes its number to fd 3.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
  done
  if [ ! -s "$work/display" ]; then
    echo "skipped: Xvfb did not start"; cat "$work/xvfb.log"
    exit 77
  fi
  export DISPLAY=":$(head -n1 "$work/display")"
}
