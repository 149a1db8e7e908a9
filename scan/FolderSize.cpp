#include "scan/FolderSize.h"

#include "scan/PathText.h"

#include <windows.h>

std::uint64_t FreedBytes(const std::string& path, DWORD attributes, std::uint64_t length)
{
    if (!MayTakeOtherThanLength(attributes)) return length;
    DWORD high = 0;
    const DWORD low = GetCompressedFileSizeA(path.c_str(), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return length;
    return (std::uint64_t{high} << 32) | low;
}

std::uint64_t FolderTreeBytes(const std::string& folder, const WorkStatus* status)
{
    const std::string pattern = JoinPath(folder, "*");
    if (!FitsPathLimit(pattern)) return 0;
    WIN32_FIND_DATAA entry = {};
    // Short names are not needed, and large batches save calls into the system.
    HANDLE search = FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return 0;
    std::uint64_t bytes = 0;
    do {
        if (status != nullptr && status->StopRequested()) break;
        if (IsDotName(entry.cFileName) || !IsAddressableName(entry.cFileName)) continue;
        if (IsLink(entry) || IsCloudPlaceholder(entry)) continue;
        const std::string child = JoinPath(folder, entry.cFileName);
        if (!FitsPathLimit(child)) continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) bytes += FolderTreeBytes(child, status);
        else bytes += FreedBytes(child, entry);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return bytes;
}
