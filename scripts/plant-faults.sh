#!/usr/bin/env bash
# Plants small faults in the portable core, one at a time, and counts how many of them the
# tests catch: a flipped comparison, && for || (and back), a dropped call statement, an
# off-by-one on an integer literal or an index, true for false (and back).
#
# Usage: scripts/plant-faults.sh [--seed S] [--count N] [--timeout SECONDS] [--platform] [--list]
#   --seed S      which faults, and in which order (default 1): the same seed plants the
#                 same faults again in a later version of the tests
#   --count N     how many faults that build (default 50); one that does not build, or
#                 whose Wine session cannot be set up, is reported and replaced by the next
#   --timeout S   time allowed to each stage's tests (default three times what they
#                 take on the unchanged sources, at least a minute); a run that takes
#                 longer is stopped (timeout(1), with its process group) and counts as
#                 caught
#   --platform    plant into the platform's services on Win32 instead (src/platform/win32/
#                 Win32*.cpp: files, profiles, processes, registry, shell links, code page,
#                 message boxes), which only the Wine suites can catch
#   --list        only print the faults that would be planted
#
# The faults go into a copy of the sources, build/mutants/tree, built in its own build
# directories (build/mutants/tree/build/<preset>), so the checkout and its builds stay
# untouched. Each fault is taken out again before the next, and on every exit path. The
# unchanged sources are built and tested first: every stage must pass on them. A stage
# catches a fault when its tests fail, or hang; there is no second run.
# Logs: build/mutants/logs/<n>.log per fault, build/mutants/results.txt for all.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

# The stages, fast to slow; a fault's run stops at the first stage that fails.
#   name | preset | what to build first (target,target ...) | which of its tests (ctest)
stages=(
  "native|native|all|-E ^format$"
  "in-process|win64|velmora_wine_tests,e2e_standin|-R ^wine_win64$"
  "exe|win64|velmora,velmora_e2e|-R ^e2e_win64$"
)

seed=1
count=50
timeout=
list_only=false
platform=false
while [ $# -gt 0 ]; do
  case $1 in
    --seed)
      seed=$2
      shift 2
      ;;
    --count)
      count=$2
      shift 2
      ;;
    --timeout)
      timeout=$2
      shift 2
      ;;
    --platform)
      platform=true
      shift
      ;;
    --list)
      list_only=true
      shift
      ;;
    *)
      sed -n '/^# Usage/,/^#   --list/p' "$0" >&2
      exit 2
      ;;
  esac
done

work=$repo/build/mutants
tree=$work/tree
mkdir -p "$tree" "$work/logs"
rm -f "$work"/logs/*.log

# The copy: what the checkout holds now, tracked or new. Times are kept, so only what
# changed is rebuilt; files that held a fault in an earlier run are rebuilt in any case.
git ls-files -z -co --exclude-standard |
  tar --null -T - --ignore-failed-read -cf - 2>/dev/null | tar -xf - -C "$tree"
if [ -f "$work/planted-files" ]; then
  (cd "$tree" && xargs -r touch <"$work/planted-files")
  rm "$work/planted-files"
fi

# The portable core: every source of src/ but the windows and the platform's implementation
# (src/*/win32/) and wWinMain (src/app/); or the platform's services.
if $platform; then
  mapfile -t sources < <(git ls-files 'src/platform/win32/Win32*.cpp')
else
  mapfile -t sources < <(git ls-files 'src/*.cpp' ':!:src/*/win32/*' ':!:src/app/*')
fi
mapfile -t faults < <(cd "$tree" && python3 "$repo/scripts/lib/fault-sites.py" list "$seed" "${sources[@]}")

if $list_only; then
  printf '%s\n' "${faults[@]:0:$count}" | awk -F'\t' '{printf "%s:%s:%s %s: %s -> %s\n", $1, $2, $3, $4, $5, $6}'
  exit 0
fi

# The fault in place, if any: taken out on every exit path.
planted=
restore() {
  if [ -n "$planted" ]; then
    # From the copy taken before planting: the checkout may have moved on meanwhile. A
    # fresh time, so the next build redoes it.
    cp "$work/unplanted" "$tree/$planted"
    echo "$planted" >>"$work/planted-files"
    planted=
  fi
}
trap restore EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# stage_field STAGE N: the Nth field of a stage.
stage_field() { cut -d'|' -f"$2" <<<"$1"; }

build_stage() { # build_stage STAGE LOG: builds what the stage's tests need
  local targets
  IFS=, read -ra targets <<<"$(stage_field "$1" 3)"
  timeout -k 10 1800 cmake --build --preset "$(stage_field "$1" 2)" -j2 --target "${targets[@]}" >>"$2" 2>&1
}

