#!/usr/bin/env bash
# The program folder scripts/run installs into: a first install lays out the
# program, the manual and a new password store; the next install, after the user
# has worked, replaces only the program and the manual, and a failed install
# leaves the folder as it was.
#
#   tst_installprogram.sh <source folder> <executable> <password store tool> <manual>
set -euo pipefail

source_dir=$1 executable=$2 password_tool=$3 manual=$4
installer="$source_dir/tools/package/install-program-folder.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

home="$work/Casa \"Luce\" 100% \$HOME/Lumidex"
printed=$(bash "$installer" "$home" "$executable" "$password_tool" "$manual")
check "the installer names the program it installed" same "$printed" "$home/lumidex"
check "the program is the build's" cmp -s "$home/lumidex" "$executable"
check "the program can be run" test -x "$home/lumidex"
check "the manual is the build's" cmp -s "$home/Guida.pdf" "$manual"
mkdir "$work/fresh"
"$password_tool" "$work/fresh" >/dev/null
check "a new folder gets the store of a new installation" cmp -s "$home/unins000.dll" "$work/fresh/unins000.dll"
check "nothing else is laid out" same "$(cd "$home" && ls -A | tr '\n' ' ')" "Guida.pdf lumidex unins000.dll "

# The user works: cards, photos, attached files, a new password, the agency's line.
head -c 7694 /dev/urandom >"$home/Archivio_Anagrafico.pro"
head -c 3548 /dev/urandom >"$home/Sfilata 2026.wmn"
mkdir -p "$home/Anagrafica" "$home/Documenti_Allegati"
head -c 5000 /dev/urandom >"$home/Anagrafica/Scheda_1.jpg"
head -c 900 /dev/urandom >"$home/Documenti_Allegati/contratto.pdf"
printf '[Accesso]\nValore=0A1B2C\n' >"$home/unins000.dll"
echo "Agenzia Luce - Milano" >"$home/Lumidex_Agenzia.txt"
data_sums() { (cd "$home" && find . -type f ! -name lumidex ! -name Guida.pdf -print0 | sort -z | xargs -0 sha256sum); }
before=$(data_sums)

# A newer build is installed over it.
cp "$executable" "$work/lumidex-nuovo"
printf 'nuovo' >>"$work/lumidex-nuovo"
cp "$manual" "$work/Guida-nuova.pdf"
printf '%%nuova' >>"$work/Guida-nuova.pdf"
bash "$installer" "$home" "$work/lumidex-nuovo" "$password_tool" "$work/Guida-nuova.pdf" >/dev/null
check "the new program replaces the old" cmp -s "$home/lumidex" "$work/lumidex-nuovo"
check "the new manual replaces the old" cmp -s "$home/Guida.pdf" "$work/Guida-nuova.pdf"
check "the user's data and password are untouched" same "$(data_sums)" "$before"
check "no file is left half way" same "$(cd "$home" && ls -A | grep -c '^\.' || true)" "0"

# An install that cannot be made changes nothing.
program_before=$(sha256sum <"$home/lumidex")
if bash "$installer" "$home" "$work/non-esiste" "$password_tool" "$manual" >/dev/null 2>&1; then
  check "an install without a program fails" false
else
  check "an install without a program fails" true
fi
check "after it the program is the one before" same "$(sha256sum <"$home/lumidex")" "$program_before"
check "after it the data are untouched" same "$(data_sums)" "$before"

echo "Totals: $failures failed"
[ "$failures" -eq 0 ]
