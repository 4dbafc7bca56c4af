# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's mingw-w64 compilers. The -posix variants
# carry the C++ threading support Qt needs. Used for the static Qt and for the program:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TAVRENDALE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAVRENDALE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVRENDALE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TAVRENDALE_MINGW_PREFIX}-windres)
set(CMAKE_AR ${TAVRENDALE_MINGW_PREFIX}-gcc-ar-posix CACHE FILEPATH "Archiver")
set(CMAKE_RANLIB ${TAVRENDALE_MINGW_PREFIX}-gcc-ranlib-posix CACHE FILEPATH "Archive indexer")

# Libraries and headers come from the mingw sysroot and the folders given in
# CMAKE_PREFIX_PATH only; programs (moc, rcc, the generators) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${TAVRENDALE_MINGW_PREFIX} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
