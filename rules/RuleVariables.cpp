#include "rules/RuleVariables.h"

#include "rules/RuleText.h"

#include <windows.h>
#include <knownfolders.h>
#include <lmcons.h>
#include <shlobj.h>

namespace {

std::wstring KnownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path)) && path != nullptr) folder = path;
    CoTaskMemFree(path);
    return folder;
}

std::wstring WithoutTrailingSeparator(std::wstring folder)
{
    while (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
    return folder;
}

std::wstring TempFolder()
{
    wchar_t buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) return {};
    return WithoutTrailingSeparator(std::wstring(buffer, length));
}

std::wstring UserName()
{
    wchar_t buffer[UNLEN + 1];
    DWORD size = UNLEN + 1;
    return GetUserNameW(buffer, &size) ? std::wstring(buffer) : std::wstring();
}

// A path cut into its parts at backslashes; false when a part is empty,
// "." or "..": such a path is not taken at its word.
bool CleanParts(const std::wstring& path, size_t from)
{
    for (const std::wstring& part : SplitText(path.substr(from), L'\\'))
        if (part.empty() || part == L"." || part == L"..") return false;
    return true;
}

}  // namespace

RuleVariables RuleVariables::OfSystem()
{
    RuleVariables variables;
    const auto known = [&](const wchar_t* name, REFKNOWNFOLDERID id) { variables.Set(name, {KnownFolder(id)}); };
    known(L"AppData", FOLDERID_RoamingAppData);
    known(L"LocalAppData", FOLDERID_LocalAppData);
    known(L"LocalLowAppData", FOLDERID_LocalAppDataLow);
    known(L"ProgramData", FOLDERID_ProgramData);
    known(L"CommonAppData", FOLDERID_ProgramData);
    known(L"AllUsersProfile", FOLDERID_ProgramData);
    known(L"UserProfile", FOLDERID_Profile);
    known(L"Documents", FOLDERID_Documents);
    known(L"Pictures", FOLDERID_Pictures);
    known(L"Music", FOLDERID_Music);
    known(L"Video", FOLDERID_Videos);
    known(L"Public", FOLDERID_Public);
    known(L"WinDir", FOLDERID_Windows);
    known(L"SystemRoot", FOLDERID_Windows);
    variables.Set(L"ProgramFiles", {KnownFolder(FOLDERID_ProgramFilesX64), KnownFolder(FOLDERID_ProgramFilesX86)});
    variables.Set(L"CommonProgramFiles",
                  {KnownFolder(FOLDERID_ProgramFilesCommonX64), KnownFolder(FOLDERID_ProgramFilesCommonX86)});
    const std::wstring windows = KnownFolder(FOLDERID_Windows);
    variables.Set(L"SystemDrive", {windows.size() >= 2 ? windows.substr(0, 2) : std::wstring()});
    const std::wstring profile = KnownFolder(FOLDERID_Profile);
    variables.Set(L"HomeDrive", {profile.size() >= 2 ? profile.substr(0, 2) : std::wstring()});
    variables.Set(L"Temp", {TempFolder()});
    variables.Set(L"Tmp", {TempFolder()});
    variables.Set(L"UserName", {UserName()});
    return variables;
}

void RuleVariables::Set(const std::wstring& name, std::vector<std::wstring> folders)
{
    std::vector<std::wstring> known;
    for (std::wstring& folder : folders) {
        folder = WithoutTrailingSeparator(folder);
        bool seen = folder.empty();
        for (const std::wstring& other : known) seen = seen || FoldedCase(other) == FoldedCase(folder);
        if (!seen) known.push_back(std::move(folder));
    }
    m_folders[FoldedCase(name)] = std::move(known);
}

std::vector<RuleVariables::Expansion> RuleVariables::Expand(const std::wstring& rulePath) const
{
    std::vector<Expansion> paths{{L"", 0}};
    size_t at = 0;
    while (at < rulePath.size()) {
        const size_t open = rulePath.find(L'%', at);
        const std::wstring literal = rulePath.substr(at, open == std::wstring::npos ? std::wstring::npos : open - at);
        for (Expansion& path : paths) path.path += literal;
        if (open == std::wstring::npos) break;
        const size_t close = rulePath.find(L'%', open + 1);
        if (close == std::wstring::npos) return {};
        const auto found = m_folders.find(FoldedCase(rulePath.substr(open + 1, close - open - 1)));
        if (found == m_folders.end() || found->second.empty()) return {};
        std::vector<Expansion> expanded;
        for (const Expansion& path : paths)
            for (const std::wstring& folder : found->second) {
                const std::wstring joined = path.path + folder;
                expanded.push_back({joined, joined.size()});
            }
        paths = std::move(expanded);
        at = close + 1;
    }
    std::vector<Expansion> full;
    for (Expansion& path : paths) {
        // "%LocalAppData%\\Temp" means what it would with one backslash.
        for (size_t twice = path.path.find(L"\\\\", 2); twice != std::wstring::npos;
             twice = path.path.find(L"\\\\", twice)) {
            path.path.erase(twice, 1);
            if (path.fixedLength > twice) --path.fixedLength;
        }
        path.path = WithoutTrailingSeparator(path.path);
        if (path.fixedLength > path.path.size()) path.fixedLength = path.path.size();
        if (IsFullDrivePath(path.path)) full.push_back(std::move(path));
    }
    return full;
}

bool IsFullDrivePath(const std::wstring& path)
{
    if (path.size() < 3 || !IsCharAlphaW(path[0]) || path[1] != L':' || path[2] != L'\\') return false;
    // A colon past the drive would name a file's stream.
    if (path.find_first_of(L"/%\"<>|") != std::wstring::npos) return false;
    if (path.find(L':', 2) != std::wstring::npos) return false;
    return path.size() == 3 || CleanParts(path, 3);
}
