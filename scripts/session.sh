# Sourced by the test, run, demo and bench scripts: a private virtual display and
# Wine prefix inside the build tree. Everything started here is stopped by pid on exit;
# a display or Wine server that we did not start is never touched.

LOUPIST_ROOT=${LOUPIST_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
SESSION_PIDS=()

# Which Windows programs this machine runs. Some kernels run no 32-bit Linux programs, and there
# Wine's 32-bit loader fails with "Exec format error" while the 64-bit one works; the only sound
# test is to start the loader. LOUPIST_NO_WIN32=1 plays such a machine: the 32-bit loader is
# taken for absent, and a `wine` that fails as the real one does there stands first on PATH, so
# that a script calling `wine` directly instead of wine32/wine64 shows up.
WINE32_LOADER=/usr/lib/wine/wine
WINE64_LOADER=/usr/lib/wine/wine64
if [ -z "${LOUPIST_WIN32_RUNS:-}" ]; then
  if [ "${LOUPIST_NO_WIN32:-}" = 1 ]; then
    LOUPIST_WIN32_RUNS=0
    LOUPIST_WIN32_WHY="LOUPIST_NO_WIN32=1 plays a machine without 32-bit programs"
    mkdir -p "$LOUPIST_ROOT/build/no-win32-bin"
    printf '#!/bin/sh\necho "wine: Exec format error (LOUPIST_NO_WIN32=1)" >&2\nexit 126\n' \
      >"$LOUPIST_ROOT/build/no-win32-bin/wine"
    chmod +x "$LOUPIST_ROOT/build/no-win32-bin/wine"
    export PATH="$LOUPIST_ROOT/build/no-win32-bin:$PATH"
  elif why=$("$WINE32_LOADER" --version 2>&1); then
    LOUPIST_WIN32_RUNS=1
    LOUPIST_WIN32_WHY=
  else
    LOUPIST_WIN32_RUNS=0
    LOUPIST_WIN32_WHY="$WINE32_LOADER --version: ${why##*: }"
  fi
  export LOUPIST_WIN32_RUNS LOUPIST_WIN32_WHY
fi

# wine32 PROGRAM ARGS / wine64 PROGRAM ARGS: a Windows program of that bitness. Both share the
# prefix (a 64-bit prefix runs 32-bit programs where the 32-bit loader starts). The commands
# themselves, for `timeout` and the like: "${WINE64_COMMAND[@]}" PROGRAM ARGS.
WINE32_COMMAND=(env -u WINELOADER "$WINE32_LOADER")
WINE64_COMMAND=(env WINELOADER="$WINE64_LOADER" "$WINE64_LOADER")
wine32() {
  if [ "$LOUPIST_WIN32_RUNS" != 1 ]; then
    echo "wine32: this machine runs no 32-bit programs ($LOUPIST_WIN32_WHY)" >&2
    return 126
  fi
  "${WINE32_COMMAND[@]}" "$@"
}
wine64() { "${WINE64_COMMAND[@]}" "$@"; }
# The bitness that this machine's runs use where either would do: 32 where it runs, as before.
if [ "$LOUPIST_WIN32_RUNS" = 1 ]; then LOUPIST_BITS=32; else LOUPIST_BITS=64; fi
export LOUPIST_BITS
# wine_tool PROGRAM ARGS: the prefix's own tools (reg, wineboot), 64-bit on every machine.
wine_tool() { wine64 "$@"; }

session_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -n "${SESSION_WINE_STARTED:-}" ]; then
    wineserver -k >/dev/null 2>&1 || true
    # A server still winding down would be taken over by the next session's first program,
    # with the monitor set it read from a display that is gone.
    wineserver -w >/dev/null 2>&1 || true
    SESSION_WINE_STARTED=
  fi
  local p
  for p in "${SESSION_PIDS[@]}"; do
    kill "$p" >/dev/null 2>&1 || true
  done
  for p in "${SESSION_PIDS[@]}"; do
    wait "$p" >/dev/null 2>&1 || true
  done
  SESSION_PIDS=()
}

free_display_number() {
  local n
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      echo "$n"
      return 0
    fi
  done
  return 1
}

wait_for_display() {
  local i
  for i in $(seq 1 100); do
    xdpyinfo -display "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "session: display $1 did not come up" >&2
  return 1
}

