#pragma once

#include <windows.h>

// Whether a listing's entry is a link to somewhere else (a symbolic link, a
// junction, a mount point): a reparse point whose tag says it stands for
// another name. Other reparse points (a cloud file, a deduplicated one) are
// the files and folders they appear to be. Where the platform gives no tag,
// any reparse point counts as a link.
template <typename FindData>
bool IsLinkEntry(const FindData& entry)
{
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return false;
    return entry.dwReserved0 == 0 || IsReparseTagNameSurrogate(entry.dwReserved0);
}
