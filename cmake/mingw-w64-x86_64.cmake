# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads, for
# std::thread and std::mutex); the programs and tests run under Wine.
# Only the core, its tests and the Qt-free maprune-cli: -DMAPRUNE_QT=OFF.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_triple x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

# Libraries (zlib) from the MinGW tree only; the header-only packages
# (nlohmann-json, CLI11) are the system's, found by their own folders.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(nlohmann_json_DIR /usr/share/cmake/nlohmann_json CACHE PATH "")
set(CLI11_DIR /usr/share/cmake/CLI11 CACHE PATH "")

# Linked statically, the C++ runtime and zlib too, so that Wine needs no DLL
# beside the programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(ZLIB_USE_STATIC_LIBS ON)

find_program(MAPRUNE_WINE NAMES wine64 wine PATHS /usr/lib/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${MAPRUNE_WINE})
