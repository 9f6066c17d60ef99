#!/usr/bin/env bash
# Puts this build's program into the user's program folder, where the archives,
# photos, attached files and the password live: the executable and the manual are
# replaced, everything else in the folder is left as it is. A new folder gets the
# password store of a new installation (initial password "lucernaviolata").
#
#   install-program-folder.sh <program folder> <executable> <password store tool> <manual>
#
# Prints the path of the installed executable.
set -euo pipefail

if [ $# -ne 4 ]; then
  echo "usage: $0 <program folder> <executable> <password store tool> <manual>" >&2
  exit 2
fi
folder=$1 executable=$2 password_tool=$3 manual=$4
for file in "$executable" "$password_tool" "$manual"; do
  if [ ! -f "$file" ]; then
    echo "missing: $file" >&2
    exit 1
  fi
done

mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
# Each file is written beside its place and renamed over the old one, so a
# program that is running keeps its own executable and a failed copy leaves the
# old one whole.
put() { # <source> <name> <mode>
  local next
  next=$(mktemp "$folder/.$2.XXXXXX")
  if ! install -m "$3" "$1" "$next"; then
    rm -f "$next"
    return 1
  fi
  mv -f "$next" "$folder/$2"
}
put "$executable" lumidex 0755
put "$manual" Guida.pdf 0644
# The tool keeps a store that is there: it may hold a password the user has changed.
"$password_tool" "$folder" >/dev/null
echo "$folder/lumidex"
