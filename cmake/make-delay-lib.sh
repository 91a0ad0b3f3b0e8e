#!/usr/bin/env bash
# Makes a delay-load import library from the toolchain's ordinary one, so that the DLL is
# loaded on the first call into it instead of at start-up.
# Usage: make-delay-lib.sh <nm> <dlltool> <import library> <dll name> <output library> <x86|x64>
set -euo pipefail
nm=$1 dlltool=$2 import_lib=$3 dll=$4 output=$5 arch=$6
def="$output.def"
{
  echo "LIBRARY $dll"
  echo "EXPORTS"
  # x86-64 symbols read __imp_Name; x86 ones __imp__Name or __imp__Name@N (stdcall),
  # whose @N dlltool -k keeps off the export name.
  strip='s/^__imp_//'
  [ "$arch" = x86 ] && strip='s/^__imp__//'
  "$nm" "$import_lib" 2>/dev/null | awk '$2 == "I" && $3 ~ /^__imp_/ { print $3 }' | sed -e "$strip" | sort -u
} >"$def"
"$dlltool" --input-def "$def" --dllname "$dll" --output-delaylib "$output" -k
