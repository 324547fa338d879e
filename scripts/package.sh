#!/usr/bin/env bash
# Builds the Debian package and the source tarball of Maprune into
# packages/ (or $MAPRUNE_PACKAGE_DIR), from a release build in
# build-package/ installed under /usr.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
build=${MAPRUNE_PACKAGE_BUILD_DIR:-$root/build-package}
out=${MAPRUNE_PACKAGE_DIR:-$root/packages}
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DMAPRUNE_BENCH=OFF "$@"
cmake --build "$build" -j "$jobs"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out"
cpack --config "$build/CPackSourceConfig.cmake" -B "$out"
rm -rf "$out/_CPack_Packages"
ls -l "$out"/*.deb "$out"/*.tar.gz
