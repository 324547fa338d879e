#!/usr/bin/env bash
# The desktop entry, the AppStream data and the MIME types pass the
# freedesktop validators, and a desktop with the package's MIME file tells a
# report (also one with a byte-order mark) from a Crystal source of the
# same extension, and a compressed report from other compressed files.
# Usage: desktop_files_test.sh DESKTOP_DIR METAINFO SAMPLE_CR
set -euo pipefail
desktop_dir=$1 metainfo=$2 sample=$3
desktop-file-validate "$desktop_dir/maprune.desktop"
appstreamcli validate --no-net "$metainfo"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data/mime/packages"
cp "$desktop_dir/maprune-mime.xml" "$work/data/mime/packages/maprune.xml"
update-mime-database "$work/data/mime" > /dev/null 2>&1
printf '\xef\xbb\xbfVERSION 69\n' > "$work/bom.cr"
printf 'puts "Hallo"\n' > "$work/crystal.cr"
printf 'x' > "$work/db.kdf"
printf 'VERSION 69\n' | gzip > "$work/turn.cr.gz"
printf 'x' | gzip > "$work/other.gz"
type_of() { XDG_DATA_HOME="$work/data" XDG_CURRENT_DESKTOP='' xdg-mime query filetype "$1"; }
expect() {
  local got
  got=$(type_of "$1")
  [ "$got" = "$2" ] || { echo "$1: $got, expected $2" >&2; exit 1; }
}
expect "$sample" application/x-kelvaran-cr
expect "$work/bom.cr" application/x-kelvaran-cr
expect "$work/db.kdf" application/x-maprune-kdf
expect "$work/crystal.cr" text/x-crystal
expect "$work/turn.cr.gz" application/x-kelvaran-cr-gzip
expect "$work/other.gz" application/gzip
echo "desktop files valid, file types recognised"
