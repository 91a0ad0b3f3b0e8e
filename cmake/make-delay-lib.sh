#!/usr/bin/env bash
# Makes a delay-load import library from the toolchain's ordinary one, so that the DLL is
# loaded on the first call into it instead of at start-up.
# Usage: make-delay-lib.sh <nm> <dlltool> <objcopy> <import library> <dll name> <output library> <x86|x64>
set -euo pipefail
nm=$1 dlltool=$2 objcopy=$3 import_lib=$4 dll=$5 output=$6 arch=$7
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

# Each function's member holds, in its .text, the code that its delay-load slot points at
# until the first call. The i386 linker takes the .text of an import-library member whose
# symbol no object names for a jump stub that dllimport calls bypass, and drops it: the slot
# would then be 0 and the first call would jump to address 0. Marked as data the section is
# kept, and its name still puts it into the executable .text of the program.
if [ "$arch" = x86 ]; then
  # shellcheck disable=SC2016 # the section's name holds a $
  "$objcopy" --rename-section '.text=.text$delay,contents,alloc,load,readonly,data' "$output"
fi
