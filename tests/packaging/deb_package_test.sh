#!/usr/bin/env bash
# Builds the Debian package from this build, unpacks it into a temporary
# root and runs the installed programs there on the installed sample.
# Usage: deb_package_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" \
  || { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/out/*.deb)

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = maprune ] && [ "$(field Section)" = games ]
# dpkg-shlibdeps found the libraries the programs link.
field Depends | grep -q 'libqt6widgets6' || { echo "Depends: $(field Depends)" >&2; exit 1; }

root="$work/root"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/maprune usr/bin/maprune-cli usr/bin/maprune-cli-qt usr/share/maprune/maprune.dat \
         usr/share/maprune/samples/sample.cr usr/share/applications/maprune.desktop \
         usr/share/mime/packages/maprune.xml usr/share/icons/hicolor/48x48/apps/maprune.png \
         usr/share/icons/hicolor/scalable/apps/maprune.svg usr/share/doc/maprune/README.md \
         usr/share/doc/maprune/copyright; do
  [ -e "$root/$f" ] || { echo "missing in the package: $f" >&2; exit 1; }
done
ls "$root"/usr/share/metainfo/*.metainfo.xml > /dev/null

# The installed tree is read-only; the programs find their data from it.
chmod -R a-w "$root"
cli="$root/usr/bin/maprune-cli"
"$cli" --version | grep -q '^maprune-cli '
"$cli" info "$root/usr/share/maprune/samples/sample.cr" | grep -q '^Regions: 240$'
HOME="$work/home" "$cli" render "$root/usr/share/maprune/samples/sample.cr" "$work/map.png"
[ -s "$work/map.png" ]
chmod -R u+w "$root"
echo "package $(basename "$deb") installs and runs"
