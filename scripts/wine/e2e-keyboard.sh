# The end-to-end scenario of the real keyboard, window/pelvok.exe, under
# Wine. Sourced by scripts/wine/e2e.sh (drive, start_program, screenshot).
# The keyboard starts with fresh settings in a folder of its own.

e2e_keyboard() {
  local bin=$1 exe=$2 run=$3
  rm -rf "$run"
  mkdir -p "$run"
  wine reg delete 'HKCU\SOFTWARE\KeyBoardQuorvel' /f >/dev/null 2>&1 || true
  # The pointer away from the keyboard: hovering makes the key under it current.
  xdotool mousemove 1270 10
  start_program target "$bin/pelvok-e2e-target.exe"
  drive wait-target 30
  pushd "$run" >/dev/null
  start_program pelvok "$exe"
  popd >/dev/null
  # Docked at the bottom centre of the 1280 x 1024 screen at size 1, and
  # the target keeps the focus.
  drive wait-keyboard 30 : expect-focus
  local _ kb_x kb_y kb_r kb_b
  read -r _ kb_x kb_y kb_r kb_b < <(drive print-rect | tr -d '\r')
  [[ "$kb_x $kb_y $kb_r $kb_b" == "430 738 849 994" ]] ||
    { echo "FAIL: keyboard at $kb_x $kb_y $kb_r $kb_b, not 430 738 849 994" >&2; exit 1; }
  # The default dictionary was made in the start folder.
  [[ $(head -c 15 "$run/diccionarios/default.dic" 2>/dev/null) == "SQLite format 3" ]] ||
    { echo "FAIL: no dictionary at diccionarios/default.dic" >&2; exit 1; }

  # The key current at start (row 0, column 4) is the apostrophe; three rows
  # down is e, one more d, then right f.
  drive send 20 W : expect-text "'" : send 20 E : send 20 E : send 20 E : send 20 W \
    : expect-text "'e" : send 20 E : send 20 W : send 20 G : send 20 W : expect-text "'edf" \
    : expect-focus
  screenshot keyboard

  # WM_USER+11 and +10 hide and show it, replying whether it was visible.
  drive expect-reply 11 1 : expect-visible 0 : expect-reply 10 0 : expect-visible 1 \
    : expect-focus : close : close-target
  wait_program pelvok
  wait_program target
  wine reg delete 'HKCU\SOFTWARE\KeyBoardQuorvel' /f >/dev/null 2>&1 || true
}
