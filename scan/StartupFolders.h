#pragma once

#include <string>
#include <vector>

// The places the scans are based on, read once per run and then only read.
struct StartupFolders {
    std::vector<std::string> DriveList;  // drive roots such as "C:\", at program start
    std::string WindowsFolder;           // the Windows directory, no trailing backslash
    std::string SystemDriveRoot;         // letter, colon and backslash of WindowsFolder
    std::string AppDataFolder;           // the user's application-data folder, or empty
    std::string AllUsersFolder;          // "ALLUSERSPROFILE", or empty when unset or too long
    std::string ProfileFolder;           // the user's profile folder, or empty
};

// Every drive root the platform reports (room for all 26 letters).
std::vector<std::string> ReadDriveList();

// Fills everything but the drive list, in the order the view's start-up needs.
void ReadStartupFolders(StartupFolders& folders);

extern StartupFolders g_StartupFolders;
