# shellcheck shell=bash
# A private, quiet Wine session for scripts that run Windows programs: its own Wine
# prefix, home and XDG folders under one temp directory, its own Xvfb display, no debug
# output and no Mono/Gecko prompts. Source this file, then:
#
#   wine_session_start              # sets WINEPREFIX, HOME, XDG_*, DISPLAY, WINE_SESSION_*
#   trap wine_session_stop EXIT
#   wine_session_map_drive e "$stick"   # the folder $stick becomes E:\ inside Wine
#   wine_session_run 'E:\velmora.exe'   # or "$WINE_SESSION_WINE" program.exe args...
#
# or, for a test program: wine_session_with_stick MARKER [SIZE] (all of the above, E: a
# fresh stick), then wine_session_run_tests program.exe args...
#
# Needs the `wine` group of scripts/lib/install-deps.sh (wine64, fonts-wine, xvfb); 32-bit
# programs need the `wine32` group as well.

# wine_session_find NAME FALLBACK: a Wine program on PATH, or where Debian's wine64
# package puts it (the loader, the server wineserver).
wine_session_find() {
  if command -v "$1" >/dev/null 2>&1; then
    command -v "$1"
  elif [ -x "$2" ]; then
    echo "$2"
  else
    echo "wine-session: no $1 found (install_deps wine)" >&2
    return 1
  fi
}

# Starts Xvfb on a free display number (Xvfb picks it and writes it to a descriptor, so
# parallel sessions never collide) and exports DISPLAY. Waits up to 60 s for it: a loaded
# machine can take seconds.
wine_session_start_display() {
  local displayFile="$WINE_SESSION_ROOT/display" waited=0
  : >"$displayFile"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayFile" >/dev/null 2>&1 &
  WINE_SESSION_XVFB_PID=$!
  while [ ! -s "$displayFile" ]; do
    if ! kill -0 "$WINE_SESSION_XVFB_PID" 2>/dev/null || [ "$waited" -ge 600 ]; then
      echo "wine-session: Xvfb did not start" >&2
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  DISPLAY=":$(tr -dc 0-9 <"$displayFile")"
  export DISPLAY
  export WINE_SESSION_XVFB_PID
}

# Creates the session: temp root, private prefix (wineboot -i, settled with wineserver -w)
# and display. Exports WINE_SESSION_ROOT, WINE_SESSION_WINE and WINE_SESSION_WINESERVER.
wine_session_start() {
  # Debian's `wine` runs 32- and 64-bit programs alike once 32-bit Wine is installed, and
  # 64-bit ones through wine64 before that.
  WINE_SESSION_WINE=$(wine_session_find wine /usr/lib/wine/wine64) || return 1
  WINE_SESSION_WINESERVER=$(wine_session_find wineserver /usr/lib/wine/wineserver64) || return 1
  WINE_SESSION_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/wine-session.XXXXXX")
  export WINE_SESSION_ROOT WINE_SESSION_WINE WINE_SESSION_WINESERVER

  # Nothing Wine writes may land in the real home or prefix.
  mkdir -p "$WINE_SESSION_ROOT"/{home,prefix,config,cache,data,runtime}
  chmod 700 "$WINE_SESSION_ROOT/runtime"
  export HOME="$WINE_SESSION_ROOT/home"
  export XDG_CONFIG_HOME="$WINE_SESSION_ROOT/config"
  export XDG_CACHE_HOME="$WINE_SESSION_ROOT/cache"
  export XDG_DATA_HOME="$WINE_SESSION_ROOT/data"
  export XDG_RUNTIME_DIR="$WINE_SESSION_ROOT/runtime"
  export WINEPREFIX="$WINE_SESSION_ROOT/prefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # A fixed locale, so that the ANSI code page is the same on every machine.
  export LANG=C.UTF-8 LC_ALL=C.UTF-8

  wine_session_start_display || return 1
  "$WINE_SESSION_WINE" wineboot -i >"$WINE_SESSION_ROOT/wineboot.log" 2>&1 || {
    echo "wine-session: wineboot failed (exit $?):" >&2
    tail -n 20 "$WINE_SESSION_ROOT/wineboot.log" >&2
    return 1
  }
  # No window manager runs on the virtual display: unmanaged windows keep Wine from
  # waiting (2 s a window) for one to acknowledge each closed window.
  "$WINE_SESSION_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # A program that crashes ends at once, its fault named on standard error ("wine: Unhandled
  # page fault ..."), instead of waiting behind Wine's crash dialog for a click.
  "$WINE_SESSION_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >/dev/null 2>&1
  # Wine draws the title bar's buttons with glyphs of its Marlett font, but does not find
  # the one Debian's fonts-wine ships: without it the close box shows the letter "r".
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  "$WINE_SESSION_WINESERVER" -w
}

