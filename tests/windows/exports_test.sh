#!/usr/bin/env bash
# zimo.exe's exports under Wine against the Linux build: the same programs give the same
# SVG and GIF bytes, and a PDF with as many pages as on Linux.
# Usage: exports_test.sh LINUX_ZIMO ZIMO_EXE PROGRAM.zkf...
set -u
linux="$1" exe="$2"
shift 2
# shellcheck source=wineprefix.sh
source "$(dirname "$0")/wineprefix.sh"
failed=0
differ() { echo "FAIL: $1"; failed=$((failed + 1)); }
pages() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Pages: *//p'; }

for program in "$@"; do
  name="$(basename "$program")"
  "$linux" --run "$program" --svg "$work/l.svg" --gif "$work/l.gif" --pdf "$work/l.pdf" \
    >/dev/null 2>&1 || differ "$name: the Linux build could not export"
  wine "$exe" --run "$(win "$program")" --svg "$(win "$work/w.svg")" \
    --gif "$(win "$work/w.gif")" --pdf "$(win "$work/w.pdf")" >"$work/w.err" 2>&1 \
    || { differ "$name: zimo.exe could not export"; cat "$work/w.err"; }
  cmp -s "$work/l.svg" "$work/w.svg" || differ "$name: the SVG differs"
  cmp -s "$work/l.gif" "$work/w.gif" || differ "$name: the GIF differs"
  [ -n "$(pages "$work/w.pdf")" ] && [ "$(pages "$work/l.pdf")" = "$(pages "$work/w.pdf")" ] \
    || differ "$name: the PDF has $(pages "$work/w.pdf") pages, on Linux $(pages "$work/l.pdf")"
  rm -f "$work"/l.* "$work"/w.*
done
echo "$# programs exported, $failed differences"
[ "$failed" -eq 0 ]
