#include "scan/Walkers.h"

#include "scan/FolderSize.h"
#include "scan/NameMask.h"
#include "scan/PathText.h"
#include "scan/SearchHits.h"
#include "scan/WideText.h"

#include <io.h>
#include <windows.h>

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

// Tells the watcher which folder is searched now; false when the work is to stop.
bool Searching(const ResultSet& results, const std::string& folder)
{
    if (results.StopRequested()) return false;
    if (WorkStatus* status = results.Status()) status->SetCurrent(folder);
    return true;
}

// What removing a hit frees, from its find data where that tells: a folder's
// tree and a file the disk may keep other than by its length are asked for.
std::uint64_t HitBytes(const ResultSet& results, const std::string& folder, const WIN32_FIND_DATAW& hit)
{
    if (IsLink(hit)) return 0;
    const bool isFolder = (hit.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!isFolder && !MayTakeOtherThanLength(hit.dwFileAttributes)) return FoundBytes(hit);
    const std::string name = ListableName(hit.cFileName);
    if (name.empty()) return 0;
    const std::string path = JoinPath(folder, name);
    return isFolder ? FolderTreeBytes(path, results.Status()) : FreedBytes(path, hit);
}

// Whether a folder is a link, by its reparse tag: the attributes alone do
// not tell a junction from a folder of cloud files.
bool IsLinkFolder(const std::string& path, DWORD attributes)
{
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return false;
    WIN32_FIND_DATAA entry = {};
    HANDLE search = FindFirstFileExA(path.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return true;
    FindClose(search);
    return IsLink(entry);
}

}  // namespace

void AddMatches(ResultSet& results, const std::string& folder, const char* pattern)
{
    if (folder.empty() || !FitsPathLimit(folder) || _access(folder.c_str(), 0) != 0) return;
    if (!Searching(results, folder)) return;

    CurrentDirectoryScope scope(folder);
    if (!scope.Entered()) return;

    // The system's search also matches short names: each hit's long name is
    // checked again. Short names are not asked for, and large batches save
    // calls into the system.
    const NameMask mask{std::string(pattern)};
    WIN32_FIND_DATAW hit = {};
    HANDLE search = FindFirstFileExW(WideFromNarrow(pattern).c_str(), FindExInfoBasic, &hit, FindExSearchNameMatch,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return;
    SearchHits hits(results.Locale(), folder);
    do {
        if (!mask.Matches(hit.cFileName) || IsCloudPlaceholder(hit)) continue;
        const std::uint64_t bytes = HitBytes(results, folder, hit);
        // A hit whose size was cut short by a stop is not listed with a wrong one.
        if (results.StopRequested()) break;
        hits.Add(hit.cFileName, (hit.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, bytes);
    } while (FindNextFileW(search, &hit));
    FindClose(search);
    hits.AddTo(results);
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
    if (!Searching(results, folder)) return;
    Result entry = ResultOfLine(FolderEntryText(folder));
    if (!IsLinkFolder(entry.path, attributes)) entry.bytes = FolderTreeBytes(entry.path, results.Status());
    if (!results.StopRequested()) results.Add(std::move(entry));
}
