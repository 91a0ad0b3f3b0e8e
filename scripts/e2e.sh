#!/usr/bin/env bash
# End-to-end tests of velmora.exe under Wine on a virtual display.
# Usage: scripts/e2e.sh <windows-build-dir> [gtest arguments...]
#   e.g. scripts/e2e.sh build/win64 --gtest_filter='*StartTest*'
# Needs <dir>/velmora.exe and <dir>/tests/e2e/velmora_e2e.exe (scripts/build-windows.sh).
# Everything runs in a private Wine session that is removed again on every exit path; the
# drive E: is the fake stick the tests lay out, a small medium of its own that a test can
# fill (mounted as a tmpfs, so run as root).
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
source scripts/lib/wine-session.sh
wine_session_require_built "build it with scripts/build-windows.sh" \
  "$launcher" "$test_program" "$build_dir/tests/e2e/Totalcmd.exe"

source scripts/lib/install-deps.sh
install_deps wine

echo "Creating the Wine prefix..."
wine_session_with_stick velmora-e2e-stick 32m

export VELMORA_EXE VELMORA_E2E_STANDIN
VELMORA_EXE=$(wine_session_windows_path "$launcher")
VELMORA_E2E_STANDIN=$(wine_session_windows_path "$build_dir/tests/e2e/Totalcmd.exe")

wine_session_run_tests "$test_program" "$@"
