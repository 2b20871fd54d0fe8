# The installer, out/pelvok-setup.exe, under Wine: installed silently, the
# keyboard started from its Start-menu entry types into the target and
# learns, then uninstalled silently as Windows would (QuietUninstallString),
# first keeping the learned dictionary, then, after a second install with
# the start-with-Windows entry, removing it on request. Sourced by
# scripts/wine/e2e.sh (drive, expect, wait_program, pids, screenshot) after
# scripts/wine/e2e-keyboard.sh (setting, settings_key).

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelvok'

# The data of one registry value, or nothing when it is missing.
reg_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}

# Runs the installer or the uninstaller without letting Wine add menu entries
# to this machine's desktop.
run_setup() {
  WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d" wine "$@" >>"$out/installer.log" 2>&1
}

# The files under a folder, relative to it, on one line.
files_under() {
  [[ -d $1 ]] || { echo "(no folder)"; return; }
  (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | paste -sd' ')
}

# Makes a file read-only, or writable again (root writes to a file without
# write permission; not to an immutable one).
read_only() { # FILE on|off
  if ((EUID != 0)); then
    chmod "$([[ $2 == on ]] && echo a-w || echo u+w)" "$1"
  else
    chattr "$([[ $2 == on ]] && echo +i || echo -i)" "$1"
  fi
}

# The target, then the installed keyboard from one of its shortcuts, from
# another current folder, waited for until it is up and the target keeps
# the focus.
start_from_shortcut() {
  xdotool mousemove 1270 10
  start_program target "$bin/pelvok-e2e-target.exe"
  drive wait-target 30
  wine start /wait /unix "$1" >"$out/pelvok-installed.log" 2>&1 &
  pids[pelvok]=$!
  drive wait-keyboard 30 : expect-focus
}

# Types a new word, ends the keyboard with its power key, closes the target.
type_word_and_end() {
  drive press Shift p e l v o k . : expect-text 'Pelvok. ' : expect-focus
  screenshot "$1"
  drive press Power
  wait_program pelvok
  drive close-target
  wait_program target
}

# Called before Wine starts: wineboot starts what the Startup folder holds,
# and a keyboard left there by a run that failed would answer for the
# keyboards of this run.
e2e_installer_leftovers() {
  rm -f "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/[Ss]tart[Uu]p/Pelvok.lnk
}

# Uninstalls through the registry's QuietUninstallString plus the options: the
# uninstaller copies itself away and returns at once, so its end is waited
# for as the removal of the uninstall key.
quiet_uninstall() {
  local command uninstaller tries
  command=$(reg_value "$uninstall_key" QuietUninstallString)
  uninstaller=$(sed -n 's/^"\([^"]*\)" \/S$/\1/p' <<<"$command")
  expect "the uninstall command names the uninstaller, silent" \
    "\"$windows_dir\\desinstalar.exe\" /S" "$command"
  run_setup "$uninstaller" /S "$@"
  for tries in $(seq 150); do
    wine reg query "$uninstall_key" >/dev/null 2>&1 || return 0
    sleep 0.2
  done
  echo "wine-e2e: FAILED: the uninstaller did not end within 30 s" >&2
  screenshot failure
  exit 1
}

