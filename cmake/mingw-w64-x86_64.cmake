# SPDX-FileCopyrightText: 2026 The Tarnwell developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-compiles for 64-bit Windows with Debian's mingw-w64 toolchain (POSIX
# threads). Programs link the mingw runtime as DLLs, the same way the Qt DLLs
# do, so the C++ runtime is shared across the DLL boundary; the install ships
# those DLLs beside Tarnwell.exe. A Qt for Windows is found through
# CMAKE_FIND_ROOT_PATH (scripts/windows-build passes it).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

# Qt's host tools (moc, rcc, uic) are Debian's own, of the very Qt that
# scripts/windows-qt builds for Windows; this file serves both builds.
set(QT_HOST_PATH /usr CACHE PATH "Qt's host tools, for cross-compiling")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Qt's host tools' CMake packages")

# The linker would stamp every DLL and program with the time it was linked,
# and no two builds would be the same.
foreach(kind EXE SHARED MODULE)
    string(APPEND CMAKE_${kind}_LINKER_FLAGS_INIT " -Wl,--no-insert-timestamp")
endforeach()

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Debian keeps wine64 in Wine's own folder, off the PATH. Tests are listed and
# run through it, so it is needed only when the tests run.
find_program(TARNWELL_WINE64 wine64 PATHS /usr/lib/wine NO_CACHE)
if(TARNWELL_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TARNWELL_WINE64})
endif()
