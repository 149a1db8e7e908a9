#!/usr/bin/env bash
# Starts Dustrel in the test prefix's Wine desktop, drives it with the keyboard
# and the mouse as a user would, and reads back what it shows after each step.
# Leaves screenshots of the window, its menu and its About box.
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

"$WINE64" 'C:\Program Files\Dustrel\Dustrel.exe' >/dev/null 2>&1 &
pid=$!
for _ in $(seq 1 150); do probe | grep '^lines:' >/dev/null && break; sleep 0.2; done

expect "the first scan lists the root's junk twice" "line: C:\\$stamp-a.log"
[ "$(probe | grep -cxF "line: C:\\$stamp-a.log")" = 2 ] && echo "ok: listed twice" ||
  { echo "FAILED: not listed twice"; failures=$((failures + 1)); }
expect "the title is the standard scan's" "title: Standard - Dustrel .NET"
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
sleep 1
import -window root "$shots/about-box.png"
xdotool key Escape
sleep 0.5

echo "screenshots: $shots"
[ "$failures" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$failures"
