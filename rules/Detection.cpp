#include "rules/Detection.h"

#include "rules/FolderExpansion.h"
#include "rules/RegistryPath.h"
#include "rules/RuleText.h"

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <cwctype>

namespace {

// "6.1", "10.0", "10": false when it is something else.
bool ReadVersion(const std::wstring& text, KernelVersion& version)
{
    const std::vector<std::wstring> parts = SplitText(Trimmed(text), L'.');
    if (parts.size() > 2) return false;
    unsigned numbers[2] = {0, 0};
    for (size_t index = 0; index < parts.size(); ++index) {
        if (parts[index].empty() || parts[index].size() > 4) return false;
        for (wchar_t c : parts[index])
            if (!std::iswdigit(c)) return false;
        numbers[index] = static_cast<unsigned>(std::wcstoul(parts[index].c_str(), nullptr, 10));
    }
    version = {numbers[0], numbers[1]};
    return true;
}

bool NotAfter(KernelVersion a, KernelVersion b) { return a.major < b.major || (a.major == b.major && a.minor <= b.minor); }

bool OsHolds(const std::wstring& range, KernelVersion running)
{
    if (Trimmed(range).empty()) return true;
    const std::vector<std::wstring> sides = SplitText(range, L'|');
    if (sides.size() != 2) return false;
    KernelVersion bound;
    if (!Trimmed(sides[0]).empty() && (!ReadVersion(sides[0], bound) || !NotAfter(bound, running))) return false;
    if (!Trimmed(sides[1]).empty() && (!ReadVersion(sides[1], bound) || !NotAfter(running, bound))) return false;
    return true;
}

bool FileFound(const std::wstring& rulePath, const RuleVariables& variables, PlaceCache& cache)
{
    for (const RuleVariables::Expansion& path : variables.Expand(rulePath))
        if (AnyMatchingItem(path, cache)) return true;
    return false;
}

bool KeyFound(const std::wstring& text, PlaceCache& cache)
{
    RegistryPath path;
    if (!ReadRegistryPath(text, path) || path.key.empty()) return false;
    return cache.KeyExists(path.hive, path.key, KEY_WOW64_64KEY) ||
           cache.KeyExists(path.hive, path.key, KEY_WOW64_32KEY);
}

// The browsers SpecialDetect= names, found where they keep their profiles
// or where they register themselves.
int SpecialFound(const std::wstring& name, const RuleVariables& variables, PlaceCache& cache)
{
    static const struct {
        const wchar_t* name;
        const wchar_t* folder;
        const wchar_t* key;
    } browsers[] = {
        {L"DET_CHROME", L"%LocalAppData%\\Google\\Chrome\\User Data", L"HKCU\\Software\\Google\\Chrome"},
        {L"DET_MOZILLA", L"%AppData%\\Mozilla\\Firefox", L"HKLM\\Software\\Mozilla\\Mozilla Firefox"},
        {L"DET_THUNDERBIRD", L"%AppData%\\Thunderbird", L"HKLM\\Software\\Mozilla\\Mozilla Thunderbird"},
        {L"DET_OPERA", L"%AppData%\\Opera Software", L"HKCU\\Software\\Opera Software"},
    };
    const std::wstring special = FoldedCase(Trimmed(name));
    for (const auto& browser : browsers)
        if (special == browser.name)
            return FileFound(browser.folder, variables, cache) || KeyFound(browser.key, cache) ? 1 : 0;
    return -1;
}

}  // namespace

KernelVersion RunningKernelVersion()
{
    using GetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    FARPROC found = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
    GetVersionFunction getVersion = nullptr;
    static_assert(sizeof getVersion == sizeof found, "function pointers differ in size");
    std::memcpy(&getVersion, &found, sizeof getVersion);
    if (getVersion == nullptr || getVersion(&info) != 0) return {};
    return {info.dwMajorVersion, info.dwMinorVersion};
}

bool Applies(const RuleEntry& entry, const RuleVariables& variables, KernelVersion version, PlaceCache& cache)
{
    if (!OsHolds(entry.detectOs, version)) return false;
    // A browser named is one more detection; one not known fails the entry.
    if (!Trimmed(entry.specialDetect).empty()) {
        const int found = SpecialFound(entry.specialDetect, variables, cache);
        if (found != 0) return found > 0;
    } else if (entry.detectKeys.empty() && entry.detectFiles.empty()) {
        return true;
    }
    for (const std::wstring& key : entry.detectKeys)
        if (KeyFound(key, cache)) return true;
    for (const std::wstring& file : entry.detectFiles)
        if (FileFound(file, variables, cache)) return true;
    return false;
}
