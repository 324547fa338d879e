#!/usr/bin/env bash
# Configures and builds Maprune into build/ (or $MAPRUNE_BUILD_DIR); extra
# arguments go to the CMake configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MAPRUNE_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)

# A compiler cache, where the machine has one, makes rebuilds of other
# checkouts cheap; paths are taken relative to the checkout so that clones in
# other folders share it.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
  export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
fi

if [ ! -f "$build/CMakeCache.txt" ] || [ $# -gt 0 ]; then
  cmake -S "$root" -B "$build" "$@"
fi
cmake --build "$build" -j "$jobs"
