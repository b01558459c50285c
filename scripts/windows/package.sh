#!/usr/bin/env bash
# Builds zimo.exe and packs it for Windows computers, in build/windows:
#   Zimo-VERSION-windows-x64.zip  a portable folder "Zimo" (zimo.exe, examples, tasks,
#                                 licence) that runs from a USB stick or a network share
#   Zimo-VERSION-setup.exe        the installer (per user by default, /ALLUSERS, /S)
# The first run builds the static Qt (scripts/windows/build-qt.sh), 30 to 60 minutes.
# Prints the two files' paths.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"
# shellcheck source=common.sh
source scripts/windows/common.sh

missing=()
for p in nsis zip; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq \
    --no-install-recommends "${missing[@]}" >/dev/null
fi

exe="$(bash scripts/windows/build.sh)"
version="$(zimo_version "$root")"
# Windows version resources want four numbers.
version4="$(echo "$version.0.0.0" | cut -d. -f1-4)"
out="$root/build/windows"
stage="$out/Zimo"
rm -rf "$stage"
mkdir -p "$stage"
"$zimo_triple-strip" -o "$stage/zimo.exe" "$exe"
cp -r examples "$stage/examples"
if [ -d tasks ]; then
  cp -r tasks "$stage/tasks"
fi
# Notepad of older Windows shows a text with LF line ends as one line.
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"

zip="$out/Zimo-$version-windows-x64.zip"
rm -f "$zip"
(cd "$out" && zip -qr -X "$zip" Zimo)

setup="$out/Zimo-$version-setup.exe"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DVERSION4="$version4" \
  -DSTAGE="$stage" -DDATA="$root/data/windows" -DOUTFILE="$setup" \
  data/windows/zimo.nsi >&2
echo "$zip"
echo "$setup"