# session_start_xvfb [WIDTHxHEIGHT]: one monitor.
session_start_xvfb() {
  local geometry=${1:-1280x1024}
  local n
  n=$(free_display_number) || { echo "session: no free display" >&2; return 1; }
  Xvfb ":$n" -screen 0 "${geometry}x24" -nolisten tcp -noreset </dev/null >/dev/null 2>&1 &
  SESSION_PIDS+=($!)
  export DISPLAY=":$n"
  wait_for_display "$DISPLAY"
}

# session_start_xorg_dual: a 1280x1024 primary with a 1024x768 monitor to its left.
session_start_xorg_dual() {
  local n dir
  n=$(free_display_number) || { echo "session: no free display" >&2; return 1; }
  dir="$LOUPIST_ROOT/build/xorg"
  mkdir -p "$dir"
  cat > "$dir/dummy.conf" <<'CONF'
Section "Device"
  Identifier "d"
  Driver "dummy"
  VideoRam 256000
EndSection
Section "Monitor"
  Identifier "m"
  HorizSync 5.0 - 1000.0
  VertRefresh 5.0 - 200.0
EndSection
Section "Screen"
  Identifier "s"
  Device "d"
  Monitor "m"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 4096 2048
  EndSubSection
EndSection
CONF
  Xorg ":$n" -config "$dir/dummy.conf" -noreset -nolisten tcp -logfile "$dir/xorg-$n.log" \
    </dev/null >/dev/null 2>&1 &
  SESSION_PIDS+=($!)
  export DISPLAY=":$n"
  wait_for_display "$DISPLAY" || return 1
  xrandr --output DUMMY0 --mode 1280x1024 --pos 1024x0 --primary &&
    xrandr --addmode DUMMY1 1024x768 &&
    xrandr --output DUMMY1 --mode 1024x768 --left-of DUMMY0 || return 1
  # Seen here: until a client queries the screen once more after the layout is set, Wine
  # (which reads the server's current resources without polling) finds one monitor only.
  # The query also proves that the layout took.
  if [ "$(xrandr --listmonitors | sed -n 's/^Monitors: //p')" != 2 ]; then
    echo "session: the dual layout did not take" >&2
    return 1
  fi
}

# session_start_wine: the prefix lives in build/wineprefix; one server for the whole run.
session_start_wine() {
  # LOUPIST_WINEPREFIX lets two sessions on one machine keep apart.
  export WINEPREFIX="${LOUPIST_WINEPREFIX:-$LOUPIST_ROOT/build/wineprefix}"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LC_ALL=ja_JP.UTF-8
  export WINEARCH=win64
  mkdir -p "$WINEPREFIX"
  wineserver -p </dev/null >/dev/null 2>&1
  SESSION_WINE_STARTED=1
  wine_tool wineboot </dev/null >/dev/null 2>&1
  if [ ! -e "$WINEPREFIX/.loupist-settings" ]; then
    # Metric-compatible stand-in for the Japanese gothic face the program asks for.
    wine_tool reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /t REG_SZ \
      /d IPAGothic /f </dev/null >/dev/null 2>&1
    # No window manager runs on our displays: without this, every hidden or destroyed
    # top-level window waits two seconds for a manager's answer that never comes.
    wine_tool reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      </dev/null >/dev/null 2>&1
    touch "$WINEPREFIX/.loupist-settings"
  fi
}

# session_set_dpi DPI: the dots per inch of the running prefix's display. The server is
# started anew: a running one keeps the DPI it read first.
session_set_dpi() {
  wine_tool reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    </dev/null >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  wineserver -p </dev/null >/dev/null 2>&1
  wine_tool wineboot </dev/null >/dev/null 2>&1
}

# session_set_english: the running prefix as an English Windows. Wine takes the user's locale
# and interface language from LC_ALL, and the panel's English face (Courier New) is mapped to
# the metric-compatible Liberation Mono, as the Japanese face is to IPAGothic. The server is
# started anew so that every program of the session starts in the new locale. Give the session
# a prefix of its own (LOUPIST_WINEPREFIX) before session_start_wine.
session_set_english() {
  export LC_ALL=en_US.UTF-8
  wine_tool reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /t REG_SZ \
    /d 'Liberation Mono' /f </dev/null >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  wineserver -p </dev/null >/dev/null 2>&1
  wine_tool wineboot </dev/null >/dev/null 2>&1
}
