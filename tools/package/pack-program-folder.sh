#!/usr/bin/env bash
# Packs the program folder of a new installation into a portable .tar.gz: the
# executable, the manual, a password store with the initial password (written
# afresh, never the one of a build folder where the password may have been
# changed), the icon and the script that puts Lumidex into the user's menu.
#
#   pack-program-folder.sh <output folder> <version> <executable> <password store tool> \
#                          <manual> <icon> [<strip program>]
#
# Prints the path of the archive it wrote.
set -euo pipefail

if [ $# -lt 6 ] || [ $# -gt 7 ]; then
  echo "usage: $0 <output folder> <version> <executable> <password store tool> <manual> <icon> [<strip>]" >&2
  exit 2
fi
output=$1 version=$2 executable=$3 password_tool=$4 manual=$5 icon=$6 strip=${7:-}
here=$(cd "$(dirname "$0")" && pwd)

for file in "$executable" "$password_tool" "$manual" "$icon"; do
  if [ ! -f "$file" ]; then
    echo "missing: $file" >&2
    exit 1
  fi
done

arch=$(dpkg --print-architecture 2>/dev/null || uname -m)
name="Lumidex-$version-$arch"
mkdir -p "$output"
output=$(cd "$output" && pwd)
stage=$(mktemp -d "$output/.stage.XXXXXX")
trap 'rm -rf "$stage"' EXIT
folder="$stage/Lumidex"
mkdir "$folder"

install -m 0755 "$executable" "$folder/lumidex"
if [ -n "$strip" ] && command -v "$strip" >/dev/null; then
  "$strip" --strip-unneeded "$folder/lumidex"
fi
"$password_tool" "$folder"
install -m 0644 "$manual" "$folder/Guida.pdf"
install -m 0644 "$icon" "$folder/lumidex.svg"
install -m 0755 "$here/install-desktop-entry.sh" "$folder/install-desktop-entry.sh"
install -m 0644 "$here/LEGGIMI.txt" "$folder/LEGGIMI.txt"
chmod 0644 "$folder/unins000.dll"

archive="$output/$name.tar.gz"
tar --create --gzip --file "$archive.part" --directory "$stage" \
  --sort=name --owner=0 --group=0 --numeric-owner Lumidex
mv -f "$archive.part" "$archive"
echo "$archive"
