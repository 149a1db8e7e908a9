#include "scan/Walkers.h"

#include "scan/ItemPlace.h"
#include "scan/PathText.h"

#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
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

bool IsDotName(const char* name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

// A name that ends in a dot or a space is one the system's path parsing
// would change: addressed through a path, it names another item (and a
// trailing "..." would make its line read as a folder). Such a hit is left
// alone, not listed and not touched.
bool IsAddressable(const char* name)
{
    const size_t length = std::strlen(name);
    return length > 0 && name[length - 1] != '.' && name[length - 1] != ' ';
}

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

// The list's own order: its locale, letter case ignored.
struct ListOrder {
    LCID locale;

    std::string Key(const std::string& text) const
    {
        const int size = LCMapStringA(locale, LCMAP_SORTKEY | NORM_IGNORECASE, text.c_str(), -1, nullptr, 0);
        std::string key(static_cast<size_t>(size > 0 ? size : 0), '\0');
        if (size > 0) LCMapStringA(locale, LCMAP_SORTKEY | NORM_IGNORECASE, text.c_str(), -1, &key[0], size);
        return key;
    }
    bool Before(const std::string& a, const std::string& b) const
    {
        return CompareStringA(locale, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
    }
};

// Adds the lines of one search, each at its sorted place. A sorted list box
// finds that place itself, but compares strings the slow way for every line
// and moves the lines after it; sorting the batch by sort keys and merging it
// into the list costs a fraction of that on a folder of many thousand hits.
// The list's drawing is held meanwhile, or a shown list would update its
// scroll bar for every line.
void AddLines(const CListBox& list, std::vector<std::string>& lines)
{
    if (lines.empty()) return;
    const ListOrder order = {static_cast<LCID>(SendMessageA(list.m_hWnd, LB_GETLOCALE, 0, 0))};
    std::vector<std::pair<std::string, std::string*>> keyed;
    keyed.reserve(lines.size());
    for (std::string& line : lines) keyed.emplace_back(order.Key(line), &line);
    std::sort(keyed.begin(), keyed.end());

    SendMessageA(list.m_hWnd, WM_SETREDRAW, FALSE, 0);
    int first = 0;
    int count = list.GetCount();
    for (const auto& entry : keyed) {
        const std::string& line = *entry.second;
        int last = count;
        while (first < last) {
            const int middle = first + (last - first) / 2;
            if (order.Before(line, list.GetText(middle))) last = middle;
            else first = middle + 1;
        }
        SendMessageA(list.m_hWnd, LB_INSERTSTRING, first, reinterpret_cast<LPARAM>(line.c_str()));
        ++first;
        ++count;
    }
    SendMessageA(list.m_hWnd, WM_SETREDRAW, TRUE, 0);
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
    std::vector<std::string> lines;
    std::string resolvedFolder;
    do {
        if (IsDotName(hit.cFileName) || !IsAddressable(hit.cFileName)) continue;
        ClearReadOnly(folder, resolvedFolder, hit);
        std::string entry = JoinPath(folder, hit.cFileName);
        if (hit.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) entry = FolderEntryText(entry);
        lines.push_back(std::move(entry));
    } while (FindNextFileA(search, &hit));
    FindClose(search);
    AddLines(list, lines);
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
