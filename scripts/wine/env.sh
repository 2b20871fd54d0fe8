# Sourced by the end-to-end checks and by scripts/run.sh: a virtual X display
# with a Spanish keyboard, and Wine with a Latin-1 Spanish locale (Wine takes
# its code page from it, so the keyboard's Windows-1252 text passes
# unchanged) in a prefix of the project's own, made once and reused, also by
# fresh clones on the same machine. Call pelvok_wine_stop when done (the
# checks trap EXIT).
#
#   source scripts/wine/env.sh && pelvok_wine_start
#
# PELVOK_WINEPREFIX chooses another prefix; scripts/run.sh uses one of its
# own, so that the checks, which delete the keyboard's settings, leave the
# user's alone.

pelvok_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
pelvok_cache=${XDG_CACHE_HOME:-$HOME/.cache}/pelvok

export WINEPREFIX=${PELVOK_WINEPREFIX:-$pelvok_cache/wine-e2e}
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LOCPATH=$pelvok_root/deps/locale
pelvok_locale=es_ES.ISO-8859-1

pelvok_xvfb_pid=""

pelvok_wine_log() { echo "wine-env: $*" >&2; }

# Runs a command while no other run uses the prefix: one wineserver serves a
# prefix, and each run ends it. Waits up to $PELVOK_WINE_WAIT seconds (900).
# flock keeps the lock itself, so a wineserver left behind does not hold it.
pelvok_wine_exclusive() {
  local status=0
  mkdir -p "$(dirname "$WINEPREFIX")"
  flock -w "${PELVOK_WINE_WAIT:-900}" -E 75 "$WINEPREFIX.lock" "$@" || status=$?
  ((status == 75)) && pelvok_wine_log "another run kept $WINEPREFIX busy; gave up waiting"
  return $status
}

pelvok_wine_locale() {
  if [[ ! -f $LOCPATH/$pelvok_locale/LC_CTYPE ]]; then
    mkdir -p "$LOCPATH"
    # localedef warns about the charmap's gaps; the locale is still complete.
    localedef -i es_ES -f ISO-8859-1 "$LOCPATH/$pelvok_locale" 2>/dev/null ||
      [[ -f $LOCPATH/$pelvok_locale/LC_CTYPE ]] || return 1
  fi
  # bash itself cannot load a locale from LOCPATH; the programs it starts can.
  export LANG=$pelvok_locale LC_ALL=$pelvok_locale 2>/dev/null
  unset LANGUAGE
}

# A display number that no server uses.
pelvok_free_display() {
  local n
  for n in $(seq 90 140); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    echo "$n"
    return 0
  done
  return 1
}

# The virtual display has the Spanish layout without dead keys: Wine does not
# compose a dead key that a program injects with the next key, and it gives
# no virtual key at all to a dead key's character. Without dead keys the
# accent keys carry the same virtual keys as on Windows, and an accent the
# keyboard types arrives on its own, before its vowel.
pelvok_xvfb_start() {
  local n tries
  n=$(pelvok_free_display) || { pelvok_wine_log "no free X display"; return 1; }
  Xvfb ":$n" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
  pelvok_xvfb_pid=$!
  export DISPLAY=":$n"
  for tries in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    kill -0 "$pelvok_xvfb_pid" 2>/dev/null || { pelvok_wine_log "Xvfb did not start"; return 1; }
    sleep 0.05
  done
  xdpyinfo >/dev/null 2>&1 || { pelvok_wine_log "Xvfb is not answering"; return 1; }
  setxkbmap es nodeadkeys
  # A desktop with a 30-pixel panel at the bottom: Wine reads the work area
  # from the root window when its server starts, and the keyboard docks above it.
  xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, 1280, 994"
}

# Makes the prefix once; tells Wine's windows not to wait for a window
# manager when there is none (seconds at every hide and destroy).
pelvok_wine_prefix() { # [managed: Y or N]
  local managed=${1:-N}
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    pelvok_wine_log "making the Wine prefix $WINEPREFIX (once)"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  if ! grep -q "\"Managed\"=\"$managed\"" "$WINEPREFIX/user.reg"; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1
    wineserver -w
  fi
}

# One server for the whole run, so that every program starts fast; its
# services start now, away from the callers' output (they would keep a pipe
# from a caller's output open). A server left by an earlier run that was
# stopped short is ended first: it would show its windows on a display that
# is gone.
pelvok_wine_server() {
  wineserver -k 2>/dev/null || true
  wineserver -w
  wineserver -p
  wine wineboot </dev/null >/dev/null 2>&1
}

pelvok_wine_start() {
  pelvok_wine_locale || { pelvok_wine_log "cannot make the es_ES.ISO-8859-1 locale"; return 1; }
  pelvok_xvfb_start || return 1
  pelvok_wine_prefix N || return 1
  pelvok_wine_server
}

pelvok_wine_stop() {
  wineserver -k 2>/dev/null || true
  if [[ -n $pelvok_xvfb_pid ]]; then
    kill "$pelvok_xvfb_pid" 2>/dev/null || true
    wait "$pelvok_xvfb_pid" 2>/dev/null || true
    pelvok_xvfb_pid=""
  fi
}
