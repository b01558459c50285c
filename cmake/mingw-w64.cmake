# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which
# C++ threads need). Used both to build the static Qt (scripts/windows/build-qt.sh) and
# Zimo itself against it (scripts/windows/build.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZIMO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZIMO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZIMO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZIMO_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${ZIMO_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${ZIMO_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# The cache of the static Qt and giflib built for Windows.
if(DEFINED ENV{ZIMO_WIN_QT})
  set(ZIMO_WIN_QT $ENV{ZIMO_WIN_QT})
else()
  set(ZIMO_WIN_QT $ENV{HOME}/.cache/zimo/qt6-mingw)
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${ZIMO_MINGW_TRIPLE} ${ZIMO_WIN_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One file to copy: the C and C++ runtimes and the thread library go inside the executable.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
