#!/usr/bin/env bash
# Runs every test (scripts/test.sh) several times in a row and stops at the first run that
# fails: a check for tests that fail now and then without a fault. The first run builds
# what is missing; the later ones find everything built and only test. To run it under
# load, start it in two clones at the same time.
# Usage: scripts/repeat-tests.sh [RUNS]   (default 10)
# Logs: build/repeat/<n>.log, one per run.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-10}
mkdir -p build/repeat
for ((run = 1; run <= runs; run++)); do
  started=$SECONDS
  if bash scripts/test.sh >"build/repeat/$run.log" 2>&1; then
    echo "run $run of $runs passed ($((SECONDS - started)) s): $(tail -n 1 "build/repeat/$run.log")"
  else
    echo "run $run of $runs FAILED ($((SECONDS - started)) s): build/repeat/$run.log"
    grep -E '(\*\*\*|FAILED|\(Failed\)|Failure)' "build/repeat/$run.log" | head -20
    exit 1
  fi
done
echo "all $runs runs passed"
