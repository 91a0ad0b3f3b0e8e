#!/usr/bin/env bash
# Every test, through ctest, each preset from its own build: both builds of velmora.exe
# under Wine (the 64-bit one always, the 32-bit one wherever the kernel runs 32-bit programs,
# with 32-bit Wine installed here), the native core (plain, under Address- and
# UndefinedBehaviorSanitizer, and as 32-bit code) and the fuzz targets over their corpus.
# Installs whatever is missing on a fresh Debian machine.
#
# Every stage runs even when an earlier one failed, so one failure never hides another;
# the last line sums up the whole run as "N passed, M failed". Exits non-zero on any
# failure.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
source scripts/lib/install-deps.sh
install_deps native build-windows wine fuzz qemu || exit 1

jobs=$(nproc)
log_dir=build/test-logs
mkdir -p "$log_dir"
rm -f "$log_dir/failures.txt"
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
  # What each failed check said, for the end of the run, where it is seen first.
  if [ "${failed:-1}" != 0 ]; then
    grep -E -A8 ': Failure$' "$log" | head -n 60 >>"$log_dir/failures.txt"
  fi
}

# preset_build PRESET [cmake configure arguments...]: configures and builds a preset.
preset_build() {
  local preset=$1
  shift
  cmake --preset "$preset" "$@" && cmake --build --preset "$preset" -j "$jobs"
}

# configure_and_build NAME PRESET [cmake configure arguments...]
configure_and_build() {
  local name=$1
  shift
  build_stage "$name" preset_build "$@"
}

# 32-bit programs run directly where the kernel allows it, a tiny one tells. Elsewhere the
# 32-bit native tests run under the user-mode emulator, and the 32-bit executable, which
# needs 32-bit Wine, is only read, not run: the summary says so on a line of its own.
runs_32bit() {
  local probe="$log_dir/probe32"
  echo 'int main(void) { return 0; }' | gcc -m32 -x c -o "$probe" - && "$probe" 2>/dev/null
}
emulator=
win32_runs=false
win32_note=
if runs_32bit; then
  stage_started=$SECONDS
  if install_deps wine32; then
    win32_runs=true
  else
    record wine32 0 1
    win32_note="win32 exe   not run: 32-bit Wine could not be installed"
  fi
else
  emulator=qemu-i386
  win32_note="win32 exe   not run: this kernel runs no 32-bit programs"
  echo "== $win32_note (the 32-bit native tests run under qemu-i386)"
fi

# Both executables, each tested from its own build: read, and run under Wine.
if build_stage windows bash scripts/build-windows.sh; then
  windows_seconds=$((SECONDS - stage_started))
  stage_started=$SECONDS
  ctest_stage win64 win64
  stage_started=$SECONDS
  if $win32_runs; then
    ctest_stage win32 win32
  else
    ctest_stage win32 win32 -LE wine
  fi
fi

if configure_and_build native native; then
  ctest_stage native native
fi

if configure_and_build sanitize sanitize; then
  ctest_stage sanitize sanitize
fi

if configure_and_build native32 native32 -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator"; then
  ctest_stage native32 native32
fi

# The fuzz targets replay their stored corpus (scripts/fuzz.sh grows it).
fuzz_build() { cmake --preset fuzz && cmake --build --preset fuzz -j "$jobs" --target RewriteFuzz; }
if build_stage fuzz fuzz_build; then
  ctest_stage fuzz fuzz
fi

echo
if [ -s "$log_dir/failures.txt" ]; then
  echo "== what the failed checks said (first lines of each stage's; whole logs in $log_dir)"
  cat "$log_dir/failures.txt"
  echo
fi
if [ -n "${windows_seconds:-}" ]; then
  echo "(the Windows build took $((windows_seconds / 60)):$(printf '%02d' $((windows_seconds % 60))))"
fi
printf '%s\n' "${summary[@]}"
if [ -n "$win32_note" ]; then
  echo "$win32_note"
fi
echo "$total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ]
