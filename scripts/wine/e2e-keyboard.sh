# The end-to-end scenario of the real keyboard, window/pelvok.exe, under
# Wine. Sourced by scripts/wine/e2e.sh (drive, start_program, wait_program,
# screenshot, expect). The keyboard starts with fresh settings in a folder of
# its own, types into the target through the private messages and a real
# click, and leaves its settings and the words it learned behind.
#
# Wine's Spanish layout gives other virtual keys than Windows' to ñ, ç, the
# apostrophe, '?', '¿', '-' and 'º', and AltGr sent by keybd_event does not
# arrive; the keys typed here avoid them (the simulated desktop's tests cover
# those rules).

settings_key='HKCU\SOFTWARE\KeyBoardQuorvel'
# What start_fresh starts the target with.
target_args=()

# The text of one setting, or nothing when it is missing.
setting() {
  wine reg query "$settings_key" /v "$1" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$1 *REG_SZ *//p"
}

expect_settings() {
  local what=$1; shift
  while (($#)); do
    expect "$what: $1" "$2" "$(setting "$1")"
    shift 2
  done
}

# The pixel of a screenshot at screen (x, y), as "r,g,b".
pixel() {
  convert "$1" -crop "1x1+$2+$3" +repage \
    -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:
}

expect_pixels() {
  local png=$1 colour=$2 what=$3; shift 3
  local wanted="" seen=""
  while (($#)); do
    wanted+="($1,$2) $colour "
    seen+="($1,$2) $(pixel "$png" "$1" "$2" 2>&1) "
    shift 2
  done
  expect "$what" "$wanted" "$seen"
}

# The target, then the keyboard with fresh settings started in the folder
# `run`, waited for until it is up and the target keeps the focus. Settings
# given as NAME=VALUE after the three are written before the start.
start_fresh() {
  local bin=$1 exe=$2 run=$3 value
  shift 3
  rm -rf "$run"
  mkdir -p "$run"
  wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
  for value in "$@"; do
    wine reg add "$settings_key" /v "${value%%=*}" /t REG_SZ /d "${value#*=}" /f >/dev/null
  done
  # The pointer away from the keyboard: hovering makes the key under it current.
  xdotool mousemove 1270 10
  start_program target "$bin/pelvok-e2e-target.exe" "${target_args[@]}"
  drive wait-target 30
  pushd "$run" >/dev/null
  start_program pelvok "$exe"
  popd >/dev/null
  drive wait-keyboard 30 : expect-focus
}

e2e_keyboard() {
  local bin=$1 exe=$2 run=$3
  # Docked at the bottom centre of the work area (the 1280 x 1024 screen
  # above its 30-pixel panel) at size 1, and the target keeps the focus.
  start_fresh "$bin" "$exe" "$run"
  local rect
  rect=$(drive print-rect)
  expect "docked at position 1" "keyboard 430 738 849 994" "$rect"

  # The first run wrote the defaults and made an empty dictionary in the
  # start folder.
  local dic=$run/diccionarios/default.dic dic_path
  dic_path="$(winepath -w "$run" 2>/dev/null | tr -d '\r')\\diccionarios\\default.dic"
  expect_settings "first run" KeyBoard 2 Zoom 1 Position 1 ruta_BD "$dic_path" nombre_BD default
  expect "empty dictionary at diccionarios/default.dic (words, pairs)" "0 0" \
    "$(sqlite3 "$dic" 'SELECT count(*) FROM palabras; SELECT count(*) FROM siguientes;' |
      paste -sd' ')"

  # The start key is row 0, column 4; one move down lands on suggestion
  # key 4, with the pointer following to its centre.
  drive send 20 E : expect-pointer 128 79

  # A sentence through the private messages: SHIFT gives a capital; '.'
  # brings its space and the next capital, ',' its space; the acute accent
  # key of this Spanish layout without dead keys types the accent on its own
  # before the e, in the target and in the keyboard's line alike (Wine
  # composes no dead key that is injected). "hola" was learned at its full stop,
  # so its prefix offers it on suggestion key 1, which types the rest.
  drive press Shift h o l a . q u '\xB4' e Space t a l , : expect-text 'Hola. Qu\xB4e tal, ' \
    : press h o : expect-text 'Hola. Qu\xB4e tal, ho' : press S1 \
    : expect-text 'Hola. Qu\xB4e tal, hola ' : expect-focus

  # A real click on the centre of '.' (row 3, column 12: x 385 to 413, y
  # 129 to 156): the space before it goes, the focus stays.
  local centre
  centre=$(drive print-key-centre .)
  expect "the centre of the key '.'" "centre 829 880" "$centre"
  xdotool mousemove 829 880 click 1
  drive expect-text 'Hola. Qu\xB4e tal, hola. ' : expect-focus

  # WM_USER+31 snaps the pointer from (300, 150) onto the centre of the key
  # under it, i. WM_USER+33 clears the keyboard's line, so the ',' after it
  # takes back no space. WM_USER+11 and +10 hide and show it, replying
  # whether it was visible.
  drive pointer 300 150 : send 31 : expect-pointer 304 142 \
    : send 33 : press , : expect-text 'Hola. Qu\xB4e tal, hola. , ' \
    : expect-reply 11 1 : expect-visible 0 : expect-reply 10 0 : expect-visible 1 : expect-focus

  # One keyboard at a time: started again while it runs hidden, the second
  # brings it back and ends by itself.
  drive expect-reply 11 1 : expect-visible 0
  pushd "$run" >/dev/null
  start_program second "$exe"
  popd >/dev/null
  wait_program second 400
  drive expect-visible 1 : expect-keyboards 1 : expect-focus

  # The picture at the docked place: the light blue background in the
  # corners, the gaps and the dead cell, the desktop just outside.
  xdotool mousemove 1270 10
  screenshot keyboard
  local png=$out/keyboard.png
  expect_pixels "$png" 156,207,255 "the keyboard's background at its docked place" \
    431 739 847 740 463 808 797 785 640 992 845 990
  expect_pixels "$png" 0,0,0 "the desktop around the keyboard" 428 900 851 900 640 736 640 996

  # Always on top: the target raised over the keyboard leaves it in view.
  drive expect-topmost : cover-keyboard : expect-focus
  xdotool mousemove 1270 10
  screenshot covered
  expect_pixels "$out/covered.png" 156,207,255 "the keyboard over the raised target" \
    431 739 847 740 463 808 797 785 640 992 845 990

  # While it runs, learning goes to a write-ahead log beside the dictionary.
  expect "while it runs the dictionary has its log" "yes" \
    "$([[ -f $dic-wal ]] && echo yes || echo no)"

  # Dock top right and one size up, then the power key stores the settings,
  # closes the dictionary and ends the program.
  drive press DockTopRight Magnifier
  rect=$(drive print-rect)
  expect "docked top right at size 2" "keyboard 814 1 1279 285" "$rect"
  drive press Power
  wait_program pelvok
  expect_settings "after the power key" KeyBoard 2 Zoom 2 Position 4 ruta_BD "$dic_path" \
    nombre_BD default
  # What the simulated desktop learns from the same keys: "Qu\xB4e", with its
  # accent typed alone, is no word; "tal" is learned at its comma; the second
  # "hola" counts once, at its suggestion key (the full stop after it ends no
  # new word); the lone ',' is no word.
  expect "the learned words" $'hola|hola|2 tal|tal|1' \
    "$(sqlite3 "$dic" 'SELECT * FROM palabras ORDER BY palabra;' | paste -sd' ')"
  expect "the learned pairs" $'.|hola|hola|1 tal|hola|hola|1' \
    "$(sqlite3 "$dic" 'SELECT * FROM siguientes ORDER BY palabra, siguiente;' | paste -sd' ')"
  expect "closed, the dictionary is one plain file" "delete no no" \
    "$(sqlite3 "$dic" 'PRAGMA journal_mode;') $([[ -e $dic-wal ]] && echo yes || echo no) $(
      [[ -e $dic-shm ]] && echo yes || echo no)"

  drive close-target
  wait_program target
  wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
}

# The promise on any keyboard layout: the same sentence typed by real clicks
# with the X layout "es" (with dead keys) and "us" (without ñ, ¿ or the
# accents), each keyboard started with fresh settings.
e2e_layouts() {
  local bin=$1 exe=$2 run=$3 layout
  # Each key of the sentence, by its name on the QWERTY letters page.
  # (The driver reads \xNN in its arguments as that byte.)
  local keys=(Shift h o l a Space c a n c i '\xB4' o n . '\xBF' q u '\xB4' e Space t a l ,
    s e '\xF1' o r '\xBF')
  local expected='Hola canci\xF3n. \xBFQu\xE9 tal, se\xF1or?'
  for layout in es us; do
    setxkbmap "$layout"
    start_fresh "$bin" "$exe" "$run"
    if [[ $layout == es ]]; then
      # Each move sets the pointer on its key, and the system tells the
      # keyboard that the pointer moved; the press follows the hovered key,
      # as on the simulated desktop. The moves go one at a time, as a
      # scanner sends them.
      local move
      for move in E E C G E; do drive send 20 "$move"; done
      drive send 20 W : expect-text e : press Backspace : expect-text ''
    fi
    # The centres of the keys, asked once, then one real click on each.
    local chain=() name centres
    for name in "${keys[@]}"; do chain+=(print-key-centre "$name" :); done
    centres=$(drive "${chain[@]:0:${#chain[@]}-1}" | sed -n 's/^centre //p')
    while read -r x y; do
      xdotool mousemove "$x" "$y" click 1
      sleep 0.05
    done <<<"$centres"
    drive expect-text "$expected" : expect-focus
    screenshot "layout-$layout"
    drive press Power
    wait_program pelvok
    drive close-target
    wait_program target
  done
  setxkbmap es nodeadkeys
  wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
}

# A screen of 150 %: the keyboard half as large again, drawn for it (its
# picture shows pixel for pixel, not enlarged), and real clicks at its keys
# type. `pictures` is the folder of the pictures the program was built with.
e2e_dpi() {
  local bin=$1 exe=$2 run=$3 pictures=$4
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
  start_fresh "$bin" "$exe" "$run"
  local rect
  rect=$(drive print-rect)
  expect "docked at position 1 at 150 %" "keyboard 325 610 953 994" "$rect"

  local chain=() name centres
  for name in h o l a; do chain+=(print-key-centre "$name" :); done
  centres=$(drive "${chain[@]:0:${#chain[@]}-1}" | sed -n 's/^centre //p')
  while read -r x y; do
    xdotool mousemove "$x" "$y" click 1
    sleep 0.05
  done <<<"$centres"
  drive expect-text hola : expect-focus
  xdotool mousemove 1270 10
  screenshot dpi-150

  # Row 5 (the docking keys, z to ç, up, menu) of the screen against the
  # lower-case picture of the 150 % set.
  local band=628x33+0+294 differing
  convert "$out/dpi-150.png" -crop 628x384+325+610 +repage -crop "$band" +repage \
    "$out/dpi-150-row5.png"
  convert "$pictures/1161.png" -crop "$band" +repage "$out/picture-150-row5.png"
  differing=$(compare -metric AE "$out/dpi-150-row5.png" "$out/picture-150-row5.png" null: 2>&1 ||
    true)
  expect "the 150 % picture on the screen, pixel for pixel" 0 "$differing"

  drive press Power
  wait_program pelvok
  drive close-target
  wait_program target
  wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
  wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
}

# Dwell selection: the pointer brought onto a key and left there types it;
# the bar on the key shows the rest growing.
e2e_dwell() {
  local bin=$1 exe=$2 run=$3 centre
  start_fresh "$bin" "$exe" "$run" DwellTime=1000
  for name in h o; do
    centre=$(drive print-key-centre "$name" | sed -n 's/^centre //p')
    xdotool mousemove $centre
    sleep 0.5
    [[ $name == o ]] && screenshot dwell-progress
    sleep 1
  done
  drive expect-text ho : expect-focus
  # The key stays pressed once: resting on longer types nothing more.
  sleep 1.5
  drive expect-text ho
  xdotool mousemove 1270 10
  drive press Power
  wait_program pelvok
  expect "the dwell time kept" 1000 "$(setting DwellTime)"
  drive close-target
  wait_program target
  wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
}

# A password field: the keys type into it, and nothing is learned.
e2e_password() {
  local bin=$1 exe=$2 run=$3
  target_args=(password)
  start_fresh "$bin" "$exe" "$run"
  target_args=()
  drive press h o l a Space c a s a . : expect-focus
  drive press Power
  wait_program pelvok
  expect "nothing learned in a password field (words, pairs)" "0 0" \
    "$(sqlite3 "$run/diccionarios/default.dic" \
      'SELECT count(*) FROM palabras; SELECT count(*) FROM siguientes;' | paste -sd' ')"
  drive close-target
  wait_program target
  wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
}

# Switch scanning. One switch, F7, the frame stepping every 3 s by itself.
# Then two switches: X (virtual key 0x58) moves the frame, F7 presses, both
# sent by the real keyboard to the target in front, which never sees them;
# a click anywhere on the keyboard is the press too. Closed, the keyboard
# gives X back to the target.
e2e_scanning() {
  local bin=$1 exe=$2 run=$3
  start_fresh "$bin" "$exe" "$run" Scanning=1 ScanInterval=3000 SwitchKey=118
  # The frame starts on the row of q (the letters first): picked at once,
  # it rests 3 s on Caps Lock, then on q, where the press halfway falls.
  xdotool key F7
  sleep 4.5
  xdotool key F7
  drive expect-text q : expect-focus
  drive close
  wait_program pelvok
  drive close-target
  wait_program target

  start_fresh "$bin" "$exe" "$run" Scanning=2 SwitchKey=118 MoveKey=88
  # The frame starts on row 3, Caps Lock to '.' (the letters first): one
  # frame round the whole row (x 3 to 413, y 129 to 156 in the window at
  # 430, 738), its outer ring one pixel outside.
  sleep 0.5
  screenshot scanning
  expect_pixels "$out/scanning.png" 0,0,255 "the scanning frame round the row q to ." \
    432 866 640 866 844 866 432 895 640 895 844 895 432 880 844 880
  # Picked, one move from Caps Lock to q, pressed.
  xdotool key F7 x F7
  drive expect-text q : expect-focus
  # Back at row 3: a move to row 4, a click on the text line picks it, a
  # move from SHIFT to a and a click on the far corner types it.
  xdotool key x
  xdotool mousemove 440 745 click 1
  xdotool key x
  xdotool mousemove 845 990 click 1
  drive expect-text qa : expect-focus
  drive close
  wait_program pelvok
  xdotool mousemove 1270 10
  xdotool key x
  drive expect-text qax
  drive close-target
  wait_program target
  wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
}

