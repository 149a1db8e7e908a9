#pragma once

// What an entry of a folder's listing is, by its attributes and reparse tag.

#include <windows.h>

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
