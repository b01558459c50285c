#!/usr/bin/env bash
# Renders the hand-drawn SVG icons under data/icons/hicolor/scalable into the PNG sizes
# that the icon theme looks for. The PNGs are checked in; run this after changing an SVG.
# Needs rsvg-convert (Debian librsvg2-bin); the Windows .ico files also ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/../data/icons/hicolor"
if ! command -v rsvg-convert >/dev/null; then
    echo "render-icons.sh: rsvg-convert is needed (apt-get install librsvg2-bin)" >&2
    exit 2
fi
for svg in scalable/*/*.svg; do
    kind="$(basename "$(dirname "$svg")")"
    name="$(basename "$svg" .svg)"
    for size in 16 22 24 32 48 64 128 256; do
        mkdir -p "${size}x${size}/$kind"
        rsvg-convert -w "$size" -h "$size" "$svg" -o "${size}x${size}/$kind/$name.png"
    done
done
# The Windows icons (program and file type) hold the same pictures in one .ico each.
if command -v convert >/dev/null; then
    ico_sizes=(16 24 32 48 64 256)
    pngs() { local s; for s in "${ico_sizes[@]}"; do echo "${s}x${s}/$1"; done; }
    # shellcheck disable=SC2046
    convert $(pngs apps/lv.zimo.Zimo.png) ../../windows/zimo.ico
    # shellcheck disable=SC2046
    convert $(pngs mimetypes/application-x-zimo-program.png) ../../windows/zimo-program.ico
fi
