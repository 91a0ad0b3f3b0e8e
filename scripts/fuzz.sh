#!/usr/bin/env bash
# Runs the libFuzzer target for a while, starting from the stored corpus, and merges what
# it found new into fuzz/corpus/<target>. A failing input is kept as fuzz/<target>-crash-*.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
source scripts/lib/install-deps.sh
install_deps native fuzz

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target RewriteFuzz >/dev/null
status=0
target=RewriteFuzz
corpus="fuzz/corpus/$target"
found=$(mktemp -d)
mkdir -p "$corpus"
echo "== $target, $seconds s"
if ! "build/fuzz/fuzz/$target" -max_total_time="$seconds" -max_len=1024 -print_final_stats=1 \
  -artifact_prefix="fuzz/$target-" "$found" "$corpus" 2>"$found.log"; then
  status=1
  grep -E "ERROR|SUMMARY" "$found.log" || true
fi
grep -E "stat::number_of_executed_units|stat::new_units_added" "$found.log" || true
# Keep only the inputs that add coverage to what is stored.
"build/fuzz/fuzz/$target" -merge=1 "$corpus" "$found" 2>/dev/null >/dev/null || true
rm -rf "$found" "$found.log"
echo "   corpus: $(find "$corpus" -type f | wc -l) inputs"
exit "$status"
