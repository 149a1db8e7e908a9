#include "clean/TemporaryFilesCleaner.h"

#include "scan/Walkers.h"

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

void ListFixedDrive(ResultSet& results, const std::string& drive)
{
    for (const char* folder : IeTempDriveFolders) AddFolderEntry(results, drive, folder);
    AddFolderEntry(results, drive, "Inetpub\\Scripts");
    AddSubfolderMatches(results, drive, "Program Files\\Netscape\\Users\\Default", "netscape.hst");
}

}  // namespace

void ListTemporaryFiles(ResultSet& results, const StartupFolders& folders)
{
    for (const std::string& root : folders.DriveList)
        if (root.size() >= 2 && GetDriveTypeA(root.c_str()) == DRIVE_FIXED) ListFixedDrive(results, root.substr(0, 2));

    for (const char* folder : IeTempWindowsFolders) AddFolderEntry(results, folders.WindowsFolder, folder);
    AddSubfolderMatches(results, folders.WindowsFolder, "Temp", "*.*");

    // Without a known profile folder the relative path would name a folder
    // at the root of whatever drive is current: that one is not searched.
    if (std::getenv("USERPROFILE") != nullptr && !folders.ProfileFolder.empty())
        AddSubfolderMatches(results, folders.ProfileFolder, "Local Settings\\Temp", "*.*");

    char internetCache[MAX_PATH] = "";
    if (SHGetSpecialFolderPathA(nullptr, internetCache, CSIDL_INTERNET_CACHE, FALSE))
        AddMatches(results, internetCache, "*.*");
}
