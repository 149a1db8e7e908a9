#pragma once

#include "rules/RuleFile.h"

#include <string>
#include <vector>

// The places no rule may empty wholesale: a drive's root, the Windows
// folder and System32, the Program Files folders, the user's profile and
// application-data folders, ProgramData, and the user's Desktop, Documents,
// Downloads, Pictures, Music and Videos; and every folder above one of them
// (emptying C:\Users would empty the profile). There a key may remove only
// files matching narrow masks: never with a mask that takes every name or
// with REMOVESELF. A community rule once emptied users' Desktops.
class ProtectedPlaces {
public:
    static ProtectedPlaces OfSystem();
    void Add(const std::wstring& folder);

    bool IsProtected(const std::wstring& folder) const;
    // Whether a key may have a root there.
    bool Allows(const FileKey& key, const std::wstring& root) const;

private:
    std::vector<std::wstring> m_places;  // letter case folded, without a trailing backslash
};
