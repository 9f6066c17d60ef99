#!/usr/bin/env bash
# Puts Lumidex into the applications menu of the user who runs it, with its icon:
# a desktop entry in ~/.local/share/applications that starts the program from
# this folder, where its archives, photos and password live. Nothing is copied
# out of the folder but the icon, and no administrator rights are needed.
#
#   ./install-desktop-entry.sh            adds the entry (again, after the folder moved)
#   ./install-desktop-entry.sh --rimuovi  takes it away; the folder and its data stay
set -euo pipefail

folder=$(cd "$(dirname "$0")" && pwd -P)
data_home=${XDG_DATA_HOME:-$HOME/.local/share}
entry="$data_home/applications/lumidex.desktop"
icon="$data_home/icons/hicolor/scalable/apps/lumidex.svg"

refresh_menus() {
  if command -v update-desktop-database >/dev/null; then
    update-desktop-database -q "$data_home/applications" 2>/dev/null || true
  fi
  touch "$data_home/icons/hicolor" 2>/dev/null || true
}

case "${1:-}" in
  "") ;;
  --rimuovi)
    rm -f "$entry" "$icon"
    refresh_menus
    echo "Lumidex è stato tolto dal menu delle applicazioni. La cartella $folder e i suoi dati restano dove sono."
    exit 0
    ;;
  *)
    echo "Uso: $0 [--rimuovi]" >&2
    exit 2
    ;;
esac

if [ ! -x "$folder/lumidex" ]; then
  echo "Attenzione: il programma lumidex non si trova nella cartella $folder." >&2
  exit 1
fi
case "$folder" in
  *$'\n'* | *$'\r'*)
    echo "Attenzione: il nome della cartella $folder contiene un ritorno a capo; spostare la cartella altrove." >&2
    exit 1
    ;;
esac

# A text value of a desktop entry: a backslash is written twice.
desktop_string() {
  printf '%s' "${1//\\/\\\\}"
}
# The program's path as the one argument of Exec: in double quotes, with the
# characters the quoting reserves escaped, "%" doubled (it starts a field code),
# then escaped once more as a text value.
desktop_exec_argument() {
  local quoted=$1
  quoted=${quoted//\\/\\\\}
  quoted=${quoted//\"/\\\"}
  quoted=${quoted//\`/\\\`}
  quoted=${quoted//\$/\\\$}
  quoted=${quoted//%/%%}
  desktop_string "\"$quoted\""
}

exec_line=$(desktop_exec_argument "$folder/lumidex")
# GLib (GNOME and others) looks for the program of Exec before it turns "%%"
# back into "%", and finds none in a folder with a "%" in its name: such a folder
# gets its program started through env, which GLib does find.
case "$folder" in
  *%*) exec_line="env $exec_line" ;;
esac

mkdir -p "$(dirname "$entry")" "$(dirname "$icon")"
install -m 0644 "$folder/lumidex.svg" "$icon"
tmp=$(mktemp "$entry.XXXXXX")
{
  echo "[Desktop Entry]"
  echo "Type=Application"
  echo "Version=1.0"
  echo "Name=Lumidex"
  echo "GenericName=Archivio fotografico"
  echo "Comment=Schede anagrafiche dei modelli e book fotografici"
  echo "Icon=lumidex"
  echo "TryExec=$(desktop_string "$folder/lumidex")"
  echo "Exec=$exec_line"
  echo "Path=$(desktop_string "$folder")"
  echo "Terminal=false"
  echo "Categories=Graphics;Photography;"
  echo "StartupWMClass=Lumidex"
} >"$tmp"
chmod 0644 "$tmp"
mv -f "$tmp" "$entry"
refresh_menus
echo "Lumidex è nel menu delle applicazioni: avvia il programma della cartella $folder."
