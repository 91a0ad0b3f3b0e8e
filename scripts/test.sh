#!/usr/bin/env bash
# Every test: the native core on the simulated machine (plain, under Address- and
# UndefinedBehaviorSanitizer, and as 32-bit code), the fuzz targets over their corpus,
# then the real velmora.exe under Wine, all through ctest.
# Installs whatever is missing on a fresh Debian machine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/install-deps.sh
install_deps native build-windows wine fuzz

bash scripts/build-windows.sh

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

# The fuzz targets replay their stored corpus (scripts/fuzz.sh grows it).
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target RewriteFuzz PathsFuzz IniFuzz StartupFuzz
ctest --preset fuzz

cmake --preset native32 >/dev/null
cmake --build --preset native32
ctest --preset native32

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native
