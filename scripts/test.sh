#!/usr/bin/env bash
# Every test, through ctest: the native core (plain, under Address- and
# UndefinedBehaviorSanitizer, and as 32-bit code), the fuzz targets over their corpus, and
# both builds of velmora.exe under Wine: the 64-bit one always, the 32-bit one wherever the
# kernel runs 32-bit programs (with 32-bit Wine, installed here). Installs whatever is
# missing on a fresh Debian machine.
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

# 32-bit programs run directly where the kernel allows it, a tiny one tells. Elsewhere the
# 32-bit native tests run under the user-mode emulator, and the 32-bit executables, which
# need 32-bit Wine, cannot run at all: the summary says so on a line of its own.
runs_32bit() {
  local probe="$log_dir/probe32"
  echo 'int main(void) { return 0; }' | gcc -m32 -x c -o "$probe" - && "$probe" 2>/dev/null
}
emulator=
win32_run=OFF
win32_note=
if runs_32bit; then
  stage_started=$SECONDS
  if install_deps wine32; then
    win32_run=ON
  else
    record "wine32" 0 1
    win32_note="win32 exe   not run: 32-bit Wine could not be installed"
  fi
else
  emulator=qemu-i386
  win32_note="win32 exe   not run: this kernel runs no 32-bit programs"
  echo "== $win32_note (the 32-bit native tests run under qemu-i386)"
fi

# The executables first: the native preset reads both and runs them under Wine.
build_stage windows bash scripts/build-windows.sh
windows_seconds=$((SECONDS - stage_started))

if configure_and_build native native -DVELMORA_WIN32_RUN_TESTS="$win32_run"; then
  ctest_stage native native
fi

if configure_and_build sanitize sanitize; then
  ctest_stage sanitize sanitize
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
if [ -n "$win32_note" ]; then
  echo "$win32_note"
fi
echo "$total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ]
