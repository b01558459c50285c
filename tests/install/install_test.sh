#!/usr/bin/env bash
# Installs the build into a staging folder and checks what a desktop needs of it: the
# layout, the validators' verdict on the desktop entry, file types and metainfo, that they
# name each other consistently, the icons of every size, the examples and tasks, and the
# command line that works without a display.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build="$1" source="$2" version="$3"
id=lv.zimo.Zimo
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
need() { [ -e "$stage/$1" ] || fail "not installed: $1"; }

for tool in desktop-file-validate appstreamcli xmllint update-mime-database; do
    command -v "$tool" >/dev/null || { echo "install_test: $tool is missing (scripts/setup.sh)" >&2; exit 2; }
done

cmake --install "$build" --prefix "$stage" >/dev/null

need bin/zimo
need share/applications/$id.desktop
need share/mime/packages/$id.xml
need share/metainfo/$id.metainfo.xml
need share/doc/zimo/copyright
need share/icons/hicolor/scalable/apps/$id.svg
need share/icons/hicolor/scalable/mimetypes/application-x-zimo-program.svg

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3*256+$4 "x" $7*256+$8 }'; }
for size in 16 22 24 32 48 64 128 256; do
    for icon in apps/$id mimetypes/application-x-zimo-program; do
        png="share/icons/hicolor/${size}x${size}/$icon.png"
        need "$png"
        if [ -e "$stage/$png" ] && [ "$(png_size "$stage/$png")" != "${size}x${size}" ]; then
            fail "$png is $(png_size "$stage/$png"), not ${size}x${size}"
        fi
    done
done

if [ -d "$source/examples" ]; then
    expected="$(cd "$source/examples" && find . -name '*.zkf' | sort)"
    installed="$(cd "$stage/share/zimo/examples" 2>/dev/null && find . -name '*.zkf' | sort)" || true
    [ -n "$expected" ] && [ "$expected" = "$installed" ] || fail "the examples are not all installed"
fi
expected="$(cd "$source/tasks" && find . -name '*.zku' | sort)"
installed="$(cd "$stage/share/zimo/tasks" 2>/dev/null && find . -name '*.zku' | sort)" || true
[ -n "$expected" ] && [ "$expected" = "$installed" ] || fail "the tasks are not all installed"

desktop="$stage/share/applications/$id.desktop"
mime="$stage/share/mime/packages/$id.xml"
meta="$stage/share/metainfo/$id.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$meta" >/dev/null || {
    appstreamcli validate --no-net "$meta" >&2 || true
    fail "appstreamcli validate"
}
# The tree as a whole: the entry the metainfo launches is there too.
appstreamcli validate-tree --no-net "$stage" >/dev/null || fail "appstreamcli validate-tree"
xmllint --noout "$mime" "$meta" || fail "xmllint"

# The names the files give each other.
entry() { sed -n "s/^$1=//p" "$desktop"; }
xpath() { xmllint --xpath "string($2)" "$1"; }
type="$(xpath "$mime" "//*[local-name()='mime-type'][1]/@type")"
task_type="$(xpath "$mime" "//*[local-name()='mime-type'][2]/@type")"
[ "$type" = application/x-zimo-program ] || fail "the MIME file declares '$type'"
[ "$task_type" = application/x-zimo-task ] || fail "the MIME file declares '$task_type' for tasks"
[ "$(entry MimeType)" = "$type;$task_type;" ] || fail "the desktop entry's MimeType is '$(entry MimeType)'"
[ "$(xpath "$meta" "//provides/mediatype[1]")" = "$type" ] || fail "metainfo provides another type"
[ "$(xpath "$meta" "//provides/mediatype[2]")" = "$task_type" ] || fail "metainfo provides no task type"
[ "$(xpath "$meta" "//launchable")" = "$id.desktop" ] || fail "metainfo launches another entry"
[ "$(xpath "$meta" "//release/@version")" = "$version" ] || fail "metainfo release is not $version"
[ "$(xpath "$meta" "//project_license")" = GPL-3.0-or-later ] || fail "metainfo names no licence"
cmp -s "$source/LICENSE" "$stage/share/doc/zimo/copyright" || fail "the licence is not installed"
[ "$(entry Icon)" = "$id" ] || fail "the desktop entry's icon is '$(entry Icon)'"
[ "$(entry Exec)" = "zimo %f" ] || fail "the desktop entry runs '$(entry Exec)'"
mime_icon="$(xpath "$mime" "//*[local-name()='icon']/@name")"
[ -e "$stage/share/icons/hicolor/scalable/mimetypes/$mime_icon.svg" ] || fail "no icon '$mime_icon'"

# The file type database built from the installed file gives .zkf files the type.
update-mime-database "$stage/share/mime" 2>/dev/null
grep -qx "50:$type:\*\.zkf" "$stage/share/mime/globs2" || fail "*.zkf is not $type in globs2"
grep -qx "50:$task_type:\*\.zku" "$stage/share/mime/globs2" || fail "*.zku is not $task_type in globs2"

# --version and --help answer without a display.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[ "$("${nodisplay[@]}" "$stage/bin/zimo" --version)" = "zimo $version" ] || fail "zimo --version"
help="$("${nodisplay[@]}" "$stage/bin/zimo" --help)" || fail "zimo --help exits with $?"
for form in "zimo PROGRAMMA.zkf" "zimo UZDEVUMS.zku" --run --png --trace --max-steps --check \
    --make-task --grade --csv --sheet --help --version; do
    grep -qF -- "$form" <<<"$help" || fail "zimo --help does not tell about $form"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "install layout, validators and command line: all checks passed"
