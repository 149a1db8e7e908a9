# Sample junk for the demo prefix, in places the program looks (sourced, not run).
make_demo_junk() {
  local c="$WINEPREFIX/drive_c" user
  user=$(ls "$c/users" | grep -vx Public | head -n 1)
  local profile="$c/users/$user"
  local f
  junk() { for f in "$@"; do mkdir -p "$(dirname "$f")"; printf 'junk\n' >"$f"; done; }

  # The standard scan: roots, the Windows folder and its catalogue folders.
  junk "$c/setuplog.txt" "$c/netlog.txt" "$c/install.log" "$c/backup.bak" "$c/FILE0000.CHK" "$c/FILE0001.CHK"
  junk "$c/windows/setupact.log" "$c/windows/setuperr.log" "$c/windows/update.old" "$c/windows/readme.txt"
  junk "$c/windows/Minidump/Mini120726-01.dmp" "$c/windows/Minidump/Mini120726-02.dmp"
  junk "$c/windows/inf/oem0.bak" "$c/windows/system32/config/system.bak" "$c/windows/system32/tmp0001.tmp"
  junk "$c/windows/Prefetch/DUSTREL.EXE-1A2B3C4D.pf" "$c/windows/Debug/netsetup.log"
  junk "$c/windows/Pchealth/Helpctr/helpinfo.xml" "$c/windows/Pchealth/Helpctr/Logs/hcupdate.log"
  junk "$c/Found.000/file0000.chk" "$c/Program Files/Directx/dxsetup.log"
  # Names outside any one ANSI code page reach the program exactly.
  junk "$c/windows/安裝記錄.log" "$c/windows/журнал.log"
  junk "$profile/AppData/Roaming/Microsoft/Internet Explorer/brndlog.bak"
  junk "$profile/AppData/Roaming/Microsoft/Office/Recent/report.doc.lnk"

  # The cookies killer and the temporary-files cleaner.
  junk "$profile/AppData/Local/Microsoft/Windows/INetCookies/user@example[1].txt"
  junk "$profile/AppData/Local/Microsoft/Windows/INetCookies/user@news.example[2].txt"
  junk "$profile/AppData/Local/Temp/~DF1234.tmp" "$profile/AppData/Local/Temp/setup.log"
  junk "$profile/AppData/Local/Microsoft/Windows/INetCache/Content.IE5/ABCD1234/page[1].htm"
  junk "$c/windows/Temp/dd_setup.log" "$c/windows/Downloaded Program Files/plugin.inf"

  # The built-in cleaning rules' places on Windows 10 and 11 (Applications).
  local local_="$profile/AppData/Local" roaming="$profile/AppData/Roaming"
  junk "$profile/Temp/setup-4F2A.tmp" "$profile/Temp/wct9C31.tmp"
  junk "$c/ProgramData/Microsoft/Windows/WER/ReportArchive/AppCrash_demo.exe_1a2b/Report.wer"
  junk "$local_/Microsoft/Windows/WER/ReportQueue/AppHang_demo.exe_3c4d/Report.wer"
  junk "$local_/CrashDumps/demo.exe.4242.dmp"
  junk "$local_/Microsoft/Windows/Explorer/thumbcache_256.db" "$local_/Microsoft/Windows/Explorer/iconcache_32.db"
  junk "$local_/D3DSCache/5f1c2a/demo.idx"
  junk "$c/windows/SoftwareDistribution/Download/9a8b7c/windows10.0-kb0000001.cab"
  junk "$c/windows/ServiceProfiles/NetworkService/AppData/Local/Microsoft/Windows/DeliveryOptimization/Cache/ab/cd.bin"
  junk "$c/windows/Logs/CBS/CBS.log" "$c/windows/Logs/DISM/dism.log" "$c/windows/Panther/setupact.log"
  # Browsers: a cache to clean beside what is never touched.
  local browser
  for browser in "Google/Chrome" "Microsoft/Edge" "BraveSoftware/Brave-Browser" "Vivaldi"; do
    junk "$local_/$browser/User Data/Default/Cache/Cache_Data/data_0" "$local_/$browser/User Data/Default/Bookmarks"
    junk "$local_/$browser/User Data/Default/Code Cache/js/index"
  done
  junk "$roaming/Opera Software/Opera Stable/Bookmarks" "$local_/Opera Software/Opera Stable/Cache/Cache_Data/data_0"
  junk "$roaming/Mozilla/Firefox/Profiles/demo.default-release/places.sqlite"
  junk "$local_/Mozilla/Firefox/Profiles/demo.default-release/cache2/entries/0A1B2C3D"
}
