#include "rules/FolderExpansion.h"

#include "rules/RuleText.h"
#include "scan/EntryKinds.h"
#include "scan/NameMask.h"

#include <windows.h>

#include <algorithm>

namespace {

constexpr size_t PathLimit = MAX_PATH;

struct Found {
    std::wstring path;
    bool folder;
};

HANDLE FindFirst(const std::wstring& pattern, WIN32_FIND_DATAW& entry, bool foldersOnly)
{
    return FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry,
                            foldersOnly ? FindExSearchLimitToDirectories : FindExSearchNameMatch, nullptr,
                            FIND_FIRST_EX_LARGE_FETCH);
}

std::wstring Joined(const std::wstring& folder, const std::wstring& name)
{
    return folder.back() == L'\\' ? folder + name : folder + L'\\' + name;
}

// The items of `folder` that `part` names: folders only unless it is the
// last part and files are wanted too. A link is never among them.
void Step(const std::wstring& folder, const std::wstring& part, bool last, bool filesToo, std::vector<Found>& into)
{
    const std::wstring pattern = Joined(folder, part);
    if (pattern.size() >= PathLimit) return;
    const bool foldersOnly = !(last && filesToo);
    WIN32_FIND_DATAW entry = {};
    HANDLE search = FindFirst(pattern, entry, foldersOnly);
    if (search == INVALID_HANDLE_VALUE) return;
    const NameMask mask(part);
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L".." || IsLink(entry)) continue;
        const bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (foldersOnly && !isFolder) continue;
        if (!mask.Matches(entry.cFileName)) continue;
        into.push_back({Joined(folder, name), isFolder});
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

// The same from a folder's cached listing: a plain part is looked up, a
// part with wildcards matched against every name.
void CachedStep(PlaceCache& cache, const std::wstring& folder, const std::wstring& part, bool last, bool filesToo,
                std::vector<Found>& into)
{
    const PlaceCache::Listing& entries = cache.Entries(folder);
    const auto take = [&](const PlaceCache::Entry& entry) {
        const bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (IsLink(entry) || (!isFolder && !(last && filesToo))) return;
        into.push_back({Joined(folder, entry.name), isFolder});
    };
    if (!HasWildcards(part)) {
        const auto found = entries.find(FoldedCase(part));
        if (found != entries.end()) take(found->second);
        return;
    }
    const NameMask mask(part);
    for (const auto& entry : entries)
        if (mask.Matches(entry.second.name.c_str())) take(entry.second);
}

std::vector<Found> Expand(const RuleVariables::Expansion& path, bool filesToo, const WorkStatus* status,
                          PlaceCache* cache)
{
    // The part the variables gave is taken as the system has it; from the
    // first backslash after it on, every part is looked at.
    size_t fixed = std::min(path.fixedLength, path.path.size());
    if (fixed < 3) fixed = 3;
    else if (fixed < path.path.size() && path.path[fixed] != L'\\') fixed = path.path.rfind(L'\\', fixed);
    if (fixed < 3) fixed = 3;
    const std::wstring base = path.path.substr(0, fixed);
    if (HasWildcards(base)) return {};
    if (cache != nullptr) {
        if (!cache->IsFolder(base)) return {};
    } else {
        const DWORD attributes = GetFileAttributesW(base.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return {};
    }

    std::vector<std::wstring> parts;
    for (const std::wstring& part : SplitText(path.path.substr(fixed), L'\\'))
        if (!part.empty()) parts.push_back(part);
    std::vector<Found> current{{base, true}};
    for (size_t index = 0; index < parts.size(); ++index) {
        if (status != nullptr && status->StopRequested()) return {};
        std::vector<Found> next;
        const bool last = index + 1 == parts.size();
        for (const Found& folder : current) {
            if (!folder.folder) continue;
            if (cache != nullptr) CachedStep(*cache, folder.path, parts[index], last, filesToo, next);
            else Step(folder.path, parts[index], last, filesToo, next);
        }
        current = std::move(next);
    }
    return current;
}

}  // namespace

bool HasWildcards(const std::wstring& text) { return text.find_first_of(L"*?") != std::wstring::npos; }

std::vector<std::wstring> MatchingFolders(const RuleVariables::Expansion& path, const WorkStatus* status)
{
    std::vector<std::wstring> folders;
    for (Found& found : Expand(path, false, status, nullptr)) folders.push_back(std::move(found.path));
    std::sort(folders.begin(), folders.end());
    return folders;
}

bool AnyMatchingItem(const RuleVariables::Expansion& path, PlaceCache& cache)
{
    return !Expand(path, true, nullptr, &cache).empty();
}
