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
  # Chinese names in Tahoma text show as boxes under an English LANG: Wine
  # links Tahoma to SimSun and friends, none of which is here. Mapping SimSun
  # to WenQuanYi makes Wine link Tahoma to it, so Latin text stays Tahoma.
  # Wine rewrites Tahoma's own SystemLink value whenever LANG changes, but
  # leaves this substitute alone; a prefix that lacks it gets it here.
  if ! grep -q '^"SimSun"="WenQuanYi Micro Hei"' "$WINEPREFIX/system.reg"; then
    "$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
      /v SimSun /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
    "$WINESERVER" -w
  fi
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
