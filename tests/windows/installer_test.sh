#!/usr/bin/env bash
# The installer under Wine, in a fresh prefix each way: /S installs for the user (and with
# /ALLUSERS for everybody) the program, its Start menu entry and the .zkf and .zku types;
# the installed zimo.exe runs; the silent uninstaller leaves the prefix's files and the
# registry keys it touched as they were before.
# Usage: installer_test.sh SETUP_EXE VERSION. Exit 77 (skipped) without the installer.
set -u
setup="$1" version="$2"
[ -f "$setup" ] || { echo "skipped: no $setup (scripts/windows/package.sh)"; exit 77; }
# shellcheck source=wineprefix.sh
source "$(dirname "$0")/wineprefix.sh"
failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
drive="$WINEPREFIX/drive_c"
user="$drive/users/$(id -un)"

# What the uninstaller must leave as it found it: the files and the registry's branches.
snapshot() {
  (cd "$drive" && find . -path './users/*/Temp' -prune -o -path ./windows -prune -o -print | sort)
  local root
  for root in HKCU HKLM; do
    wine reg query "$root\\Software\\Classes\\.zkf" /s 2>/dev/null
    wine reg query "$root\\Software\\Classes\\.zku" /s 2>/dev/null
    wine reg query "$root\\Software\\Classes\\Zimo.Program" /s 2>/dev/null
    wine reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s 2>/dev/null
  done
}

# reg query's (Default) value of a key.
default_of() { wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p'; }

check_installed() { # root folder start-menu-folder uninstall-arguments
  local root="$1" folder="$2" menu="$3" exe
  exe="$folder/zimo.exe"
  [ -f "$exe" ] || fail "$root: no $exe"
  [ -n "$(find "$folder/examples" -name '*.zkf' 2>/dev/null | head -n1)" ] || fail "$root: no examples"
  [ -f "$folder/LICENSE.txt" ] || fail "$root: no licence"
  [ -f "$menu/Zimo.lnk" ] || fail "$root: no Start menu entry Zimo"
  [ "$(default_of "$root\\Software\\Classes\\.zkf")" = Zimo.Program ] || fail "$root: .zkf is not Zimo's"
  [ "$(default_of "$root\\Software\\Classes\\.zku")" = Zimo.Task ] || fail "$root: .zku is not Zimo's"
  default_of "$root\\Software\\Classes\\Zimo.Program\\shell\\open\\command" | grep -q 'zimo.exe" "%1"' \
    || fail "$root: .zkf files do not open in zimo.exe"
  default_of "$root\\Software\\Classes\\Zimo.Program\\DefaultIcon" | grep -q 'zimo.exe",-2' \
    || fail "$root: .zkf files have no icon"
  [ "$(wine "$exe" --version 2>&1 | tr -d '\r')" = "zimo $version" ] || fail "$root: zimo.exe --version"
}

uninstall() { # folder arguments...
  local folder="$1"
  shift
  wine "$folder/uninstall.exe" /S "$@"
  wineserver -w
}

before="$(snapshot)"
wine "$(win "$setup")" /S || fail "the per-user installer exits with $?"
wineserver -w
check_installed HKCU "$user/AppData/Local/Programs/Zimo" \
  "$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
uninstall "$user/AppData/Local/Programs/Zimo"
[ "$before" = "$(snapshot)" ] || { fail "the per-user uninstall leaves things behind:";
  diff <(echo "$before") <(snapshot); }

wine "$(win "$setup")" /S /ALLUSERS || fail "the all-users installer exits with $?"
wineserver -w
check_installed HKLM "$drive/Program Files/Zimo" \
  "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs"
uninstall "$drive/Program Files/Zimo" /ALLUSERS
[ "$before" = "$(snapshot)" ] || { fail "the all-users uninstall leaves things behind:";
  diff <(echo "$before") <(snapshot); }

[ "$failed" -eq 0 ] && echo "installed and uninstalled silently, per user and for all users"
[ "$failed" -eq 0 ]
