#!/usr/bin/env bash
# Packs the build as a Debian package, as scripts/package.sh does, and checks its control
# fields and that it holds the installed layout under /usr.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build="$1" source="$2" version="$3"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb="$out/zimo_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "FAIL: no $(basename "$deb") in $(ls "$out")" >&2; exit 1; }

[ "$(dpkg-deb -f "$deb" Package)" = zimo ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "package section"
depends="$(dpkg-deb -f "$deb" Depends)"
for dep in qt6-translations-l10n fonts-liberation qt6-qpa-plugins libqt6widgets6 libc6; do
    grep -qE "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

contents="$(dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}//')"
for path in usr/bin/zimo usr/share/applications/lv.zimo.Zimo.desktop \
    usr/share/mime/packages/lv.zimo.Zimo.xml usr/share/metainfo/lv.zimo.Zimo.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/lv.zimo.Zimo.svg \
    usr/share/icons/hicolor/48x48/mimetypes/application-x-zimo-program.png \
    usr/share/doc/zimo/copyright; do
    grep -qx "\./$path" <<<"$contents" || fail "the package lacks /$path"
done
if [ -d "$source/examples" ]; then
    grep -q '^\./usr/share/zimo/examples/.*\.zkf$' <<<"$contents" || fail "the package lacks the examples"
fi
grep -q '^\./usr/share/zimo/tasks/.*\.zku$' <<<"$contents" || fail "the package lacks the tasks"
# Nothing of the build or the tests goes along.
grep -v '^\./usr/' <<<"$contents" | grep -v '^\./$' && fail "files outside /usr"
grep -qE 'tests|bench' <<<"$contents" && fail "test or benchmark files in the package"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "the package $(basename "$deb") holds the desktop program"
