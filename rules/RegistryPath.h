#pragma once

#include <windows.h>

#include <string>

// A rule's registry path split into its hive and the key under it. The
// hive is named short or long ("HKCU", "HKEY_CURRENT_USER"); `hiveName` is
// then its short name. False for any other first part.
struct RegistryPath {
    HKEY hive = nullptr;
    std::wstring hiveName;
    std::wstring key;
};
bool ReadRegistryPath(const std::wstring& text, RegistryPath& path);
