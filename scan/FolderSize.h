#pragma once

#include "scan/WorkStatus.h"

#include <cstdint>
#include <string>

// A file's size as its folder's listing gives it.
template <typename FindData>
std::uint64_t FoundBytes(const FindData& entry)
{
    return (std::uint64_t{entry.nFileSizeHigh} << 32) | entry.nFileSizeLow;
}

// The sum of the sizes of the files in a folder's tree, walked as removal
// walks it: a link or junction is not entered and counts nothing, and an
// entry removal would pass over (a path too long, a name that would address
// another item) is passed over here too. The walk ends early when `status`
// asks the work to stop.
std::uint64_t FolderTreeBytes(const std::string& folder, const WorkStatus* status = nullptr);
