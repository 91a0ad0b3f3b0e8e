#!/usr/bin/env bash
# End-to-end tests of velmora.exe under Wine on a virtual display.
# Usage: scripts/e2e.sh <windows-build-dir> [gtest arguments...]
#   e.g. scripts/e2e.sh build/win64 --gtest_filter='FirstStart*'
# Needs <dir>/velmora.exe and <dir>/tests/e2e/velmora_e2e.exe (scripts/build-windows.sh).
# Everything runs in a private Wine prefix, HOME and virtual display that are removed
# again on every exit path; the drive E: is the fake stick the tests lay out.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ]; then
  echo "usage: $0 <windows-build-dir> [gtest arguments...]" >&2
  exit 2
fi
build_dir=$(realpath "$1")
shift
launcher="$build_dir/velmora.exe"
test_program="$build_dir/tests/e2e/velmora_e2e.exe"
for file in "$launcher" "$test_program" "$build_dir/tests/e2e/Totalcmd.exe"; do
  if [ ! -f "$file" ]; then
    echo "missing $file (build it with scripts/build-windows.sh)" >&2
    exit 2
  fi
done

source scripts/lib/install-deps.sh
install_deps wine

wine_bin=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver_bin=$(command -v wineserver || echo /usr/lib/wine/wineserver64)

work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-e2e.XXXXXX")
xvfb_pid=""
cleanup() {
  local status=$?
  trap - EXIT INT TERM
  if [ -d "$work/prefix" ]; then
    WINEPREFIX="$work/prefix" "$wineserver_bin" -k 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Windows path of a Linux path: Z:\ is the Linux root under Wine.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

mkdir -p "$work/home" "$work/xdg/config" "$work/xdg/data" "$work/xdg/cache" "$work/xdg/runtime" "$work/stick"
chmod 700 "$work/xdg/runtime"
export HOME="$work/home"
export XDG_CONFIG_HOME="$work/xdg/config" XDG_DATA_HOME="$work/xdg/data" XDG_CACHE_HOME="$work/xdg/cache"
export XDG_RUNTIME_DIR="$work/xdg/runtime"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# A fixed locale, so that the ANSI code page is the same on every machine.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

# Xvfb picks a free display number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 150); do
  grep -q '^[0-9]' "$work/display" 2>/dev/null && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
if ! grep -q '^[0-9]' "$work/display" 2>/dev/null; then
  echo "Xvfb did not start within 15 s:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"

echo "Creating the Wine prefix..."
"$wine_bin" wineboot -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log" >&2; exit 1; }
# No window manager runs on the virtual display: unmanaged windows keep Wine from
# waiting (2 s a window) for one to acknowledge each closed window.
"$wine_bin" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
"$wineserver_bin" -w

# The fake stick. The marker allows the tests to wipe this drive between tests.
touch "$work/stick/velmora-e2e-stick"
rm -f "$WINEPREFIX/dosdevices/e:"
ln -s "$work/stick" "$WINEPREFIX/dosdevices/e:"

export VELMORA_EXE VELMORA_E2E_STANDIN VELMORA_E2E_STICK=E:
VELMORA_EXE=$(windows_path "$launcher")
VELMORA_E2E_STANDIN=$(windows_path "$build_dir/tests/e2e/Totalcmd.exe")

# In the background, so that a signal reaches the trap at once rather than after the run.
"$wine_bin" "$test_program" "$@" &
status=0
wait $! || status=$?
exit "$status"
