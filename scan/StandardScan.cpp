#include "scan/StandardScan.h"

#include "res/resource.h"
#include "scan/JunkCatalogue.h"
#include "scan/ResultList.h"
#include "scan/StatusLine.h"
#include "scan/Walkers.h"

#include <cstdlib>

namespace {

// Whether an environment variable is set now: the scan asks at every run.
bool IsSet(const char* variable) { return std::getenv(variable) != nullptr; }

void ScanFixedDrive(const CListBox& list, const std::string& root)
{
    const std::string drive = root.substr(0, 2);
    AddMatches(list, drive + '\\', FixedDriveRootPattern);
    for (const char* subfolder : FixedDriveSubfolders)
        AddSubfolderMatches(list, drive, subfolder, FixedDriveSubfolderPattern);
    for (const char* name : FixedDriveFolderEntries) AddFolderEntry(list, drive, name);
}

}  // namespace

void StandardScan(const CListBox& list, const StartupFolders& folders)
{
    const std::string rootOfC = "C:\\";
    for (const char* pattern : RootPatterns) AddMatches(list, rootOfC, pattern);
    for (const char* pattern : WindowsPatterns) AddMatches(list, folders.WindowsFolder, pattern);
    for (const SubfolderPattern& row : WindowsSubfolderPatterns)
        AddSubfolderMatches(list, folders.WindowsFolder, row.subfolder, row.pattern);
    for (const char* pattern : RootPatterns) AddMatches(list, folders.SystemDriveRoot, pattern);
    for (const char* subfolder : SystemDriveSubfolders)
        AddSubfolderMatches(list, folders.SystemDriveRoot, subfolder, SystemDriveSubfolderPattern);
    if (IsSet("APPDATA"))
        AddSubfolderMatches(list, folders.AppDataFolder, AppDataSubfolderPattern.subfolder,
                            AppDataSubfolderPattern.pattern);
    for (const char* name : RootFileNames) AddMatches(list, rootOfC, name);
    for (const char* name : WindowsFolderEntries) AddFolderEntry(list, folders.WindowsFolder, name);
    if (IsSet("ALLUSERSPROFILE"))
        for (const char* name : AllUsersFolderEntries) AddFolderEntry(list, folders.AllUsersFolder, name);
    if (IsSet("APPDATA")) AddFolderEntry(list, folders.AppDataFolder, AppDataFolderEntry);
    for (const std::string& root : folders.DriveList)
        if (GetDriveTypeA(root.c_str()) == DRIVE_FIXED) ScanFixedDrive(list, root);
}

void RunStandardScan(const CListBox& list, HWND frame, const StartupFolders& folders)
{
    SetWindowTextA(frame, LoadResourceString(IDR_MAINFRAME).c_str());
    g_bCookiesEnabled = true;
    list.ResetContent();
    BeginWait(frame);
    StandardScan(list, folders);
    UpdateStatus(list, frame);
}
