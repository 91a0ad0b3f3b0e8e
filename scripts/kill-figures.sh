#!/usr/bin/env bash
# Kills velmora.exe (kill -9 under Wine) at many moments of a large write, starts it again
# normally each time and checks that the private wincmd copy ends complete: never cut,
# never lost, no working file left. Two writes: a first start's import of wincmd.ini, and
# a later start's rewrite of the private copy. Prints a table per write and a summary;
# exits non-zero when a start after a kill met a cut or lost private file.
# Usage: scripts/kill-figures.sh [MEGABYTES] [MOMENTS] [BUILD]
#   (defaults 150, 25 and build/win64; build/win32 needs 32-bit Wine)
# Needs BUILD/velmora.exe and BUILD/tests/e2e/Totalcmd.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
megabytes=${1:-150}
moments=${2:-25}
build=${3:-build/win64}
source scripts/lib/install-deps.sh
install_deps wine >/dev/null
source scripts/lib/wine-session.sh

trap wine_session_stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
wine_session_start
stick="$WINE_SESSION_ROOT/stick"
tc="$stick/TC"
private="$tc/TC_portable_wincmd.ini"
source_ini="$WINE_SESSION_ROOT/wincmd.ini"
expected="$WINE_SESSION_ROOT/expected.ini"
record="$WINE_SESSION_ROOT/record.txt"
export VELMORA_E2E_RECORD
VELMORA_E2E_RECORD=$(wine_session_windows_path "$record")
mkdir -p "$tc"
cp "$build/velmora.exe" "$build/tests/e2e/Totalcmd.exe" "$tc/"
printf '[FTP]\r\nInifileName=E:\\TC\\TC_portable_wcx_ftp.ini\r\n' >"$tc/TC_portable_wcx_ftp.ini"
wine_session_map_drive e "$stick"

# Settings lines as a long-used installation has them; every tenth names a file in E:\TC.
awk -v bytes=$((megabytes * 1048576)) 'BEGIN {
  for (n = 0; size < bytes; n++) {
    if (n % 500 == 0) line = sprintf("[Section%d]", n / 500)
    else if (n % 10 == 3) line = sprintf("plugin%d=E:\\TC\\Plugins\\wcx\\pack%d\\pack%d.wcx", n, n % 97, n)
    else if (n % 10 == 6) line = sprintf("cmd%d=cd D:\\Work\\Projects\\project%d\\src", n, n % 311)
    else line = sprintf("color%d=%d", n, (n * 7919) % 16777216)
    printf "%s\r\n", line
    size += length(line) + 2
  }
}' >"$source_ini"
cp "$source_ini" "$tc/wincmd.ini"

# until_true SECONDS COMMAND...: polls COMMAND until it succeeds, failing after SECONDS.
until_true() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -le "$deadline" ] || {
      echo "gave up waiting for: $*" >&2
      return 1
    }
    sleep 0.01
  done
}

gone() { ! kill -0 "$1" 2>/dev/null; }

# wait_exit PID SECONDS: the process ended in time (a hung one is killed and fails).
wait_exit() {
  until_true "$2" gone "$1" && return 0
  kill -9 "$1" 2>/dev/null
  return 1
}

window_id() { xdotool search --name "$1" 2>/dev/null | head -1 | grep .; }

# A key sent to the window itself (XSendEvent) leaves its release pending in Wine, which
# then answers the next question too; focusing the box and typing does not. Wine may put a
# new X window in place of the first one found, so a refused focus is tried again.
focus_and_type() {
  local id
  id=$(window_id "$1") && xdotool windowfocus "$id" key "$2" 2>/dev/null
}

# press TITLE KEY SECONDS: types KEY into the box TITLE once, as soon as it shows. The box
# stays on screen until the program looks at its messages again, after the write, so its
# going away cannot tell whether the key was taken.
press() { until_true "$3" focus_and_type "$1" "$2"; }

start_velmora() {
  "$WINE_SESSION_WINE" 'E:\TC\velmora.exe' >/dev/null 2>&1 &
  pid=$!
  disown "$pid" # its kill is ours: bash need not report it
}

# A normal start until it ends: Yes to the import question when $1 is "yes" (anything
# else fails the start), No to the shortcut offer. Sets asked=yes when it asked to import.
follow_up() {
  local deadline=$((SECONDS + limit)) offered=no key=n
  asked=no
  [ "$1" = yes ] && key=y
  : >"$record"
  start_velmora
  while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -le "$deadline" ]; do
    if [ "$asked" = no ] && window_id 'First Start: Import file' >/dev/null; then
      asked=yes
      press 'First Start: Import file' "$key" 10 || true
    elif [ "$offered" = no ] && window_id 'Desktop Shortcut' >/dev/null; then
      offered=yes
      press 'Desktop Shortcut' n 10 || true
    fi
    sleep 0.1
  done
  # The launcher ends right after starting Total Commander, which records its start
  # a moment later: a start is waited for, not looked up once.
  wait_exit "$pid" 1 && { [ "$asked" = no ] || [ "$1" = yes ]; } && until_true 60 grep -q '/i=' "$record"
}

