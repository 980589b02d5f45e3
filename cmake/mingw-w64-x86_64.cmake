# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads)
# against the Qt for MinGW that scripts/windows unpacks into build-windows/.
# moc, rcc and uic come from the build machine's Qt, which must be the same
# version (6.4.2, Debian 12's). Tests run under wine64 through the launcher.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(LURNATIK_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LURNATIK_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LURNATIK_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${LURNATIK_MINGW}-windres)
set(CMAKE_AR /usr/bin/${LURNATIK_MINGW}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${LURNATIK_MINGW}-ranlib CACHE FILEPATH "")

set(QT_MINGW_PREFIX "" CACHE PATH "The unpacked Qt for MinGW")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QT_MINGW_PREFIX)

set(CMAKE_FIND_ROOT_PATH ${QT_MINGW_PREFIX} /usr/${LURNATIK_MINGW})
list(PREPEND CMAKE_PREFIX_PATH ${QT_MINGW_PREFIX})
set(QT_HOST_PATH /usr CACHE PATH "The build machine's Qt, for moc, rcc and uic")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
