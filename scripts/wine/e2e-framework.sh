# The end-to-end scenario of the stand-in keyboard (tests/e2e/StandInDialog):
# the framework and the Win32 platform under Wine. Sourced by
# scripts/wine/e2e.sh, which has started the display and Wine and defines
# drive, start_program and screenshot. Stand-in keys: h o l a ñ é A €, their
# centres at x = 40 + 48 k, y = 197 in the window.

e2e_framework() {
  local bin=$1 kb_x kb_y
  # The pointer away from the keyboard: hovering makes the key under it current.
  xdotool mousemove 1270 10
  start_program target "$bin/pelvok-e2e-target.exe"
  drive wait-target 30
  start_program framework-check "$bin/pelvok-framework-check.exe"
  # Started without taking the focus; docked at the bottom centre of the
  # 1280 x 1024 screen.
  drive wait-keyboard 30 : expect-focus : expect-title _
  read -r _ kb_x kb_y _ < <(drive print-rect | tr -d '\r')
  [[ $kb_x == 430 && $kb_y == 738 ]] || { echo "FAIL: keyboard at $kb_x,$kb_y, not 430,738"; return 1; }

  # WM_USER+20: moves with the pointer following, and key presses: a plain
  # key, ñ (a key of the Spanish layout), é (no key: a Unicode keystroke), a
  # shifted letter and € (Windows-1252 0x80 as a Unicode keystroke).
  drive send 20 W : expect-text h : expect-title h_
  drive send 20 G : send 20 G : send 20 G : send 20 G : expect-pointer 232 197 \
    : send 20 W : expect-text 'h\xF1'
  drive send 20 G : send 20 W : send 20 G : send 20 W : send 20 G : send 20 W \
    : expect-text 'h\xF1\xE9A\x80' : expect-focus
  # At the last key a move right changes nothing; WM_USER+31 snaps the
  # pointer onto the key under it; WM_USER+33 clears the line.
  drive send 20 G : expect-pointer 376 197 : pointer 30 190 : send 31 : expect-pointer 40 197 \
    : send 33 : expect-title _
  # WM_USER+11 and +10 hide and show, replying whether it was visible.
  drive expect-reply 11 1 : expect-visible 0 : expect-reply 11 0 : expect-reply 10 0 \
    : expect-visible 1 : expect-reply 10 1 : expect-focus

  # A real click on the key o types it and leaves the focus where it was.
  xdotool mousemove $((kb_x + 88)) $((kb_y + 197)) click 1
  drive expect-text 'h\xF1\xE9A\x80o' : expect-title o_ : expect-focus
  screenshot framework-check

  # A right click on the key h opens the size menu; its first item comes
  # back as the chosen command; a second menu is dismissed unchosen.
  xdotool mousemove $((kb_x + 40)) $((kb_y + 197)) click 3
  drive click-first-menu-item : expect-title 'o[menu 32774]_' : expect-focus
  xdotool click 3
  drive dismiss-menu : expect-title 'o[menu 32774][menu 0]_' : expect-focus

  # The on-screen open dialog, and closing it by its handle.
  drive post 20 F : check-file-dialog
  screenshot file-dialog
  drive send 20 X : expect-no-file-dialog : expect-title 'o[menu 32774][menu 0][no file]_'

  # WM_CLOSE ends the dialog and the program.
  drive close : close-target
  wait_program framework-check
  wait_program target
}
