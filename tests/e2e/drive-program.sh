#!/usr/bin/env bash
# Starts Dustrel in the test prefix's Wine desktop, drives it with the keyboard
# and the mouse as a user would, and reads back what it shows after each step.
# Leaves screenshots of the window, each of its menus, its About box and the
# Advance dialog's context menu.
set -euo pipefail
program="$1" probe="$2" shots="$3"
WINE64=/usr/lib/wine/wine64
failures=0

c="$WINEPREFIX/drive_c"
mkdir -p "$c/Program Files/Dustrel" "$shots"
cp "$program" "$c/Program Files/Dustrel/Dustrel.exe"
cp "$probe" "$c/Program Files/Dustrel/probe.exe"
stamp="e2e-$$"
junk=("$c/$stamp-a.log" "$c/$stamp-b.tmp")
for f in "${junk[@]}"; do printf 'junk\n' >"$f"; done

cleanup() {
  rm -f "${junk[@]}"
  "$WINE64" 'C:\Program Files\Dustrel\probe.exe' >/dev/null 2>&1 || true
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
}
trap cleanup EXIT

probe() { "$WINE64" 'C:\Program Files\Dustrel\probe.exe' 2>/dev/null | tr -d '\r'; }
# Waits up to ten seconds for the program to show a line, as a user would.
expect() {  # description, line the probe output must contain
  local tries
  for tries in $(seq 1 50); do
    if probe | grep -xF -- "$2" >/dev/null; then
      echo "ok: $1"
      return 0
    fi
    sleep 0.2
  done
  echo "FAILED: $1 (wanted '$2')"
  probe | grep -v '^line:' | sed 's/^/    /'
  failures=$((failures + 1))
}
desktop() { xdotool search --name 'Wine desktop' | head -n 1; }
# Waits up to five seconds for a condition only X shows, such as a menu.
await() {  # description, command...
  local what="$1" tries
  shift
  for tries in $(seq 1 50); do
    if "$@"; then
      echo "ok: $what"
      return 0
    fi
    sleep 0.1
  done
  echo "FAILED: $what"
  failures=$((failures + 1))
}
# Wine gives every open menu an X window of the program's with no title.
menu_windows() {
  local w
  for w in $(xdotool search --onlyvisible --class dustrel 2>/dev/null); do
    [ -n "$(xdotool getwindowname "$w" 2>/dev/null)" ] || echo "$w"
  done
}
menu_open() { [ -n "$(menu_windows)" ]; }
menu_closed() { [ -z "$(menu_windows)" ]; }
titled() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
untitled() { ! titled "$1"; }
shot() { sleep 0.5; import -window root "$shots/$1"; }
# Clicks are placed in the main window, wherever it was left last time.
open_bar_menu() {  # menu name, x of the name in the menu bar
  xdotool mousemove --window "$main" "$2" 34 click 1 >/dev/null 2>&1 || true
  await "a click on $1 in the menu bar opens its menu" menu_open
}
close_menu() {  # menu name
  xdotool key Escape
  await "Escape closes the $1 menu" menu_closed
  # The first Escape leaves the menu bar selected; the second leaves it.
  xdotool key Escape
  sleep 0.2
}

"$WINE64" 'C:\Program Files\Dustrel\Dustrel.exe' >/dev/null 2>&1 &
pid=$!
for _ in $(seq 1 150); do probe | grep '^lines:' >/dev/null && break; sleep 0.2; done

expect "the first scan lists the root's junk twice" "line: C:\\$stamp-a.log"
[ "$(probe | grep -cxF "line: C:\\$stamp-a.log")" = 2 ] && echo "ok: listed twice" ||
  { echo "FAILED: not listed twice"; failures=$((failures + 1)); }
expect "the title is the standard scan's" "title: Standard - Dustrel .NET"
main=$(xdotool search --onlyvisible --name '^Standard - Dustrel \.NET$' | head -n 1 || true)
lines=$(probe | sed -n 's/^lines: //p')
expect "the status counts the lines" "status: 0 / $lines selected"

win=$(desktop)
xdotool mousemove --window "$win" 450 108 click 1 >/dev/null 2>&1 || true
xdotool key ctrl+a
expect "Ctrl+A selects every line" "status: $lines / $lines selected"
xdotool key ctrl+u
expect "Ctrl+U deselects them" "status: 0 / $lines selected"
rm -f "${junk[1]}"
xdotool key F5
expect "F5 scans again without the removed file" "lines: $((lines - 2))"

xdotool key alt+v
sleep 0.5
import -window root "$shots/view-menu.png"
xdotool key t
expect "View, Toolbar hides the toolbar" "toolbar: hidden"
xdotool key alt+v t
expect "and shows it again" "toolbar: shown"
sleep 0.5
import -window root "$shots/main-window.png"

xdotool key alt+h a
await "Alt+H, A opens the About box" titled '^About Dustrel \.NET$'
sleep 1
import -window root "$shots/about-box.png"
xdotool key Escape
await "Escape closes the About box" untitled '^About Dustrel \.NET$'

for entry in File:17 Edit:58 View:101 Options:153 Help:204; do
  name=${entry%%:*}
  open_bar_menu "$name" "${entry#*:}"
  shot "menu-$(echo "$name" | tr '[:upper:]' '[:lower:]').png"
  close_menu "$name"
done

xdotool key alt+space
await "Alt+Space opens the system menu" menu_open
shot menu-system.png
close_menu system

# With nothing selected, Unselect All is grayed; the pointer rests on it.
# The status line shows the prompt of the item the menu has under the mouse.
expect "nothing is selected" "selected: 0"
open_bar_menu Edit 58
popup=$(menu_windows | head -n 1)
[ -n "$popup" ] && xdotool mousemove --window "$popup" 56 40 sleep 0.2 mousemove --window "$popup" 58 40 || true
expect "the pointer rests on the grayed Unselect All" "status: Unselect the entire document"
shot menu-disabled-hover.png
close_menu Edit

# Last: the cleaner retitles the window and fills the list with the prefix's
# temporary folders. Nothing in the dialog but its context menu is touched.
xdotool key ctrl+h
await "Ctrl+H opens the Advance dialog" titled '^Advance - Dustrel \.NET$'
expect "the dialog is the program's top window" "title: Advance - Dustrel .NET"
advance=$(xdotool search --onlyvisible --name '^Advance - Dustrel \.NET$' | head -n 1 || true)
xdotool mousemove --window "$advance" 30 185 click 3 >/dev/null 2>&1 || true
await "a right click in the dialog opens its context menu" menu_open
shot advance-context-menu.png
xdotool key Escape
await "Escape closes the context menu" menu_closed
titled '^Advance - Dustrel \.NET$' && echo "ok: the dialog stays open" ||
  { echo "FAILED: the dialog closed with its menu"; failures=$((failures + 1)); }
xdotool key Escape
await "Escape closes the Advance dialog" untitled '^Advance - Dustrel \.NET$'
expect "the main window is back, retitled" "title: Offline Temp - Dustrel .NET"

echo "screenshots: $shots"
[ "$failures" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$failures"