e2e_installer() {
  local bin=$1 cross=$2 setup=$root/out/pelvok-setup.exe
  local start=$SECONDS
  if ! bash scripts/build-installer.sh "$cross" >"$out/build-installer.log" 2>&1; then
    tail -n 20 "$out/build-installer.log" >&2
    echo "wine-e2e: FAILED: the installer did not build" >&2
    exit 1
  fi
  echo "  installer built in $((SECONDS - start)) s" >&2

  local local_appdata roaming windows_dir
  local_appdata=$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
  roaming=$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')
  windows_dir="$local_appdata\\Programs\\Pelvok"
  local dir menu startup
  dir=$(winepath -u "$windows_dir" 2>/dev/null)
  menu=$(winepath -u "$roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Pelvok.lnk" 2>/dev/null)
  startup=$(winepath -u "$roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup\\Pelvok.lnk" 2>/dev/null)
  # What an earlier run that failed left behind.
  read_only "$dir/diccionarios/default.dic" off 2>/dev/null || true
  rm -rf "$dir" "$(winepath -u "$local_appdata\\Pelvok" 2>/dev/null)" "$menu" "$startup"
  wine reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
  wine reg delete "$settings_key" /f >/dev/null 2>&1 || true

  # Installed for this user without questions.
  local status=0
  run_setup "$setup" /S || status=$?
  expect "the silent install ends well" 0 "$status"
  expect "the installed files" "README.md desinstalar.exe diccionarios/default.dic pelvok.exe" \
    "$(files_under "$dir")"
  expect "the installed program and dictionary are the release's" "same same" \
    "$(cmp -s "$dir/pelvok.exe" "$root/out/release/pelvok.exe" && echo same) $(
      cmp -s "$dir/diccionarios/default.dic" "$root/out/release/diccionarios/default.dic" && echo same)"
  expect "Start-menu entry, no start-with-Windows entry" "yes no" \
    "$([[ -f $menu ]] && echo yes || echo no) $([[ -f $startup ]] && echo yes || echo no)"
  expect "the uninstall entry (name, folder, command)" \
    "Pelvok|$windows_dir|\"$windows_dir\\desinstalar.exe\"" \
    "$(reg_value "$uninstall_key" DisplayName)|$(reg_value "$uninstall_key" InstallLocation)|$(
      reg_value "$uninstall_key" UninstallString)"

  # The Start-menu entry starts the keyboard in the program folder: its
  # dictionary is the installed starter one.
  start_from_shortcut "$menu"
  expect "the dictionary in use" "$windows_dir\\diccionarios\\default.dic" "$(setting ruta_BD)"
  type_word_and_end installed
  local dic=$dir/diccionarios/default.dic learned
  learned="SELECT repPal FROM palabras WHERE palabra = 'pelvok'; SELECT count(*) > 10000 FROM palabras;"
  expect "the new word learned into the starter dictionary (count, starter kept)" "1 1" \
    "$(sqlite3 "$dic" "$learned" | paste -sd' ')"

  # Uninstalled: the program and its entries go, the learned dictionary and
  # the settings stay.
  quiet_uninstall
  expect "what the uninstall leaves" "diccionarios/default.dic" "$(files_under "$dir")"
  expect "entries after the uninstall (Start menu, uninstall key)" "no no" \
    "$([[ -f $menu ]] && echo yes || echo no) $(
      wine reg query "$uninstall_key" >/dev/null 2>&1 && echo yes || echo no)"
  expect "the settings kept" "$windows_dir\\diccionarios\\default.dic" "$(setting ruta_BD)"

  # Installed again, starting with Windows, over the learned dictionary made
  # read-only: it is not replaced by the starter one, and the keyboard starts
  # with a writable copy in the user's own folder. (Where a file cannot be
  # made read-only, the program folder stays the start folder.)
  local start_windows="$local_appdata\\Pelvok" start_dir
  if ! read_only "$dic" on 2>/dev/null; then
    echo "  (this machine cannot make a file read-only: the copy elsewhere is not checked)" >&2
    start_windows=$windows_dir
  fi
  status=0
  run_setup "$setup" /S /AUTOSTART || status=$?
  read_only "$dic" off 2>/dev/null || true
  expect "the second silent install ends well" 0 "$status"
  start_dir=$(winepath -u "$start_windows" 2>/dev/null)
  expect "the learned dictionary kept over the install, and in the start folder" "1 1 1 1" \
    "$(sqlite3 "$dic" "$learned" | paste -sd' ') $(
      sqlite3 "$start_dir/diccionarios/default.dic" "$learned" | paste -sd' ')"
  start_from_shortcut "$startup"
  expect "the dictionary in use" "$start_windows\\diccionarios\\default.dic" "$(setting ruta_BD)"
  type_word_and_end installed-startup
  expect "the word learned again" 2 "$(sqlite3 "$start_dir/diccionarios/default.dic" \
    "SELECT repPal FROM palabras WHERE palabra = 'pelvok'")"

  # Uninstalled on request with the dictionary: nothing of Pelvok stays.
  quiet_uninstall /REMOVEDICTIONARY
  expect "what the uninstall with the dictionary leaves (folders, entries, settings)" \
    "no no no no no" "$(for f in "$dir" "$start_dir" "$menu" "$startup"; do
        [[ -e $f ]] && echo yes || echo no
      done | paste -sd' ') $(wine reg query "$settings_key" >/dev/null 2>&1 && echo yes || echo no)"
  echo "  installer built and checked in $((SECONDS - start)) s" >&2
}