# What a kill left, as one word per file: absent, old, new, cut:<bytes> or partial:<bytes>.
state_of() {
  [ -e "$1" ] || {
    echo absent
    return
  }
  if cmp -s "$1" "$expected"; then
    echo new
  elif [ "$2" = with-old ] && cmp -s "$1" "$source_ini"; then
    echo old
  else
    echo "$3:$(stat -c %s "$1")"
  fi
}

# run_scenario NAME: one uninterrupted run to time the write, then a kill per moment.
run_scenario() {
  local name=$1 i t left kind ok duration started
  echo "== $name: $(stat -c %s "$source_ini") bytes =="
  "prepare_$name"
  "begin_$name"
  started=$EPOCHREALTIME
  # The write is timed up to the moment the private file takes its new content; what the
  # start does after it (reading the settings once more, the questions) is not.
  until_true 300 "written_$name"
  duration=$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN {printf "%.2f", b - a}')
  "finish_$name"
  # A start after a kill reads and writes as much again, plus Wine's start-up.
  limit=$(awk -v d="$duration" 'BEGIN {printf "%d", d * 4 + 60}')
  wait_exit "$pid" "$limit"
  [ -s "$expected" ] || cp "$private" "$expected"
  cmp -s "$private" "$expected" || {
    echo "the uninterrupted $name left other bytes" >&2
    exit 1
  }
  ! grep -q 'E:\\TC' "$expected" || {
    echo "the uninterrupted $name left E:\\TC paths" >&2
    exit 1
  }
  echo "uninterrupted write: $duration s"
  printf '%-8s %-12s %-20s %-20s %s\n' "t (s)" "private" "_temp1.txt" "_temp2.txt" "next start"
  for i in $(seq 0 $((moments - 1))); do
    t=$(awk -v d="$duration" -v i="$i" -v n="$moments" 'BEGIN {printf "%.2f", d * 1.1 * i / (n - 1)}')
    "prepare_$name"
    if ! "begin_$name"; then
      # The start never came to the write (a busy machine): no moment of the write to try.
      kill -9 "$pid" 2>/dev/null || true
      wait_exit "$pid" 10 || true
      printf '%-8s %s\n' "$t" "skipped: the start did not ask in time"
      skipped=$((skipped + 1))
      continue
    fi
    sleep "$t"
    kill -9 "$pid" 2>/dev/null || true
    wait_exit "$pid" 10 || true
    left="$(state_of "$private" "$old" cut) $(state_of "$private"_temp1.txt - partial) $(state_of "$private"_temp2.txt - partial)"
    # shellcheck disable=SC2001 # a pattern of digits: sed's, not the shell's
    kind=$(sed 's/:[0-9]*//g' <<<"$left")
    kinds["$name: $kind"]=$((${kinds["$name: $kind"]:-0} + 1))
    tried=$((tried + 1))
    if follow_up "$reply" && cmp -s "$private" "$expected" && ! ls "$tc"/*_temp[12].txt >/dev/null 2>&1 &&
      [[ "$left" != *cut:* ]]; then
      ok="ended right (asked to import: $asked)"
    else
      ok="FAILED (asked to import: $asked; private now $(state_of "$private" "$old" cut); left $(cd "$tc" && ls))"
      failures=$((failures + 1))
    fi
    read -ra states <<<"$left"
    printf '%-8s %-12s %-20s %-20s %s\n' "$t" "${states[@]}" "$ok"
  done
}

# First start: the private copy is not there yet; the kill follows the Yes to the import.
prepare_import() { rm -f "$private" "$private"_temp[12].txt "$record"; }
begin_import() {
  start_velmora
  press 'First Start: Import file' y 30
}
written_import() { [ -e "$private" ]; }
finish_import() { press 'Desktop Shortcut' n 300; }

# Later start: the private copy still holds E:\TC paths, so the start rewrites it; the
# new content comes by a move, so the private file's inode tells when it has come.
prepare_rewrite() {
  rm -f "$private"_temp[12].txt
  cp "$source_ini" "$private"
  old_inode=$(stat -c %i "$private")
}
begin_rewrite() { start_velmora; }
written_rewrite() { [ -e "$private" ] && [ "$(stat -c %i "$private")" != "$old_inode" ]; }
finish_rewrite() { :; }

declare -A kinds
reply= # each scenario's answer to the import question
old=   # "with-old" where the private file's old content may stay
tried=0
failures=0
skipped=0
reply=yes old=- run_scenario import
echo
reply=no old=with-old run_scenario rewrite
echo
summary="moments tried: $tried; skipped: $skipped; failures: $failures; outcomes:"
while read -r kind; do summary+=" [$kind] ${kinds[$kind]};"; done < <(printf '%s\n' "${!kinds[@]}" | sort)
echo "$summary"
[ "$failures" -eq 0 ]
