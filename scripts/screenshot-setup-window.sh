#!/usr/bin/env bash
# Takes the screenshot of the setup window shown in README.md: starts velmora.exe /?
# under Wine on a virtual display, waits for the window and saves it as
# docs/setup-window.png.
# Usage: scripts/screenshot-setup-window.sh [windows-build-dir]   (default build/win64)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-build/win64}")
[ -f "$build_dir/velmora.exe" ] || { echo "missing $build_dir/velmora.exe" >&2; exit 2; }

source scripts/lib/install-deps.sh
install_deps wine
source scripts/lib/wine-session.sh
command -v xdotool >/dev/null && command -v import >/dev/null || apt-get install -y -qq xdotool imagemagick >/dev/null

wine_session_start
trap wine_session_stop EXIT
stick="$WINE_SESSION_ROOT/stick"
mkdir -p "$stick/TC"
cp "$build_dir/velmora.exe" "$stick/TC/"
wine_session_map_drive e "$stick"

"$WINE_SESSION_WINE" 'E:\TC\velmora.exe' '/?' &
caption='Velmora - Total Commander mobile launcher  V.1.3'
window=""
for _ in $(seq 150); do
  window=$(xdotool search --name "^${caption}\$" 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the setup window did not appear within 15 s" >&2; exit 1; }
# Give the window a moment to paint before the picture is taken.
sleep 0.5
mkdir -p docs
import -display "$DISPLAY" -window "$window" docs/setup-window.png
echo "wrote docs/setup-window.png"
