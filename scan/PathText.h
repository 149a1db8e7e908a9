#pragma once

#include <windows.h>

#include <string>

// A path the platform can take in one piece: shorter than its path limit.
// Anything longer is skipped, never cut to fit.
inline bool FitsPathLimit(const std::string& path) { return path.size() < MAX_PATH; }

// Joins a name to a folder with one backslash, none added when the folder
// already ends with one.
inline std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '\\') return folder + name;
    return folder + '\\' + name;
}

// The line of a folder entry: the folder's path followed at once by "...".
inline std::string FolderEntryText(const std::string& folderPath) { return folderPath + "..."; }
