#include "rules/PlaceCache.h"

#include "rules/RuleText.h"

#include <cstdint>

const PlaceCache::Listing& PlaceCache::Entries(const std::wstring& folder)
{
    const std::wstring folded = FoldedCase(folder);
    const auto found = m_folders.find(folded);
    if (found != m_folders.end()) return found->second;
    Listing& listing = m_folders[folded];
    const std::wstring pattern = (folder.back() == L'\\' ? folder : folder + L'\\') + L'*';
    if (pattern.size() >= MAX_PATH) return listing;
    WIN32_FIND_DATAW entry = {};
    HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return listing;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        listing[FoldedCase(name)] = {name, entry.dwFileAttributes, entry.dwReserved0};
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return listing;
}

bool PlaceCache::IsFolder(const std::wstring& path)
{
    const std::wstring folded = FoldedCase(path);
    const auto found = m_isFolder.find(folded);
    if (found != m_isFolder.end()) return found->second;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return m_isFolder[folded] = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

const std::set<std::wstring>* PlaceCache::Subkeys(HKEY hive, const std::wstring& key, REGSAM view)
{
    const std::wstring id = std::to_wstring(view) + L'|' +
                            std::to_wstring(reinterpret_cast<std::uintptr_t>(hive)) + L'|' + FoldedCase(key);
    if (m_missingKeys.count(id) != 0) return nullptr;
    const auto found = m_keys.find(id);
    if (found != m_keys.end()) return &found->second;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(hive, key.empty() ? nullptr : key.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | view, &opened) !=
        ERROR_SUCCESS) {
        m_missingKeys.insert(id);
        return nullptr;
    }
    std::set<std::wstring>& names = m_keys[id];
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = 256;
        const LONG result = RegEnumKeyExW(opened, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_MORE_DATA) continue;  // longer than a key name may be
        if (result != ERROR_SUCCESS) break;
        names.insert(FoldedCase(std::wstring(name, length)));
    }
    RegCloseKey(opened);
    return &names;
}

bool PlaceCache::KeyExists(HKEY hive, const std::wstring& key, REGSAM view)
{
    std::wstring parent;
    for (const std::wstring& part : SplitText(key, L'\\')) {
        if (part.empty()) continue;
        const std::set<std::wstring>* subkeys = Subkeys(hive, parent, view);
        if (subkeys == nullptr || subkeys->count(FoldedCase(part)) == 0) return false;
        parent += (parent.empty() ? L"" : L"\\") + part;
    }
    return !parent.empty();
}
