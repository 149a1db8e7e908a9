#pragma once

#include "scan/EntryKinds.h"
#include "scan/WorkStatus.h"

#include <windows.h>

#include <cstdint>
#include <string>

// A file's size as its folder's listing gives it.
template <typename FindData>
std::uint64_t FoundBytes(const FindData& entry)
{
    return (std::uint64_t{entry.nFileSizeHigh} << 32) | entry.nFileSizeLow;
}

// Whether compression (NTFS, Compact OS), sparseness or a reparse point may
// make what a file takes on the disk differ from its length.
inline bool MayTakeOtherThanLength(DWORD attributes)
{
    return (attributes & (FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_SPARSE_FILE | FILE_ATTRIBUTE_REPARSE_POINT)) != 0;
}

// What deleting a file frees on the disk: its length, or where that may
// differ, what it takes there.
std::uint64_t FreedBytes(const std::string& path, DWORD attributes, std::uint64_t length);
template <typename FindData>
std::uint64_t FreedBytes(const std::string& path, const FindData& entry)
{
    return FreedBytes(path, entry.dwFileAttributes, FoundBytes(entry));
}

// The sum of what the files in a folder's tree free on the disk, walked as
// removal walks it: a link or junction is not entered and counts nothing, a
// cloud placeholder counts nothing either, and an
// entry removal would pass over (a path too long, a name that would address
// another item) is passed over here too. The walk ends early when `status`
// asks the work to stop.
std::uint64_t FolderTreeBytes(const std::string& folder, const WorkStatus* status = nullptr);
