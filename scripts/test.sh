#!/usr/bin/env bash
# Every test: the native core on the simulated machine (plain, under Address- and
# UndefinedBehaviorSanitizer, and as 32-bit code), then the real velmora.exe under Wine,
# all through ctest.
# Installs whatever is missing on a fresh Debian machine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/install-deps.sh
install_deps native build-windows wine

bash scripts/build-windows.sh

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

cmake --preset native32 >/dev/null
cmake --build --preset native32
ctest --preset native32

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native
