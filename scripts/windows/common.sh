# Shared by the Windows build scripts: where the static Qt lives and where the host's Qt
# keeps its CMake files (Debian puts them in the multiarch folder).
ZIMO_WIN_QT="${ZIMO_WIN_QT:-$HOME/.cache/zimo/qt6-mingw}"
export ZIMO_WIN_QT
zimo_triple=x86_64-w64-mingw32

host_qt_cmake_dir() {
  local info
  info="$(find /usr/lib -path '*/cmake/Qt6HostInfo' -type d 2>/dev/null | head -n 1)"
  dirname "$info"
}

# The version of the project, as CMakeLists.txt states it.
zimo_version() {
  sed -n 's/^project(Zimo VERSION \([0-9.]*\).*/\1/p' "$1/CMakeLists.txt"
}
