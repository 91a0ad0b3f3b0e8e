#!/usr/bin/env bash
# Checks a built velmora.exe: the expected architecture, the GUI subsystem, a version
# resource, and what it loads: kernel32 and msvcrt at start (no C++ runtime or pthread DLL
# beside it), the other system DLLs on first use through delay-load slots that each point at
# their first-call code.
# Usage: scripts/check-exe.sh <exe> <pei-x86-64|pei-i386> <version>
set -euo pipefail
exe=$1
format=$2
version=$3
objdump=x86_64-w64-mingw32-objdump
[ "$format" = pei-i386 ] && objdump=i686-w64-mingw32-objdump

fail() {
  echo "FAIL: $exe: $*" >&2
  exit 1
}
[ -f "$exe" ] || fail "missing"
"$objdump" -f "$exe" | grep -q "file format $format" || fail "not $format"
headers=$("$objdump" -p "$exe")
grep -q "Subsystem.*(Windows GUI)" <<<"$headers" || fail "not a GUI executable"
python3 "$(dirname "$0")/lib/pe-imports.py" "$exe" || fail "loads the wrong DLLs, or not when it should"

grep -qxF "$version" < <(strings -el -n 3 "$exe") || fail "no version $version in its resources"
grep -q "Microsoft.Windows.Common-Controls" < <(strings "$exe") || fail "no application manifest"
echo "ok: $exe ($format, $(stat -c %s "$exe") bytes)"
