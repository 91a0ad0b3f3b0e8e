#!/usr/bin/env bash
# Cross-compiles velmora.exe for both architectures:
#   build/win64/velmora.exe (x86-64) and build/win32/velmora.exe (x86).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/install-deps.sh
install_deps build-windows

for preset in win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
ls -l build/win64/velmora.exe build/win32/velmora.exe
