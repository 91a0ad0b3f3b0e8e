#!/usr/bin/env bash
# Retakes the pictures README.md shows, under Wine on a virtual display:
#   docs/setup-window.png           velmora.exe /?
#   docs/file-dialog-open.png       the file window as "Import Button Bar" opens it
#   docs/file-dialog-save.png       ... in its save mode
#   docs/file-dialog-directory.png  ... in its directory mode
# The file window's other modes are opened through the tool FileDialogProbe.exe (tools/).
# Usage: scripts/screenshots.sh [windows-build-dir]   (default build/win64, built if missing)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build/win64}
source scripts/lib/install-deps.sh
install_deps build-windows wine
if [ "$build_dir" = build/win64 ]; then
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 --target velmora velmora_file_dialog_probe >/dev/null
fi
build_dir=$(realpath "$build_dir")
probe="$build_dir/tools/FileDialogProbe.exe"
source scripts/lib/wine-session.sh

wine_session_start
trap wine_session_stop EXIT
stick="$WINE_SESSION_ROOT/stick"
mkdir -p "$stick/TC/Language" "$stick/TC/Plugins" "$stick/Data/Archive"
cp "$build_dir/velmora.exe" "$stick/TC/"
touch "$stick/TC/Default.bar" "$stick/Data/notes.txt" "$stick/Data/report.ini"
wine_session_map_drive e "$stick"

# window_titled TITLE: the id of the visible window with exactly this title, waiting for
# it at most 15 s.
window_titled() {
  local id
  for _ in $(seq 150); do
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && {
        echo "$id"
        return 0
      }
    done
    sleep 0.1
  done
  echo "no window \"$1\" appeared within 15 s" >&2
  return 1
}

# take PICTURE TITLE PROGRAM ARGS...: starts the program, saves its window, ends it.
take() {
  local picture=$1 title=$2 window program
  shift 2
  "$WINE_SESSION_WINE" "$@" &
  program=$!
  window=$(window_titled "$title")
  sleep 0.5 # lets the window paint
  import -display "$DISPLAY" -window "$window" "docs/$picture"
  echo "wrote docs/$picture"
  "$WINE_SESSION_WINESERVER" -k
  "$WINE_SESSION_WINESERVER" -w
  wait "$program" || true
}

take setup-window.png "Velmora - Total Commander mobile launcher  V.$(cat "$build_dir/version.txt")" 'E:\TC\velmora.exe' '/?'
take file-dialog-open.png 'Please import - ButtonBar File  (eg.: Default.bar)     ("*.bar")' \
  "$probe" open "E:\\TC\\" 'Please import - ButtonBar File  (eg.: Default.bar) ' '*.bar'
take file-dialog-save.png 'Save File as' "$probe" save 'E:\Data' 'report-2.ini'
take file-dialog-directory.png 'Open Directory' "$probe" dir 'E:\TC\Plugins'
