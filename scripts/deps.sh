#!/usr/bin/env bash
# Installs the Debian packages that Maprune needs and that are missing.
# Runs apt-get update only when something has to be installed. With the
# argument "windows": what the Windows cross build and Wine need instead.
set -euo pipefail

packages=(cmake g++ qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev
          libxkbcommon-dev libgl-dev zlib1g-dev libgtest-dev libbenchmark-dev
          nlohmann-json3-dev libcli11-dev qt6-translations-l10n fonts-dejavu-core
          clang libclang-rt-14-dev xvfb xauth
          qtkeychain-qt6-dev python3-aiosmtpd libarchive-dev)
# The desktop files, their validators and the Debian package.
packages+=(librsvg2-bin desktop-file-utils appstream shared-mime-info xdg-utils
           libfile-mimeinfo-perl dpkg-dev)
if [ "${1:-}" = windows ]; then
  packages=(cmake g++-mingw-w64-x86-64-posix libz-mingw-w64-dev googletest wine wine64
            nlohmann-json3-dev libcli11-dev ccache)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
