#include "scan/StartupFolders.h"

#include "scan/PathText.h"

#include <shlobj.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>

// The drive list is taken before anything else runs; drives added later are
// not seen until the next start.
StartupFolders g_StartupFolders = {ReadDriveList(), {}, {}, {}, {}, {}};

std::vector<std::string> ReadDriveList()
{
    // "X:\" and its terminator for every letter, and the closing terminator.
    char buffer[26 * 4 + 1];
    const DWORD length = GetLogicalDriveStringsA(sizeof buffer, buffer);
    std::vector<std::string> drives;
    if (length == 0 || length >= sizeof buffer) return drives;
    for (const char* root = buffer; *root != '\0'; root += std::strlen(root) + 1)
        drives.emplace_back(root);
    return drives;
}

namespace {

std::string ShellFolder(int csidl)
{
    char path[MAX_PATH] = "";
    if (!SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE)) return {};
    return path;
}

std::string WindowsDirectory()
{
    char path[MAX_PATH] = "";
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return path;
}

}  // namespace

void ReadStartupFolders(StartupFolders& folders)
{
    folders.WindowsFolder = WindowsDirectory();
    folders.SystemDriveRoot = folders.WindowsFolder.substr(0, 3);
    folders.AppDataFolder = ShellFolder(CSIDL_APPDATA);

    // A value that does not fit would name another folder once cut: treat it as unset.
    const char* allUsers = std::getenv("ALLUSERSPROFILE");
    folders.AllUsersFolder = allUsers && FitsPathLimit(allUsers) ? allUsers : "";

    folders.ProfileFolder = ShellFolder(CSIDL_PROFILE);
}
