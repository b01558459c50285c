# shellcheck shell=bash
# Sourced by the Windows tests: a fresh Wine prefix with a home folder of its own, removed
# again on exit together with everything started in it. Sets $work (a scratch folder),
# $WINEPREFIX, $HOME and the function `win PATH` that names a Linux path for Windows.
work="$(mktemp -d)"
export WINEPREFIX="$work/prefix" HOME="$work/home" WINEDEBUG=-all
# No downloads of Mono or Gecko; Zimo needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME"
wine_cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap wine_cleanup EXIT
# Wine shows every Linux path on drive Z:.
win() { printf 'Z:%s' "$(realpath -m "$1")"; }
if ! wine wineboot -i >"$work/wineboot.log" 2>&1; then
  echo "FAIL: Wine could not make a prefix"; cat "$work/wineboot.log"
  exit 1
fi
wineserver -w
