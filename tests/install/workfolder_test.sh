#!/usr/bin/env bash
# Starts the window as the desktop menu does, in the home folder of a fresh user, and checks
# that Zimo makes the "Zimo" folder of the user's documents its work folder.
# Usage: workfolder_test.sh ZIMO_BINARY   (with QT_QPA_PLATFORM=offscreen)
set -euo pipefail
zimo="$1"
home="$(mktemp -d)"
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
    rm -rf "$home"
}
trap cleanup EXIT

cd "$home"
want="$(pwd -P)/Documents/Zimo"
env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" "$zimo" &
pid=$!
# The work folder becomes the process's current folder before the window is built.
for _ in $(seq 1 300); do
    [ "$(readlink "/proc/$pid/cwd")" = "$want" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: zimo ended at start-up" >&2; exit 1; }
    sleep 0.1
done
[ "$(readlink "/proc/$pid/cwd")" = "$want" ] ||
    { echo "FAIL: zimo works in $(readlink "/proc/$pid/cwd"), not $want" >&2; exit 1; }
echo "started in the home folder, zimo works in Documents/Zimo"
