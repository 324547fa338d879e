#!/usr/bin/env bash
# Sets up a fresh machine, builds Maprune and runs every test. Extra
# arguments go to the CMake configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" "$@"
build=${MAPRUNE_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)
ctest --test-dir "$build" --output-on-failure -j "$jobs"
