#!/usr/bin/env bash
# Lines of product code against lines of test-only code (C++ and CMake, blank lines not
# counted, files as clang-format leaves them). Test-only is everything that exists only
# for the tests: tests/ (test programs, doubles, probes, the stand-in, drivers), the fuzz
# harnesses and their CMake, and the programs of tools/ built on the tests' driver; the
# fuzz corpus and sample data are not code. The benchmarks, which measure the product, and
# the rest of tools/, which only shows the product's own windows, belong to neither side.
# Usage: scripts/loc.sh
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
  local files
  files=$(git ls-files "$@" | grep -E '(\.(cpp|h|rc|cmake)|CMakeLists\.txt)$' || true)
  [ -z "$files" ] && {
    echo 0
    return
  }
  # shellcheck disable=SC2086
  cat $files | grep -cv '^[[:space:]]*$'
}

product=$(count src resources cmake CMakeLists.txt)
tests=$(count tests fuzz tools/DemoRun.cpp tools/CMakeLists.txt)
printf 'product code %d lines, test-only code %d lines, ratio %s\n' "$product" "$tests" \
  "$(awk -v t="$tests" -v p="$product" 'BEGIN { printf "%.2f", t / p }')"
