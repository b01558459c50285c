#!/usr/bin/env bash
# Builds Qt 6's base module (Core, Gui, Widgets, PrintSupport and the Windows platform
# plugin) as static libraries for 64-bit Windows, and giflib beside it, with Debian's
# MinGW-w64 cross compiler. The sources are Debian's own, of the same version as the
# host's Qt, whose tools (moc, rcc, uic) the cross build uses. Everything lands in
# $ZIMO_WIN_QT (default ~/.cache/zimo/qt6-mingw), outside the work tree; when that is
# complete already, nothing happens. Takes 30 to 60 minutes on two cores.
#   ZIMO_WIN_QT=DIR  where the cache goes
#   JOBS=N           parallel compile jobs (default 2)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
# shellcheck source=common.sh
source "$root/scripts/windows/common.sh"
prefix="$ZIMO_WIN_QT"
work="$(dirname "$prefix")/$(basename "$prefix")-work"
jobs="${JOBS:-2}"
triple=$zimo_triple

if [ -f "$prefix/.complete" ]; then
  echo "Qt for Windows is ready in $prefix"
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

install_packages() {
  local missing=() p
  for p in g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools \
           binutils-mingw-w64-x86-64 dpkg-dev cmake ninja-build perl qt6-base-dev \
           qt6-base-dev-tools; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" \
      || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq \
      --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

# apt-get source needs a deb-src line; copy the binary sources' entries once.
enable_sources() {
  if apt-get source --print-uris qt6-base >/dev/null 2>&1; then
    return
  fi
  local list=/etc/apt/sources.list.d/zimo-deb-src.sources
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
      | "${sudo_cmd[@]}" tee "$list" >/dev/null
  else
    grep -h '^deb ' /etc/apt/sources.list | sed -e 's/^deb /deb-src /' \
      | "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/zimo-deb-src.list >/dev/null
  fi
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get update -qq
}

# Unpacks Debian's source package SOURCE (of VERSION when given) into $work/src/NAME.
fetch_source() {
  local name="$1" source="$2" version="${3:-}"
  if [ -d "$work/src/$name" ]; then
    return
  fi
  mkdir -p "$work/download"
  (cd "$work/download" && rm -rf ./* \
    && apt-get source -qq "$source${version:+=$version}" >/dev/null)
  local dir
  dir="$(find "$work/download" -mindepth 1 -maxdepth 1 -type d | head -n 1)"
  mkdir -p "$work/src"
  mv "$dir" "$work/src/$name"
  rm -rf "$work/download"
}

build_qt() {
  local src="$work/src/qtbase" build="$work/build-qtbase"
  local hostcmake
  hostcmake="$(host_qt_cmake_dir)"
  cmake -S "$src" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="$hostcmake" \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
    -DBUILD_SHARED_LIBS=OFF \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF \
    -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_printsupport=ON -DFEATURE_widgets=ON -DFEATURE_gui=ON \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF \
    -DFEATURE_system_md4c=OFF
  cmake --build "$build" --parallel "$jobs"
  cmake --install "$build"
  # Zimo's project needs these modules; stop here if one was left out.
  local module
  for module in Core Gui Widgets PrintSupport; do
    test -f "$prefix/lib/cmake/Qt6$module/Qt6${module}Config.cmake"
  done
  test -f "$prefix/plugins/platforms/libqwindows.a"
}

# giflib's own makefile builds shared libraries for Unix; the library is a handful of C
# files, so compile them straight into a static archive.
build_giflib() {
  local src="$work/src/giflib" out="$work/build-giflib" f
  rm -rf "$out" && mkdir -p "$out"
  for f in dgif_lib egif_lib gifalloc gif_err gif_font gif_hash openbsd-reallocarray quantize; do
    [ -f "$src/$f.c" ] || continue
    "$triple-gcc-posix" -O2 -std=gnu99 -c "$src/$f.c" -I"$src" -o "$out/$f.o"
  done
  mkdir -p "$prefix/lib" "$prefix/include"
  rm -f "$prefix/lib/libgif.a"
  "$triple-ar" rcs "$prefix/lib/libgif.a" "$out"/*.o
  cp "$src/gif_lib.h" "$prefix/include/"
}

install_packages
enable_sources
# Qt's sources must match the host Qt whose tools the build borrows; any giflib will do.
fetch_source qtbase qt6-base "$(dpkg-query -W -f='${source:Version}' qt6-base-dev)"
fetch_source giflib giflib
start=$(date +%s)
build_giflib
build_qt
date -u +%FT%TZ >"$prefix/.complete"
rm -rf "$work"
echo "Qt for Windows is ready in $prefix ($(( ($(date +%s) - start) / 60 )) minutes)"
