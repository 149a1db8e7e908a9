#!/usr/bin/env bash
# The installer in a Wine prefix of its own, as a fleet tool would run it:
# silent install, the files, the shortcut, the Installed Apps entry and the
# console program from the installed folder; a later release over it (one
# entry); a silent uninstall that leaves nothing of the package behind.
#   install-test.sh SOURCE-DIR BUILD-DIR PROGRAMS-DIR VERSION NEWER-PROGRAMS-DIR NEWER-VERSION
set -uo pipefail
src=$1 build=$2 programs=$3 version=$4 newer=$5 newer_version=$6
if ! command -v wixl >/dev/null; then
  echo "SKIPPED: wixl is not installed (tools/setup installs it); the installer was not tested"
  exit 0
fi
. "$src/tools/lib/wine.sh"
work="$build/package-test"
rm -rf "$work"
mkdir -p "$work"
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

"$src/tools/package" --programs "$programs" --version "$version" --out "$work/dist" >/dev/null || { echo "FAILED: tools/package"; exit 1; }
"$src/tools/package" --programs "$newer" --version "$newer_version" --out "$work/dist" >/dev/null || { echo "FAILED: tools/package (newer)"; exit 1; }

# A prefix made afresh, so whatever is left afterwards was left by the package.
wine_env "$build" "$build/wine/package"
rm -rf "$WINEPREFIX"
prepare_prefix || exit 1
trap '"$WINESERVER" -k 2>/dev/null' EXIT
mkdir -p "$WINEPREFIX/drive_c/packages"
cp "$work/dist/"*.msi "$WINEPREFIX/drive_c/packages/"
installed="$WINEPREFIX/drive_c/Program Files/Dustrel"
# Windows puts a per-machine shortcut into the Start menu of all users; Wine's
# installer puts it into the installing user's (its ProgramMenuFolder does not
# follow ALLUSERS).
shortcuts=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Dustrel .NET.lnk"
  "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Dustrel .NET.lnk")
shortcut() { local file; for file in "${shortcuts[@]}"; do [ -f "$file" ] && echo "$file"; done; }
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

msiexec() { "$WINE64" msiexec "$@" </dev/null >>"$work/msiexec.log" 2>&1; }
# Every key of the system registry, once the server has written it out.
system_keys() { "$WINESERVER" -w; grep '^\[' "$WINEPREFIX/system.reg" | sed 's/\] [0-9]*$/]/' | sort; }
# The Installed Apps entries named Dustrel .NET, one key a line.
entries() {
  "$WINE64" reg query "$uninstall_key" /s 2>/dev/null | tr -d '\r' |
    awk '/^HKEY_/ {key = $0} /^ +DisplayName +REG_SZ +Dustrel \.NET$/ {print key}'
}
value() {  # key name
  "$WINE64" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v name="$2" '$1 == name {$1 = ""; $2 = ""; sub(/^ +/, ""); print}'
}

# A product code as the installer's registry writes it: each part of the GUID
# reversed, the last two by byte.
packed_code() {  # {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
  local code=${1//[\{\}-]/} out="" i
  rev_part() { echo "$1" | rev; }
  out+=$(rev_part "${code:0:8}")$(rev_part "${code:8:4}")$(rev_part "${code:12:4}")
  for i in 16 18 20 22 24 26 28 30; do out+=$(rev_part "${code:$i:2}"); done
  echo "$out"
}

system_keys >"$work/keys-before"
msiexec /i "C:\\packages\\Dustrel-$version-x64.msi" /qn || fail "silent install of $version"
for program in Dustrel.exe DustrelCmd.exe; do
  cmp -s "$installed/$program" "$programs/$program" || fail "$program is not installed as built"
done
link=$(shortcut)
[ -n "$link" ] || fail "no Start-menu shortcut"
[ -n "$link" ] && { grep -aq 'Dustrel\\Dustrel.exe' "$link" || fail "the shortcut does not lead to Dustrel.exe"; }
mapfile -t found < <(entries)
if [ ${#found[@]} -ne 1 ]; then
  fail "${#found[@]} Installed Apps entries after the first install"
else
  key=${found[0]}
  [ "$(value "$key" Publisher)" = "The Dustrel .NET developers" ] || fail "publisher: $(value "$key" Publisher)"
  [ "$(value "$key" DisplayVersion)" = "$version" ] || fail "version: $(value "$key" DisplayVersion)"
  [[ "$(value "$key" UninstallString)" == *[Mm]si[Ee]xec*/X* ]] || fail "uninstall command: $(value "$key" UninstallString)"
  [ "$(value "$key" Size)" -gt 1000 ] 2>/dev/null || fail "size: $(value "$key" Size) kilobytes"
  # Installed Apps takes the package's icon from the installer's own record of the product.
  icon=$(value "HKLM\\Software\\Classes\\Installer\\Products\\$(packed_code "${key##*\\}")" ProductIcon)
  icon_file="$WINEPREFIX/drive_c/$(printf '%s' "${icon#C:\\}" | tr '\\' /)"
  [[ "$icon" == *Dustrel.ico ]] && [ -f "$icon_file" ] || fail "icon: $icon"
fi
usage=$(cd "$installed" && "$WINE64" 'C:\Program Files\Dustrel\DustrelCmd.exe' '/?' </dev/null 2>&1)
status=$?
[ $status -eq 0 ] && [[ "$usage" == *"Usage: DustrelCmd"* ]] || fail "DustrelCmd /? from the installed folder: status $status: $usage"

msiexec /i "C:\\packages\\Dustrel-$newer_version-x64.msi" /qn || fail "silent install of $newer_version over $version"
mapfile -t found < <(entries)
[ ${#found[@]} -eq 1 ] || fail "${#found[@]} Installed Apps entries after the upgrade"
[ ${#found[@]} -eq 1 ] && { [ "$(value "${found[0]}" DisplayVersion)" = "$newer_version" ] || fail "the entry after the upgrade is not $newer_version"; }
cmp -s "$installed/Dustrel.exe" "$newer/Dustrel.exe" || fail "the upgrade did not replace Dustrel.exe"

msiexec /x "C:\\packages\\Dustrel-$newer_version-x64.msi" /qn || fail "silent uninstall"
[ ! -e "$installed" ] || fail "Program Files\\Dustrel is left: $(ls -A "$installed" 2>/dev/null | tr '\n' ' ')"
[ -z "$(shortcut)" ] || fail "the shortcut is left"
[ -z "$(entries)" ] || fail "an Installed Apps entry is left"
left=$(find "$WINEPREFIX/drive_c" -path "$WINEPREFIX/drive_c/packages" -prune -o -iname '*dustrel*' -print)
[ -z "$left" ] || fail "files left: $left"
system_keys >"$work/keys-after"
# The installer's own lists of products stay once made; nothing in them may
# name the package.
added=$(comm -13 "$work/keys-before" "$work/keys-after" |
  grep -Ev 'Installer(\\\\UserData\\\\S-1-5-18)?\\\\(Features|Products|UpgradeCodes|Components)\]$')
[ -z "$added" ] || fail "registry keys left: $added"
grep -qi dustrel "$WINEPREFIX/system.reg" && fail "the registry still names Dustrel: $(grep -i dustrel "$WINEPREFIX/system.reg")"

if [ $failures -ne 0 ]; then
  echo "--- msiexec:"; cat "$work/msiexec.log"
  exit 1
fi
echo "installed $version, upgraded to $newer_version, uninstalled: nothing left"
