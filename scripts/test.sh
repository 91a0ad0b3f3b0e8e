#!/usr/bin/env bash
# Every test, through ctest: the native core (plain, under Address- and
# UndefinedBehaviorSanitizer, and as 32-bit code), the fuzz targets over their corpus, and
# the real velmora.exe under Wine. Installs whatever is missing on a fresh Debian machine.
#
# Every stage runs even when an earlier one failed, so one failure never hides another;
# the last line sums up the whole run as "N passed, M failed". Exits non-zero on any
# failure.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/install-deps.sh
install_deps native build-windows wine fuzz qemu || exit 1

jobs=$(nproc)
log_dir=build/test-logs
mkdir -p "$log_dir"
summary=()
total_passed=0
total_failed=0

# record STAGE PASSED FAILED: one line of the summary, with the stage's time (its build
# included).
record() {
  local seconds=$((SECONDS - stage_started))
  summary+=("$(printf '%-10s %4d passed, %d failed   (%d:%02d)' "$1" "$2" "$3" $((seconds / 60)) $((seconds % 60)))")
  total_passed=$((total_passed + $2))
  total_failed=$((total_failed + $3))
}

# build_stage NAME COMMAND...: a build that counts as one failed test when it fails; its
# output goes to a log that is shown only then.
build_stage() {
  local name=$1 log="$log_dir/$1-build.log"
  shift
  stage_started=$SECONDS
  echo "== $name: building"
  if "$@" >"$log" 2>&1; then
    return 0
  fi
  tail -n 40 "$log"
  echo "   (whole log: $log)"
  record "$name" 0 1
  return 1
}

# ctest_stage NAME PRESET [ctest arguments...]: runs a preset's tests in parallel and
# records the counts ctest reports.
ctest_stage() {
  local name=$1 preset=$2 log="$log_dir/$1-ctest.log" passed failed total
  shift 2
  echo "== $name: testing"
  ctest --preset "$preset" -j "$jobs" "$@" 2>&1 | tee "$log" | grep -E '(tests passed|\*\*\*|FAILED|\(Failed\)|Not Run)' || true
  total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log")
  failed=$(sed -n 's/.* \([0-9]*\) tests failed out of.*/\1/p' "$log")
  if [ -z "$total" ]; then
    record "$name" 0 1 # ctest itself did not run
  else
    passed=$((total - failed))
    record "$name" "$passed" "$failed"
  fi
}

# configure_and_build NAME PRESET [cmake configure arguments...]
configure_and_build() {
  local name=$1 preset=$2
  shift 2
  build_stage "$name" bash -c 'cmake --preset "$1" "${@:2}" && cmake --build --preset "$1" -j "$0"' \
    "$jobs" "$preset" "$@"
}

# The executables first: the native preset runs them under Wine.
build_stage windows bash scripts/build-windows.sh
windows_seconds=$((SECONDS - stage_started))

if configure_and_build native native; then
  ctest_stage native native
fi

if configure_and_build sanitize sanitize; then
  ctest_stage sanitize sanitize
fi

# 32-bit code runs directly where the kernel allows it, otherwise under the user-mode
# emulator; a tiny program tells which.
runs_32bit() {
  local probe="$log_dir/probe32"
  echo 'int main(void) { return 0; }' | gcc -m32 -x c -o "$probe" - && "$probe" 2>/dev/null
}
emulator=
if ! runs_32bit; then
  echo "== native32: this kernel cannot run 32-bit programs; running them under qemu-i386"
  emulator=qemu-i386
fi
if configure_and_build native32 native32 -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator"; then
  ctest_stage native32 native32
fi

# The fuzz targets replay their stored corpus (scripts/fuzz.sh grows it).
if build_stage fuzz bash -c 'cmake --preset fuzz && cmake --build --preset fuzz -j "$0" --target RewriteFuzz' "$jobs"; then
  ctest_stage fuzz fuzz
fi

echo
echo "(the Windows build took $((windows_seconds / 60)):$(printf '%02d' $((windows_seconds % 60))))"
printf '%s\n' "${summary[@]}"
echo "$total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ]
