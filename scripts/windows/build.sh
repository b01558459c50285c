#!/usr/bin/env bash
# Builds zimo.exe for 64-bit Windows into build/windows with the MinGW-w64 cross compiler,
# against the static Qt of build-qt.sh (built first when it is missing: 30 to 60 minutes).
# Prints the executable's path.
#   JOBS=N  parallel compile jobs (default 2)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"
# shellcheck source=common.sh
source scripts/windows/common.sh
bash scripts/windows/build-qt.sh >&2
export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER-ccache}"
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}"
cmake -S . -B build/windows -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$ZIMO_WIN_QT" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR="$(host_qt_cmake_dir)" >&2
nice cmake --build build/windows --target zimo --parallel "${JOBS:-2}" >&2
echo "$root/build/windows/src/app/zimo.exe"
