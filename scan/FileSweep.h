#pragma once

#include "scan/NameMask.h"
#include "scan/WorkStatus.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// What a file's place and name are kept by: its folder matches `folder`
// part by part (each part a mask), or lies below it with `subfolders`, and
// its name matches `name`.
struct SweepKeep {
    std::vector<NameMask> folder;
    NameMask name;
    bool subfolders = false;
};

// Files removed by their names under one root folder: those in the root
// whose names match a mask, with `subfolders` those in every folder below
// too, none that a keep holds. With `removeEmptied` every folder of the tree
// left empty goes afterwards, the root last. Links are never entered.
struct FileSweep {
    std::string root;
    std::vector<NameMask> masks;
    bool subfolders = false;
    bool removeEmptied = false;
    std::vector<SweepKeep> keeps;

    bool Takes(const wchar_t* name) const;
    // The keeps that concern files of one folder of the tree, found once per folder.
    std::vector<const SweepKeep*> KeepsIn(const std::string& folder) const;
};

// A listed name as the program's narrow text, when it converts exactly and
// names that item alone through a path.
bool ExactAddressableName(const wchar_t* name, std::string& narrow);

// Whether a name is kept by one of the keeps found for its folder.
bool IsKept(const std::vector<const SweepKeep*>& keeps, const wchar_t* name);

// The files a sweep would remove, and their sizes.
struct SweepSize {
    std::uint64_t files = 0;
    std::uint64_t bytes = 0;
};
// Walks the tree as its removal walks it: a name the removal could not give
// the system exactly, or a path too long for it, is passed over. The walk
// ends early when `status` asks the work to stop.
SweepSize MeasureSweep(const FileSweep& sweep, const WorkStatus* status = nullptr);

// One listing of a folder with large batches and no short names; the
// caller calls `visit` for each entry but "." and "..".
template <typename Visit>
void ForEachEntry(const std::wstring& pattern, Visit visit)
{
    WIN32_FIND_DATAW entry = {};
    HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const wchar_t* name = entry.cFileName;
        if (name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'))) continue;
        if (!visit(entry)) break;
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}
