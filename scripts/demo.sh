#!/usr/bin/env bash
# Shows the launcher's main job under Wine: a sample stick (E:\TC) with a Total Commander
# stand-in and realistic settings files; a first start that answers Yes to every
# question, then a second start. Prints what changed in the private settings file and the
# command line Total Commander received each time.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/install-deps.sh
install_deps build-windows wine
source scripts/lib/wine-session.sh

bash scripts/build-windows.sh >/dev/null
build=build/win64

wine_session_start
trap wine_session_stop EXIT
stick="$WINE_SESSION_ROOT/stick"
mkdir -p "$stick/TC"
cp "$build/velmora.exe" "$build/tests/e2e/Totalcmd.exe" samples/stick/wincmd.ini samples/stick/wcx_ftp.ini "$stick/TC/"
wine_session_map_drive e "$stick"

show_start() {
  local record="$stick/TC/standin-record.txt"
  rm -f "$record"
  wine_session_run "$build/tests/e2e/velmora_demo_run.exe" 'E:\TC\velmora.exe' 'E:\TC' yes
  "$WINE_SESSION_WINESERVER" -w
  echo "  Total Commander was started as:"
  cut -f1 "$record" | sed 's/^/      /'
  echo "  in the directory: $(cut -f2 "$record")"
}

echo "== First start on the stick E:\\TC (answering Yes) =="
show_start
echo
echo "== What the private TC_portable_wincmd.ini changed against the user's wincmd.ini =="
diff <(tr -d '\r' <"$stick/TC/wincmd.ini") <(tr -d '\r' <"$stick/TC/TC_portable_wincmd.ini") | sed 's/^/  /' || true
echo
echo "== Files on the stick =="
ls -l "$stick/TC" | sed 's/^/  /'
echo
echo "== Second start (nothing is asked) =="
show_start
