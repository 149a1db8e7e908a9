#pragma once

#include <windows.h>

#include <map>
#include <set>
#include <string>

// What detection asks of the file system and the registry, each folder's
// listing and each key's subkeys read once: thousands of entries share the
// same few parents (Program Files, HKLM\Software), and one listing answers
// every question about their children.
class PlaceCache {
public:
    // Named as the listing's own fields, so one test of a link reads both.
    struct Entry {
        std::wstring name;
        DWORD dwFileAttributes = 0;
        DWORD dwReserved0 = 0;  // the reparse tag of a reparse point
    };
    using Listing = std::map<std::wstring, Entry>;  // by folded name

    // The entries of a folder but "." and ".."; empty when it cannot be listed.
    const Listing& Entries(const std::wstring& folder);

    // Whether a path is a folder (links followed: a variable's folder may be one).
    bool IsFolder(const std::wstring& path);

    // Whether a key exists in one view of the registry, found part by part.
    bool KeyExists(HKEY hive, const std::wstring& key, REGSAM view);

private:
    const std::set<std::wstring>* Subkeys(HKEY hive, const std::wstring& key, REGSAM view);

    std::map<std::wstring, Listing> m_folders;  // by folded path
    std::map<std::wstring, bool> m_isFolder;    // by folded path
    std::map<std::wstring, std::set<std::wstring>> m_keys;  // by view, hive and folded key; folded names
    std::set<std::wstring> m_missingKeys;
};
