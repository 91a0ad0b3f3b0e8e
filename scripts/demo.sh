#!/usr/bin/env bash
# Shows the launcher's main job under Wine on a sample stick (E:\TC) that holds
# velmora.exe, a stand-in for Totalcmd.exe and realistic settings files:
#   1. the first start, answering Yes to every question it asks;
#   2. a later start, after Total Commander "saved" absolute paths into the private
#      settings: the launcher finds and rewrites them before it starts Total Commander.
# Builds only what it needs (velmora.exe, the stand-in and the program that answers the
# questions) for x86-64, and installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
# A heading with the time since the demo started.
step() { printf '\n[%d:%02d] == %s\n' $(((SECONDS - started) / 60)) $(((SECONDS - started) % 60)) "$*"; }

step "Checking the tools (a fresh machine installs mingw-w64 and Wine: about a minute)"
source scripts/lib/install-deps.sh
install_deps build-windows wine
source scripts/lib/wine-session.sh

step "Building velmora.exe, the stand-in and the demo driver (about 2 minutes the first time)"
build=build/win64
log=$(mktemp)
trap 'rm -f "$log"' EXIT
cmake --preset win64 >"$log" 2>&1 || {
  cat "$log"
  exit 1
}
# Ninja's progress lines ("[12/80] Building CXX object ..."), one per step.
if ! cmake --build --preset win64 --target velmora e2e_standin velmora_demo_run 2>&1 | tee "$log" |
  sed -un 's|^\[\([0-9]*/[0-9]*\)\] [A-Za-z ]*\(object\)* \(.*/\)*\([^/]*\)$|  [\1] \4|p'; then
  tail -n 40 "$log"
  exit 1
fi

step "Starting a private Wine session on a virtual display (10 to 20 seconds)"
wine_session_start
trap 'wine_session_stop; rm -f "$log"' EXIT
stick="$WINE_SESSION_ROOT/stick"
tc="$stick/TC"
mkdir -p "$tc"
cp "$build/velmora.exe" samples/stick/wincmd.ini samples/stick/wcx_ftp.ini "$tc/"
cp "$build/tests/e2e/Totalcmd.exe" "$tc/"
wine_session_map_drive e "$stick"
cat <<EOF
  The stick E:\\TC holds:
    velmora.exe             the launcher
    Totalcmd.exe            a stand-in for Total Commander: it writes the command line and
                            directory it was started with to standin-record.txt, and ends
    wincmd.ini, wcx_ftp.ini the user's own settings (samples/stick), which stay untouched
EOF

# Starts the launcher like a double click, answering its questions, then shows how the
# stand-in was started.
start_launcher() {
  local record="$tc/standin-record.txt"
  rm -f "$record"
  wine_session_run "$build/tools/velmora_demo_run.exe" 'E:\TC\velmora.exe' 'E:\TC' yes
  "$WINE_SESSION_WINESERVER" -w
  if [ ! -f "$record" ]; then
    echo "  Total Commander was not started."
    return
  fi
  echo "  Total Commander (the stand-in) was started as:"
  cut -f1 "$record" | sed 's/^/      /'
  echo "  in the directory: $(cut -f2 "$record")"
}

# show_diff LABEL FILE LABEL FILE: what changed from the first file to the second.
show_diff() {
  diff -u --label "$1" --label "$3" "$2" "$4" | tail -n +3 | sed 's/^/  /' || true
}

step "First start (the launcher asks; the demo answers Yes)"
start_launcher

step "The private settings against the user's: every path into E:\\TC is now %COMMANDER_PATH%"
for name in wincmd.ini wcx_ftp.ini; do
  show_diff "$name" "$tc/$name" "TC_portable_$name" "$tc/TC_portable_$name"
done

step "Total Commander saves its settings: absolute paths creep back into the private file"
private="$tc/TC_portable_wincmd.ini"
cp "$private" "$WINE_SESSION_ROOT/after-first-start.ini"
printf '[lefttabs]\n0_path=E:\\TC\\Plugins\\wlx\\\n[RightHistory]\n0=e:\\tc\\tools\\\n1=D:\\Photos\\\n' >>"$private"
cp "$private" "$WINE_SESSION_ROOT/saved.ini"
show_diff "after the first start" "$WINE_SESSION_ROOT/after-first-start.ini" "as Total Commander left it" "$private"

step "Second start (nothing is asked; the new paths are rewritten before Total Commander starts)"
start_launcher
echo
show_diff "as Total Commander left it" "$WINE_SESSION_ROOT/saved.ini" "after the second start" "$private"

step "Files on the stick"
# shellcheck disable=SC2012 # a listing for the reader, names as they are
ls -l "$tc" | tail -n +2 | sed 's/^/  /'
echo
echo "The user's wincmd.ini and wcx_ftp.ini are unchanged: $(cmp -s samples/stick/wincmd.ini "$tc/wincmd.ini" &&
  cmp -s samples/stick/wcx_ftp.ini "$tc/wcx_ftp.ini" && echo yes || echo NO)."
step "Demo finished"
