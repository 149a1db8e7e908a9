#include "clean/CookiesKiller.h"

#include "framework/Strings.h"
#include "res/resource.h"
#include "scan/ResultList.h"
#include "scan/StatusLine.h"
#include "scan/Walkers.h"

#include <shlobj.h>

namespace {
const char NetscapeProfile[] = "Program Files\\Netscape\\Users\\Default";
}

void ListCookies(const CListBox& list, const StartupFolders& folders)
{
    char cookies[MAX_PATH] = "";
    if (SHGetSpecialFolderPathA(nullptr, cookies, CSIDL_COOKIES, FALSE)) AddMatches(list, cookies, "*.txt");
    for (const std::string& root : folders.DriveList)
        if (GetDriveTypeA(root.c_str()) == DRIVE_FIXED)
            AddSubfolderMatches(list, root.substr(0, 2), NetscapeProfile, "cookies.txt");
}

void RunCookiesKiller(const CListBox& list, HWND frame, const StartupFolders& folders)
{
    SetWindowTextA(frame, (LoadResourceString(ID_OPTIONS_COOKIES) + " - " + LoadResourceString(AFX_IDS_APP_TITLE)).c_str());
    list.ResetContent();
    ListCookies(list, folders);
    if (list.GetCount() == 0) g_bCookiesEnabled = false;
    UpdateStatus(list, frame);
}
