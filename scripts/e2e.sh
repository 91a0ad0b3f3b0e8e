#!/usr/bin/env bash
# End-to-end tests of velmora.exe under Wine on a virtual display.
# Usage: scripts/e2e.sh <windows-build-dir> [gtest arguments...]
#   e.g. scripts/e2e.sh build/win64 --gtest_filter='*StartTest*'
# Needs <dir>/velmora.exe and <dir>/tests/e2e/velmora_e2e.exe (scripts/build-windows.sh).
# Everything runs in a private Wine session that is removed again on every exit path; the
# drive E: is the fake stick the tests lay out.
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
source scripts/lib/wine-session.sh

echo "Creating the Wine prefix..."
trap wine_session_stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
wine_session_start

# The fake stick. The marker allows the tests to wipe this drive between tests.
stick="$WINE_SESSION_ROOT/stick"
mkdir -p "$stick"
touch "$stick/velmora-e2e-stick"
wine_session_map_drive e "$stick"

export VELMORA_EXE VELMORA_E2E_STANDIN
VELMORA_EXE=$(wine_session_windows_path "$launcher")
VELMORA_E2E_STANDIN=$(wine_session_windows_path "$build_dir/tests/e2e/Totalcmd.exe")

# In the background, so that a signal reaches the trap at once rather than after the run.
"$WINE_SESSION_WINE" "$test_program" "$@" &
status=0
wait $! || status=$?
exit "$status"
