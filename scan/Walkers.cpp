#include "scan/Walkers.h"

#include "scan/FolderSize.h"
#include "scan/ItemPlace.h"
#include "scan/PathText.h"

#include <io.h>
#include <windows.h>

#include <vector>

namespace {

// Makes a folder the current directory for one search and puts the previous
// one back afterwards. Entered() is false when the folder could not be made
// current: searching then would list the wrong folder's names.
class CurrentDirectoryScope {
public:
    explicit CurrentDirectoryScope(const std::string& folder)
    {
        const DWORD size = GetCurrentDirectoryA(0, nullptr);
        if (size == 0) return;
        m_previous.resize(size);
        const DWORD length = GetCurrentDirectoryA(size, &m_previous[0]);
        if (length == 0 || length >= size) return;
        m_previous.resize(length);
        m_entered = SetCurrentDirectoryA(folder.c_str()) != FALSE;
    }
    ~CurrentDirectoryScope()
    {
        if (m_entered) SetCurrentDirectoryA(m_previous.c_str());
    }
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

    bool Entered() const { return m_entered; }

private:
    std::string m_previous;
    bool m_entered = false;
};

// Clears the read-only bit of a hit, keeping its other attributes. Skipped
// when the bit is clear (an attribute write is costly) and for a link: the
// write would reach its target. It goes through a handle to the hit itself,
// checked to lie where its name says, since Wine shows a link to a file as a
// plain file carrying its target's attributes.
void ClearReadOnly(const std::string& folder, std::string& resolvedFolder, const WIN32_FIND_DATAA& hit)
{
    if ((hit.dwFileAttributes & FILE_ATTRIBUTE_READONLY) == 0) return;
    if (hit.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) return;
    const std::string path = JoinPath(folder, hit.cFileName);
    if (!FitsPathLimit(path)) return;
    if (resolvedFolder.empty()) resolvedFolder = ResolvedPath(folder);
    HANDLE item = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (item == INVALID_HANDLE_VALUE) return;
    if (LiesWhereNamed(item, resolvedFolder, hit.cFileName)) {
        FILE_BASIC_INFO basic = {};  // zero times are left as they are
        basic.FileAttributes = AttributesWithoutReadOnly(hit.dwFileAttributes);
        SetFileInformationByHandle(item, FileBasicInfo, &basic, sizeof basic);
    }
    CloseHandle(item);
}

std::uint64_t HitBytes(const std::string& path, const WIN32_FIND_DATAA& hit)
{
    if (hit.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) return 0;
    if (hit.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return FolderTreeBytes(path);
    return (std::uint64_t{hit.nFileSizeHigh} << 32) | hit.nFileSizeLow;
}

}  // namespace

void AddMatches(ResultSet& results, const std::string& folder, const char* pattern)
{
    if (folder.empty() || !FitsPathLimit(folder) || _access(folder.c_str(), 0) != 0) return;

    CurrentDirectoryScope scope(folder);
    if (!scope.Entered()) return;

    WIN32_FIND_DATAA hit;
    HANDLE search = FindFirstFileA(pattern, &hit);
    if (search == INVALID_HANDLE_VALUE) return;
    std::vector<Result> hits;
    std::string resolvedFolder;
    do {
        if (IsDotName(hit.cFileName) || !IsAddressableName(hit.cFileName)) continue;
        ClearReadOnly(folder, resolvedFolder, hit);
        std::string path = JoinPath(folder, hit.cFileName);
        const bool isFolder = (hit.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        const std::uint64_t bytes = HitBytes(path, hit);
        std::string line = isFolder ? FolderEntryText(path) : path;
        hits.push_back({std::move(line), std::move(path), isFolder, bytes});
    } while (FindNextFileA(search, &hit));
    FindClose(search);
    results.Add(std::move(hits));
}

void AddSubfolderMatches(ResultSet& results, const std::string& base, const char* subfolder, const char* pattern)
{
    if (base.empty()) return;
    AddMatches(results, JoinPath(base, subfolder), pattern);
}

void AddFolderEntry(ResultSet& results, const std::string& base, const char* name)
{
    if (base.empty()) return;
    const std::string folder = JoinPath(base, name);
    if (!FitsPathLimit(folder)) return;
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return;
    Result entry = ResultOfLine(FolderEntryText(folder));
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) entry.bytes = FolderTreeBytes(entry.path);
    results.Add(std::move(entry));
}
