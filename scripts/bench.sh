#!/usr/bin/env bash
# Measures the settings-file rewrite (native) and the launch overhead of velmora.exe under
# Wine, prints the figures and exits non-zero when a target is missed:
#   rewrite: 5 MB wincmd.ini faster than sed -i and within 3x of cp; 10x the input at most
#            12x the time; a long single line stays linear
#   launch:  median velmora.exe launch at most 1.10x the median minimal launcher launch
#            with a 30 KB private wincmd.ini, at most 1.50x with a 5 MB one; for the 64-bit
#            build, and for the 32-bit one where 32-bit Wine runs
# Usage: scripts/bench.sh [RUNS_PER_LAUNCHER]   (default 15)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
launches=${1:-15}
source scripts/lib/install-deps.sh
source scripts/lib/wine-session.sh
install_deps native build-windows wine

failed=0

echo "== Settings-file rewrite (native) =="
cmake --preset native >/dev/null
cmake --build --preset native --target velmora_bench_rewrite >/dev/null
bench_rewrite="$repo/build/native/bench/velmora_bench_rewrite"
"$bench_rewrite" || failed=1

echo
echo "== Launch overhead under Wine =="
build_log=$(mktemp)
if ! bash scripts/build-windows.sh >"$build_log" 2>&1; then
  tail -20 "$build_log" >&2
  echo "bench: the Windows build failed (log: $build_log)" >&2
  exit 1
fi
rm -f "$build_log"

wine_session_start
trap wine_session_stop EXIT

# lay_stick BUILD: E:\TC as on a later start of that build, the private settings files
# already in place.
stick="$WINE_SESSION_ROOT/stick"
lay_stick() {
  local launch_dir="$repo/build/$1/bench"
  rm -rf "$stick"
  mkdir -p "$stick/TC"
  cp "build/$1/velmora.exe" "$launch_dir/Totalcmd.exe" "$launch_dir/bench_minimal_launcher.exe" "$stick/TC/"
  cp "$launch_dir/bench_launch_timer.exe" "$stick/"
  "$bench_rewrite" write-ftp "$stick/TC/TC_portable_wcx_ftp.ini" 4000
  wine_session_map_drive e "$stick"
}

# launch_figure BYTES TARGET: a later start with a private main settings file of BYTES as
# the first start left it (the user's wincmd.ini, rewritten: nothing left to rewrite),
# against the minimal launcher; fails when the ratio of the medians exceeds TARGET.
launch_figure() {
  local bytes=$1 target=$2 timer_out velmora_ms minimal_ms ratio verdict settings_sum
  "$bench_rewrite" write-settings "$stick/TC/wincmd.ini" "$bytes" 'E:\TC'
  "$bench_rewrite" rewrite-file "$stick/TC/wincmd.ini" "$stick/TC/TC_portable_wincmd.ini"
  settings_sum=$(md5sum "$stick/TC/TC_portable_wincmd.ini" | cut -d' ' -f1)
  timer_out="$WINE_SESSION_ROOT/launch-$bytes.txt"
  echo "-- private wincmd.ini of $bytes bytes"
  if ! wine_session_run 'E:\bench_launch_timer.exe' "$launches" 'E:\TC\velmora.exe' \
    'E:\TC\bench_minimal_launcher.exe' | tr -d '\r' >"$timer_out"; then
    echo "launch timer failed" >&2
    failed=1
  fi
  cat "$timer_out"
  velmora_ms=$(awk '$1 == "median" && $2 ~ /velmora/ {print $3}' "$timer_out")
  minimal_ms=$(awk '$1 == "median" && $2 ~ /minimal/ {print $3}' "$timer_out")
  if [ -n "$velmora_ms" ] && [ -n "$minimal_ms" ]; then
    ratio=$(awk -v a="$velmora_ms" -v b="$minimal_ms" 'BEGIN {printf "%.3f", a / b}')
    verdict=$(awk -v r="$ratio" -v t="$target" 'BEGIN {print (r <= t) ? "met" : "MISSED"}')
    printf '  median of %s launches: velmora.exe %s ms, minimal launcher %s ms\n' "$launches" "$velmora_ms" "$minimal_ms"
    printf '  velmora / minimal %s  (target <= %s)  %s\n' "$ratio" "$target" "$verdict"
    [ "$verdict" = met ] || failed=1
  else
    failed=1
  fi
  if [ "$(md5sum "$stick/TC/TC_portable_wincmd.ini" | cut -d' ' -f1)" != "$settings_sum" ]; then
    echo "  the private settings file changed on a later start" >&2
    failed=1
  fi
}

builds=(win64)
if wine_session_runs_32bit; then
  builds+=(win32)
else
  echo "(win32: not measured, this machine runs no 32-bit Wine)"
fi
for build in "${builds[@]}"; do
  echo "-- $build"
  lay_stick "$build"
  launch_figure 30000 1.10
  launch_figure 5242880 1.50
done

echo
for exe in build/win64/velmora.exe build/win32/velmora.exe; do
  echo "  $(stat -c %s "$exe") bytes  $exe"
done
if [ "$failed" -ne 0 ]; then
  echo "bench: a target was missed"
  exit 1
fi
echo "bench: every target met"
