#pragma once

#include <windows.h>

#include <string>

// A registry key with everything under it, or one value of it, in the view
// of the registry it was found in (64-bit or 32-bit).
struct RegistryItem {
    HKEY hive = nullptr;
    std::string key;    // under the hive
    std::string value;  // with `isValue`
    bool isValue = false;
    REGSAM view = KEY_WOW64_64KEY;
};
