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

// Whether a key exists, in the 64-bit view of the registry or the 32-bit one.
bool RegistryKeyExists(const RegistryPath& path);