# wine_session_runs_32bit: 32-bit Wine is installed and this kernel runs it, so the 32-bit
# builds can run.
wine_session_runs_32bit() { [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; }

# wine_session_windows_path PATH: the Windows form of a Linux path (Z:\ is the Linux root).
wine_session_windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# wine_session_map_drive LETTER DIR: the folder DIR appears as drive LETTER: in Wine.
wine_session_map_drive() {
  local letter dir
  letter=${1,,}
  dir=$(cd "$2" && pwd) || return 1
  rm -f "$WINEPREFIX/dosdevices/$letter:"
  ln -s "$dir" "$WINEPREFIX/dosdevices/$letter:"
}

# wine_session_run PROGRAM ARGS...: runs a Windows program in the session and gives its
# exit code.
wine_session_run() {
  "$WINE_SESSION_WINE" "$@"
}

# Ends the session: the prefix's wineserver (and every Windows process in it), the Xvfb
# it started, and the temp root. Safe to call more than once, e.g. from an EXIT trap.
wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -n "${WINE_SESSION_WINESERVER:-}" ] && [ -d "$WINEPREFIX" ]; then
    "$WINE_SESSION_WINESERVER" -k >/dev/null 2>&1 || true
    "$WINE_SESSION_WINESERVER" -w >/dev/null 2>&1 || true
  fi
  if [ -n "${WINE_SESSION_MOUNT:-}" ]; then
    umount "$WINE_SESSION_MOUNT" 2>/dev/null || umount -l "$WINE_SESSION_MOUNT" || true
    WINE_SESSION_MOUNT=
  fi
  if [ -n "${WINE_SESSION_XVFB_PID:-}" ]; then
    kill "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    WINE_SESSION_XVFB_PID=
  fi
  if [ -n "${WINE_SESSION_ROOT:-}" ] && [ -d "$WINE_SESSION_ROOT" ]; then
    rm -rf "$WINE_SESSION_ROOT"
  fi
  WINE_SESSION_ROOT=
}

# wine_session_with_stick MARKER [SIZE]: starts the session, stopped again on every exit
# path, and maps a fresh stick folder as E:; the file MARKER on it tells the tests that they
# may wipe that drive. With SIZE (e.g. 32m) the stick is a medium of that size of its own,
# which a test can fill: a tmpfs, which only root may mount (otherwise a warning, and the
# stick stays a folder). Sets $stick to the folder.
# wine_session_require_built HINT FILE...: ends the script (status 2) when a file it runs
# is missing, with the hint how to build it.
wine_session_require_built() {
  local hint=$1 file
  shift
  for file in "$@"; do
    [ -f "$file" ] || {
      echo "missing $file ($hint)" >&2
      exit 2
    }
  done
}

wine_session_with_stick() {
  trap wine_session_stop EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  wine_session_start
  stick="$WINE_SESSION_ROOT/stick"
  mkdir -p "$stick"
  if [ -n "${2:-}" ]; then
    if mount -t tmpfs -o "size=$2" velmora-stick "$stick"; then
      WINE_SESSION_MOUNT=$stick
    else
      echo "wine-session: could not mount a $2 medium as the stick; it is a folder" >&2
    fi
  fi
  touch "$stick/$1"
  wine_session_map_drive e "$stick"
}

# wine_session_run_tests PROGRAM [ARGS...]: runs the test program and exits with its status.
# In the background, so that a signal reaches the trap at once rather than after the run.
wine_session_run_tests() {
  local status=0
  "$WINE_SESSION_WINE" "$@" &
  wait $! || status=$?
  exit "$status"
}
