#include "scan/Walkers.h"

#include "scan/PathText.h"

#include <io.h>
#include <windows.h>

#include <cstring>

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

bool IsDotName(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

// Clears the read-only bit of a hit in the current directory, keeping its
// other attributes. Skipped when the bit is clear: an attribute write is costly.
void ClearReadOnly(const WIN32_FIND_DATAA& hit)
{
    if ((hit.dwFileAttributes & FILE_ATTRIBUTE_READONLY) == 0) return;
    SetFileAttributesA(hit.cFileName, hit.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
}

}  // namespace

void AddMatches(const CListBox& list, const std::string& folder, const char* pattern)
{
    if (folder.empty() || !FitsPathLimit(folder) || _access(folder.c_str(), 0) != 0) return;

    CurrentDirectoryScope scope(folder);
    if (!scope.Entered()) return;

    WIN32_FIND_DATAA hit;
    HANDLE search = FindFirstFileA(pattern, &hit);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (IsDotName(hit.cFileName)) continue;
        ClearReadOnly(hit);
        std::string entry = JoinPath(folder, hit.cFileName);
        if (hit.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) entry = FolderEntryText(entry);
        list.AddString(entry.c_str());
    } while (FindNextFileA(search, &hit));
    FindClose(search);
}

void AddSubfolderMatches(const CListBox& list, const std::string& base, const char* subfolder,
                         const char* pattern)
{
    if (base.empty()) return;
    AddMatches(list, JoinPath(base, subfolder), pattern);
}

void AddFolderEntry(const CListBox& list, const std::string& base, const char* name)
{
    if (base.empty()) return;
    const std::string folder = JoinPath(base, name);
    if (!FitsPathLimit(folder)) return;
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return;
    list.AddString(FolderEntryText(folder).c_str());
}
