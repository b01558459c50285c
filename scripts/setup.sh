#!/usr/bin/env bash
# Installs the Debian packages Zimo needs to build, test and run. Quiet and quick when
# everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libgif-dev
  googletest libgtest-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core qt6-translations-l10n
  xvfb xauth xdotool imagemagick
  desktop-file-utils appstream libxml2-utils shared-mime-info dpkg-dev file
  librsvg2-bin poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