# test_stage STAGE LOG SECONDS: 0 when the stage's tests pass, 124 when they hang (they
# are stopped then, with all they started), else the failure. A test program stops at its
# first failing test: one failure is all a stage needs to catch a fault.
test_stage() {
  local selection
  read -ra selection <<<"$(stage_field "$1" 4)"
  GTEST_FAIL_FAST=1 timeout -k 10 "$3" ctest --preset "$(stage_field "$1" 2)" -j2 --stop-on-failure "${selection[@]}" \
    >>"$2" 2>&1 </dev/null
}

cd "$tree"
# The unchanged sources first: configure each preset once, then every stage must pass.
# Tests are listed at test time, so a test program that fails at once is a failed test,
# not a failed build.
echo "Building and testing the unchanged sources in $tree ..."
clean_log=$work/logs/unchanged.log
: >"$clean_log"
for preset in $(printf '%s\n' "${stages[@]}" | cut -d'|' -f2 | sort -u); do
  cmake --preset "$preset" -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST >>"$clean_log" 2>&1
done
declare -A limit
for stage in "${stages[@]}"; do
  name=${stage%%|*}
  build_stage "$stage" "$clean_log" || {
    echo "the unchanged sources do not build: $clean_log" >&2
    exit 1
  }
  read -ra selection <<<"$(stage_field "$stage" 4)"
  tests=$(ctest --preset "$(stage_field "$stage" 2)" -N "${selection[@]}" | sed -n 's/^Total Tests: //p')
  [ "${tests:-0}" -gt 0 ] || {
    echo "stage $name selects no tests: change its selection" >&2
    exit 1
  }
  start=$SECONDS
  test_stage "$stage" "$clean_log" 3600 || {
    echo "stage $name fails on the unchanged sources: $clean_log" >&2
    exit 1
  }
  took=$((SECONDS - start))
  limit[$name]=${timeout:-$((took * 3 > 60 ? took * 3 : 60))}
  echo "  stage $name: $tests tests pass in $took s (limit per fault: ${limit[$name]} s)"
done

results=$work/results.txt
where_planted=$($platform && echo "the platform" || echo "the core")
echo "seed $seed, $count faults in $where_planted, $(date -u +%FT%TZ)" >"$results"
caught=0
tried=0
survivors=()
for fault in "${faults[@]}"; do
  [ "$tried" -lt "$count" ] || break
  IFS=$'\t' read -r file line column kind old new <<<"$fault"
  where="$file:$line $kind '$old' -> '$new'"
  log=$work/logs/$((tried + 1)).log
  echo "$where" >"$log"
  start=$SECONDS
  cp -p "$file" "$work/unplanted"
  planted=$file
  python3 "$repo/scripts/lib/fault-sites.py" apply "$file" "$line" "$column" "$old" "$new"
  diff -u "$work/unplanted" "$file" >>"$log" || true
  verdict=survived
  for stage in "${stages[@]}"; do
    name=${stage%%|*}
    if ! build_stage "$stage" "$log"; then
      verdict=unbuildable
      break
    fi
    status=0
    test_stage "$stage" "$log" "${limit[$name]}" || status=$?
    # A Wine session that could not be set up ran no test: that is no catch.
    if [ "$status" -ne 0 ] && grep -q '^wine-session: ' "$log"; then
      verdict=unrun
      break
    fi
    if [ "$status" -ne 0 ]; then
      verdict="caught by $name"
      [ "$status" -eq 124 ] && verdict+=" (hang)"
      break
    fi
  done
  restore
  if [ "$verdict" = unbuildable ] || [ "$verdict" = unrun ]; then
    mv "$log" "$work/logs/$verdict-$(basename "$file")-$line-$column.log"
    echo "  $([ "$verdict" = unrun ] && echo "Wine did not start" || echo "does not build"), replaced: $where"
    echo "$verdict $where" >>"$results"
    continue
  fi
  tried=$((tried + 1))
  case $verdict in caught*) caught=$((caught + 1)) ;; *) survivors+=("$where") ;; esac
  printf '[%2d/%d] %s: %s (%d s)\n' "$tried" "$count" "$where" "$verdict" $((SECONDS - start))
  echo "$verdict $where" >>"$results"
done

echo "caught $caught of $tried (seed $seed, $where_planted)" | tee -a "$results"
[ ${#survivors[@]} -eq 0 ] || printf 'survived: %s\n' "${survivors[@]}"
