#pragma once

#include <windows.h>

#include <cstring>
#include <string>

// A path the platform can take in one piece: shorter than its path limit,
// which counts UTF-16 units, not the bytes of narrow text (a Chinese
// character takes three in UTF-8). Anything longer is skipped, never cut to
// fit. No narrow text takes fewer bytes than it has units.
inline bool FitsPathLimit(const std::string& path)
{
    if (path.size() < MAX_PATH) return true;
    const int units = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    return units > 0 && units < MAX_PATH;
}

// Narrow paths are read as characters of the process's code page, never as
// bytes: in a double-byte code page (932, 936, 949, 950) the second byte of a
// character may be 0x5C, the backslash, as in "許" (B3 5C in code page 950).

// Where the last backslash of a path stands; npos when it has none.
inline size_t LastSeparator(const std::string& path)
{
    size_t last = std::string::npos;
    for (size_t at = 0; at < path.size(); ++at) {
        if (IsDBCSLeadByte(static_cast<BYTE>(path[at])) && at + 1 < path.size()) ++at;
        else if (path[at] == '\\') last = at;
    }
    return last;
}

// Whether a path's last character is a backslash. A last byte other than
// 0x5C settles it without reading the rest.
inline bool EndsWithSeparator(const std::string& path)
{
    return !path.empty() && path.back() == '\\' && LastSeparator(path) == path.size() - 1;
}

// Joins a name to a folder with one backslash, none added when the folder
// already ends with one.
inline std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (EndsWithSeparator(folder)) return folder + name;
    return folder + '\\' + name;
}

// The line of a folder entry: the folder's path followed at once by "...".
inline std::string FolderEntryText(const std::string& folderPath) { return folderPath + "..."; }

// A line ending in "..." stands for a whole folder.
inline bool IsFolderEntry(const std::string& line)
{
    return line.size() >= 3 && line.compare(line.size() - 3, 3, "...") == 0;
}

// The folder of a folder entry: the line without its trailing dots (and the
// backslash a name such as "Printhood\" leaves).
inline std::string FolderPathOf(const std::string& line)
{
    std::string path = line;
    while (!path.empty() && path.back() == '.') path.pop_back();
    while (path.size() > 3 && EndsWithSeparator(path)) path.pop_back();
    return path;
}

// "." and "..", which every folder listing holds.
inline bool IsDotName(const char* name) { return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0; }

// A name that ends in a dot or a space is one the system's path parsing
// would change: addressed through a path, it names another item (and a
// trailing "..." would make its line read as a folder).
inline bool IsAddressableName(const char* name)
{
    const size_t length = std::strlen(name);
    return length > 0 && name[length - 1] != '.' && name[length - 1] != ' ';
}
