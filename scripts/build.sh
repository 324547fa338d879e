#!/usr/bin/env bash
# Configures and builds Maprune into build/ (or $MAPRUNE_BUILD_DIR); extra
# arguments go to the CMake configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MAPRUNE_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)

if [ ! -f "$build/CMakeCache.txt" ] || [ $# -gt 0 ]; then
  cmake -S "$root" -B "$build" "$@"
fi
cmake --build "$build" -j "$jobs"
