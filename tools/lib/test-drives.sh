# The test prefix's drives, made afresh for every run (sourced, not run):
#   d:  a fixed drive of its own
#   e:  a removable drive (the type comes from Wine's drive settings)
#   a:, b:, f: to y:  one shared folder, so the drive strings outgrow 100
#       characters; Wine reports a: and b: as removable, the rest as fixed.
make_test_drives() {  # folder
  local root="$1" letter
  rm -rf "$root"
  mkdir -p "$root/d" "$root/e" "$root/shared"
  ln -sfn "$root/d" "$WINEPREFIX/dosdevices/d:"
  ln -sfn "$root/e" "$WINEPREFIX/dosdevices/e:"
  for letter in a b f g h i j k l m n o p q r s t u v w x y; do
    ln -sfn "$root/shared" "$WINEPREFIX/dosdevices/$letter:"
  done
  if [ ! -f "$WINEPREFIX/.dustrel-drive-types" ]; then
    "$WINE64" reg add 'HKLM\Software\Wine\Drives' /v e: /d floppy /f >/dev/null 2>&1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.dustrel-drive-types"
  fi
}
