#!/usr/bin/env bash
# Cross-builds the core, its tests and the Qt-free maprune-cli for Windows
# (MinGW-w64) into build-windows/ (or $MAPRUNE_BUILD_DIR) and runs the tests
# under Wine. Extra arguments go to the CMake configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MAPRUNE_BUILD_DIR:-$root/build-windows}
jobs=$(nproc 2>/dev/null || echo 2)

bash "$root/scripts/deps.sh" windows

if command -v ccache >/dev/null 2>&1; then
  export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
  export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
fi

# A Wine prefix of the build's own, thrown away with it. Its server stays
# for the whole run: a server started by the first test would otherwise
# hold ctest's output pipe open after the last test and keep ctest waiting.
mkdir -p "$build/wineprefix"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
wine=$(command -v wine64 || command -v wine)
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
"$wineserver" -p >/dev/null 2>&1 </dev/null
"$wine" cmd /c exit >/dev/null 2>&1 </dev/null

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DMAPRUNE_QT=OFF -DMAPRUNE_WERROR=ON -DMAPRUNE_BENCH=OFF "$@"
cmake --build "$build" -j "$jobs"
ctest --test-dir "$build" --output-on-failure -j "$jobs"
