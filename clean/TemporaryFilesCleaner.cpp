#include "clean/TemporaryFilesCleaner.h"

#include "framework/Strings.h"
#include "res/resource.h"
#include "scan/Walkers.h"
#include "traces/IETDlg.h"

#include <shlobj.h>

#include <cstdlib>
#include <string>

namespace {

// Joined to each fixed drive.
const char* const IeTempDriveFolders[] = {
    "Wininst0.400",
    "Program Files\\Netscape\\Users\\Default\\Cache",
    "Program Files\\WindowsUpdate",
};

// Joined to the Windows folder.
const char* const IeTempWindowsFolders[] = {
    "Application Compatibility Scripts",
    "Downloaded Program Files",
    "IIS Temporary Compressed Files",
    "Microsoft.NET\\Framework\\v1.0.3705\\Temporary ASP.NET Files",
    "Microsoft.NET\\Framework\\v1.0.3215\\Temporary ASP.NET Files",
    "msdownld.tmp",
    "Offline Web Pages",
    "Windows Update Setup Files",
    "WinSxS\\InstallTemp",
};

void ListFixedDrive(const CListBox& list, const std::string& drive)
{
    for (const char* folder : IeTempDriveFolders) AddFolderEntry(list, drive, folder);
    AddFolderEntry(list, drive, "Inetpub\\Scripts");
    AddSubfolderMatches(list, drive, "Program Files\\Netscape\\Users\\Default", "netscape.hst");
}

}  // namespace

void ListTemporaryFiles(const CListBox& list, const StartupFolders& folders)
{
    for (const std::string& root : folders.DriveList)
        if (root.size() >= 2 && GetDriveTypeA(root.c_str()) == DRIVE_FIXED) ListFixedDrive(list, root.substr(0, 2));

    for (const char* folder : IeTempWindowsFolders) AddFolderEntry(list, folders.WindowsFolder, folder);
    AddSubfolderMatches(list, folders.WindowsFolder, "Temp", "*.*");

    // Without a known profile folder the relative path would name a folder
    // at the root of whatever drive is current: that one is not searched.
    if (std::getenv("USERPROFILE") != nullptr && !folders.ProfileFolder.empty())
        AddSubfolderMatches(list, folders.ProfileFolder, "Local Settings\\Temp", "*.*");

    char internetCache[MAX_PATH] = "";
    if (SHGetSpecialFolderPathA(nullptr, internetCache, CSIDL_INTERNET_CACHE, FALSE))
        AddMatches(list, internetCache, "*.*");
}

void RunTemporaryFilesCleaner(const CListBox& list, HWND frame, const StartupFolders& folders)
{
    list.ResetContent();
    const std::string caption = LoadStringTail(ID_OPTIONS_IETEMP) + " - " + LoadResourceString(AFX_IDS_APP_TITLE);
    SetWindowTextA(frame, caption.c_str());
    ListTemporaryFiles(list, folders);

    // The dialog belongs to the view that holds the list.
    CIETDlg dialog(GetParent(list.m_hWnd));
    dialog.DoModal();
}
