# Sourced by the end-to-end checks: a virtual X display with a Spanish
# keyboard, and Wine with a Latin-1 Spanish locale (Wine takes its code page
# and keyboard layout from it) in a prefix of the project's own, made once
# and reused. Call pelvok_wine_stop when done (the checks trap EXIT).
#
#   source scripts/wine/env.sh && pelvok_wine_start

pelvok_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

export WINEPREFIX=${PELVOK_WINEPREFIX:-$pelvok_root/.wine}
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LOCPATH=$pelvok_root/deps/locale
pelvok_locale=es_ES.ISO-8859-1

pelvok_xvfb_pid=""

pelvok_wine_log() { echo "wine-env: $*" >&2; }

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
  setxkbmap es
}

pelvok_wine_prefix() {
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    pelvok_wine_log "making the Wine prefix $WINEPREFIX (once)"
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  # There is no window manager: with Wine's windows unmanaged it does not
  # wait for one (seconds at every hide and destroy).
  if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg"; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
  fi
}

pelvok_wine_start() {
  pelvok_wine_locale || { pelvok_wine_log "cannot make the es_ES.ISO-8859-1 locale"; return 1; }
  pelvok_xvfb_start || return 1
  pelvok_wine_prefix || return 1
  # One server for the whole run, so that every program starts fast; its
  # services start now, away from the callers' output (they would keep a
  # pipe from a caller's output open).
  wineserver -p
  wine wineboot </dev/null >/dev/null 2>&1
}

pelvok_wine_stop() {
  wineserver -k 2>/dev/null || true
  if [[ -n $pelvok_xvfb_pid ]]; then
    kill "$pelvok_xvfb_pid" 2>/dev/null || true
    wait "$pelvok_xvfb_pid" 2>/dev/null || true
    pelvok_xvfb_pid=""
  fi
}
