#pragma once

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

// A reparse point is a link only when its tag names another item (a
// symbolic link, a junction, a mount point). Any other tag (Compact OS
// compression, deduplication, cloud files, an app execution alias) marks an
// ordinary file or folder. A listing that gives no tag (Wine's narrow one
// leaves the field as it was: find data is zeroed before a search) is taken
// at its word that the item is a reparse point, and so as a link.
template <typename FindData>
bool IsLink(const FindData& entry)
{
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return false;
    return entry.dwReserved0 == 0 || IsReparseTagNameSurrogate(entry.dwReserved0);
}

// A cloud file or folder whose content is not on the disk: removing it frees
// nothing here and would remove the user's copy in the cloud, so it is never
// a hit and a tree's removal leaves it where it is.
// (The attributes' values from the platform's documentation; older headers
// lack their names.)
constexpr DWORD AttributeRecallOnOpen = 0x00040000;
constexpr DWORD AttributeRecallOnDataAccess = 0x00400000;
template <typename FindData>
bool IsCloudPlaceholder(const FindData& entry)
{
    return (entry.dwFileAttributes & (AttributeRecallOnDataAccess | AttributeRecallOnOpen | FILE_ATTRIBUTE_OFFLINE)) != 0;
}

// What deleting a file frees on the disk: its length, or where compression
// (NTFS, Compact OS) or sparseness makes that differ, what it takes there.
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
