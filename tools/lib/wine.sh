# Shared by the tools: Wine environment, prefixes and the virtual display.
# Sourced, not run.

WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

# Everything Wine writes stays inside the build folder: the prefix, HOME (Wine
# links the user's shell folders to it) and the Trash the Recycle Bin uses.
wine_env() {  # build-dir prefix-dir
  export WINEPREFIX="$2"
  export HOME="$1/home"
  export XDG_DATA_HOME="$HOME/.local/share"
  export XDG_CONFIG_HOME="$HOME/.config"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
  mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
  # A server left from an interrupted run would keep the prefix's settings
  # from being written and make every wait for it hang.
  if [ -d "$WINEPREFIX" ]; then "$WINESERVER" -k 2>/dev/null || true; fi
  return 0
}

# Creates $WINEPREFIX once, then on every call takes away every drive letter
# but c:, so nothing outside the prefix is reachable through a drive.
prepare_prefix() {
  if [ ! -f "$WINEPREFIX/.dustrel-prefix" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$WINE64" wineboot -i >"$WINEPREFIX.log" 2>&1 || { cat "$WINEPREFIX.log" >&2; return 1; }
    "$WINESERVER" -w
    touch "$WINEPREFIX/.dustrel-prefix"
  fi
  # This Wine looks for its own fonts beside the system's, not where Debian
  # puts them: without them caption buttons show letters (no Marlett) and
  # dialogs get another font than the one they ask for.
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  local link
  for link in "$WINEPREFIX"/dosdevices/?:; do
    [ "$(basename "$link")" = "c:" ] || rm -f "$link"
  done
  cjk_font_replacements
}

# Chinese text shows as boxes unless the Windows Chinese font names lead to
# WenQuanYi. Wine links Tahoma and friends to SimSun, PMingLiU and the like by
# family name, and under a Chinese LANG it calls WenQuanYi by its Chinese
# name, so a font substitute to the English name finds nothing there (and
# hides SimSun: earlier prefixes had one, which goes). A replacement makes
# each name a family of its own under every LANG. Wine rewrites SystemLink
# and some substitutes whenever the code page changes, never replacements.
CJK_FONT_NAMES=(SimSun NSimSun SimHei PMingLiU MingLiU "Microsoft YaHei" "Microsoft YaHei UI"
  "Microsoft JhengHei" "Microsoft JhengHei UI")
cjk_font_replacements() {
  local name missing=""
  for name in "${CJK_FONT_NAMES[@]}"; do
    grep -qxF "\"$name\"=\"WenQuanYi Micro Hei\"" "$WINEPREFIX/user.reg" 2>/dev/null || missing=1
  done
  grep -q '^"SimSun"="WenQuanYi Micro Hei"' "$WINEPREFIX/system.reg" && missing=1
  [ -n "$missing" ] || return 0
  local file="$WINEPREFIX/drive_c/windows/temp/dustrel-fonts.reg"
  {
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n'
    for name in "${CJK_FONT_NAMES[@]}"; do printf '"%s"="WenQuanYi Micro Hei"\n' "$name"; done
    printf '\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\n"SimSun"=-\n'
  } >"$file"
  "$WINE64" regedit /S 'C:\windows\temp\dustrel-fonts.reg' >/dev/null 2>&1
  rm -f "$file"
  "$WINESERVER" -w
}

# Every window of the prefix opens in one Wine desktop window: no window
# manager is involved, so destroying a shown window costs no wait.
use_virtual_desktop() {
  if [ ! -f "$WINEPREFIX/.dustrel-desktop" ]; then
    "$WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.dustrel-desktop"
  fi
}

# A prefix like the current one whose screen is scaled to `dpi` (144 is
# 150%, 192 is 200%), made beside it, with a desktop as much larger as a
# screen at that scale is. Wine reads LogPixels when it starts.
prepare_scaled_prefix() {  # prefix-dir dpi
  local main="$WINEPREFIX"
  export WINEPREFIX="$1"
  prepare_prefix
  use_virtual_desktop
  if [ ! -f "$WINEPREFIX/.dustrel-dpi-$2" ]; then
    "$WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default \
      /d "$((1024 * $2 / 96))x$((768 * $2 / 96))" /f >/dev/null 2>&1
    "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null 2>&1
    "$WINE64" reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null 2>&1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.dustrel-dpi-$2"
  fi
  export WINEPREFIX="$main"
}

# Wine reports Windows XP to the named executables of the prefix, so code
# that depends on the Windows version is also tested as XP runs it.
run_as_windows_xp() {  # executable file name...
  local exe added=""
  for exe in "$@"; do
    grep -qF "[Software\\\\Wine\\\\AppDefaults\\\\$exe]" "$WINEPREFIX/user.reg" 2>/dev/null && continue
    "$WINE64" reg add "HKCU\\Software\\Wine\\AppDefaults\\$exe" /v Version /d winxp /f >/dev/null 2>&1
    added=1
  done
  # Wine started without a display must be gone before the tests start it.
  [ -z "$added" ] || "$WINESERVER" -w
}

# Starts Xvfb when there is no display; sets DISPLAY and XVFB_PID.
# Xvfb takes the first display number free on the whole machine and says
# which: one chosen here from the lock files in /tmp may be held by a server
# whose files lie elsewhere (another root or container on this machine).
XVFB_PID=""
start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local said tries=0
  said=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$said" >/dev/null 2>&1 &
  XVFB_PID=$!
  until grep -q '^[0-9][0-9]*$' "$said"; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
      rm -f "$said"
      echo "Xvfb did not start" >&2
      return 1
    fi
    sleep 0.1
  done
  export DISPLAY=":$(head -n 1 "$said")"
  rm -f "$said"
}

stop_display() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  XVFB_PID=""
}

# The build, configured for the mingw-w64 cross toolchain.
build_project() {  # source-dir build-dir [target...]
  local src="$1" build="$2" targets=()
  shift 2
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake -S "$src" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j "$(nproc)" "${targets[@]}"
}
