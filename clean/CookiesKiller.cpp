#include "clean/CookiesKiller.h"

#include "scan/Walkers.h"

#include <shlobj.h>

namespace {
const char NetscapeProfile[] = "Program Files\\Netscape\\Users\\Default";
}

void ListCookies(ResultSet& results, const StartupFolders& folders)
{
    char cookies[MAX_PATH] = "";
    if (SHGetSpecialFolderPathA(nullptr, cookies, CSIDL_COOKIES, FALSE)) AddMatches(results, cookies, "*.txt");
    for (const std::string& root : folders.DriveList)
        if (GetDriveTypeA(root.c_str()) == DRIVE_FIXED)
            AddSubfolderMatches(results, root.substr(0, 2), NetscapeProfile, "cookies.txt");
}
