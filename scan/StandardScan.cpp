#include "scan/StandardScan.h"

#include "scan/JunkCatalogue.h"
#include "scan/Walkers.h"

#include <windows.h>

#include <cstdlib>

namespace {

// Whether an environment variable is set now: the scan asks at every run.
bool IsSet(const char* variable) { return std::getenv(variable) != nullptr; }

void ScanFixedDrive(ResultSet& results, const std::string& root)
{
    const std::string drive = root.substr(0, 2);
    AddMatches(results, drive + '\\', FixedDriveRootPattern);
    for (const char* subfolder : FixedDriveSubfolders)
        AddSubfolderMatches(results, drive, subfolder, FixedDriveSubfolderPattern);
    for (const char* name : FixedDriveFolderEntries) AddFolderEntry(results, drive, name);
}

}  // namespace

void StandardScan(ResultSet& results, const StartupFolders& folders)
{
    const std::string rootOfC = "C:\\";
    for (const char* pattern : RootPatterns) AddMatches(results, rootOfC, pattern);
    for (const char* pattern : WindowsPatterns) AddMatches(results, folders.WindowsFolder, pattern);
    for (const SubfolderPattern& row : WindowsSubfolderPatterns)
        AddSubfolderMatches(results, folders.WindowsFolder, row.subfolder, row.pattern);
    for (const char* pattern : RootPatterns) AddMatches(results, folders.SystemDriveRoot, pattern);
    for (const char* subfolder : SystemDriveSubfolders)
        AddSubfolderMatches(results, folders.SystemDriveRoot, subfolder, SystemDriveSubfolderPattern);
    if (IsSet("APPDATA"))
        AddSubfolderMatches(results, folders.AppDataFolder, AppDataSubfolderPattern.subfolder,
                            AppDataSubfolderPattern.pattern);
    for (const char* name : RootFileNames) AddMatches(results, rootOfC, name);
    for (const char* name : WindowsFolderEntries) AddFolderEntry(results, folders.WindowsFolder, name);
    if (IsSet("ALLUSERSPROFILE"))
        for (const char* name : AllUsersFolderEntries) AddFolderEntry(results, folders.AllUsersFolder, name);
    if (IsSet("APPDATA")) AddFolderEntry(results, folders.AppDataFolder, AppDataFolderEntry);
    for (const std::string& root : folders.DriveList)
        if (GetDriveTypeA(root.c_str()) == DRIVE_FIXED) ScanFixedDrive(results, root);
}
