#!/usr/bin/env bash
# Sets up a fresh machine, builds Maprune and starts the desktop program on
# the bundled sample report. Extra arguments replace the sample file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh"
build=${MAPRUNE_BUILD_DIR:-$root/build}
args=("$@")
if [ ${#args[@]} -eq 0 ] && [ -f "$root/data/samples/sample.cr" ]; then
  args=("$root/data/samples/sample.cr")
fi
exec "$build/bin/maprune" "${args[@]}"
