#!/usr/bin/env bash
# The core of velmora.exe driven in process on the real Win32 platform, under Wine.
# Usage: scripts/wine-tests.sh <windows-build-dir> [gtest arguments...]
# Needs <dir>/tests/wine/velmora_wine_tests.exe and the stand-in <dir>/tests/e2e/Totalcmd.exe.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ]; then
  echo "usage: $0 <windows-build-dir> [gtest arguments...]" >&2
  exit 2
fi
build_dir=$(realpath "$1")
shift
test_program="$build_dir/tests/wine/velmora_wine_tests.exe"
standin="$build_dir/tests/e2e/Totalcmd.exe"
source scripts/lib/wine-session.sh
wine_session_require_built "cmake --build --preset win64 --target velmora_wine_tests e2e_standin" \
  "$test_program" "$standin"

source scripts/lib/install-deps.sh
install_deps wine

wine_session_with_stick velmora-wine-stick
# Q: is a drive without a medium: listed, but its root cannot be read.
ln -s "$WINE_SESSION_ROOT/no-medium" "$WINEPREFIX/dosdevices/q:"
# The stick is the network share \\velmora\stick as well.
mkdir -p "$WINEPREFIX/dosdevices/unc/velmora"
ln -s "$stick" "$WINEPREFIX/dosdevices/unc/velmora/stick"

# ".html" opens with the stand-in on the stick, for the web-page lookup.
cat >"$WINE_SESSION_ROOT/html.reg" <<'REG'
REGEDIT4

[HKEY_CLASSES_ROOT\.html]
@="velmora.page"
[HKEY_CURRENT_USER\Software\Classes\.html]
@="velmora.page"
[HKEY_CLASSES_ROOT\velmora.page\shell\open\command]
@="\"E:\\Web Browser\\Totalcmd.exe\" \"%1\""
[HKEY_CURRENT_USER\Software\Classes\velmora.page\shell\open\command]
@="\"E:\\Web Browser\\Totalcmd.exe\" \"%1\""
REG
"$WINE_SESSION_WINE" regedit /S "$(wine_session_windows_path "$WINE_SESSION_ROOT/html.reg")" >/dev/null 2>&1
"$WINE_SESSION_WINESERVER" -w

export VELMORA_WINE_STANDIN
VELMORA_WINE_STANDIN=$(wine_session_windows_path "$standin")

wine_session_run_tests "$test_program" "$@"
