#!/usr/bin/env bash
# Checks a built velmora.exe: the expected architecture, the GUI subsystem, a version
# resource, and imports from system DLLs only (no C++ runtime or pthread DLL beside it).
# Usage: scripts/check-exe.sh <exe> <pei-x86-64|pei-i386>
set -euo pipefail
exe=$1
format=$2
objdump=x86_64-w64-mingw32-objdump
[ "$format" = pei-i386 ] && objdump=i686-w64-mingw32-objdump

fail() { echo "FAIL: $exe: $*" >&2; exit 1; }
[ -f "$exe" ] || fail "missing"
"$objdump" -f "$exe" | grep -q "file format $format" || fail "not $format"
headers=$("$objdump" -p "$exe")
grep -q "Subsystem.*(Windows GUI)" <<<"$headers" || fail "not a GUI executable"

allowed="KERNEL32.dll USER32.dll GDI32.dll SHELL32.dll OLE32.dll COMCTL32.dll ADVAPI32.dll MSVCRT.dll"
while read -r dll; do
  grep -qiw -- "$dll" <<<"$allowed" || fail "imports $dll, which not every Windows has"
done < <(grep "DLL Name:" <<<"$headers" | awk '{print $3}')

grep -qx "1\.3" < <(strings -el -n 3 "$exe") || fail "no version 1.3 in its resources"
grep -q "Microsoft.Windows.Common-Controls" < <(strings "$exe") || fail "no application manifest"
echo "ok: $exe ($format, $(stat -c %s "$exe") bytes)"
