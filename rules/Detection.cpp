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

bool FileFound(const std::wstring& rulePath, const RuleVariables& variables)
{
    for (const RuleVariables::Expansion& path : variables.Expand(rulePath))
        if (AnyMatchingItem(path)) return true;
    return false;
}

bool KeyFound(const std::wstring& text)
{
    RegistryPath path;
    return ReadRegistryPath(text, path) && !path.key.empty() && RegistryKeyExists(path);
}

// The browsers SpecialDetect= names, found where they keep their profiles
// or where they register themselves.
int SpecialFound(const std::wstring& name, const RuleVariables& variables)
{
    const std::wstring special = FoldedCase(Trimmed(name));
    if (special == L"DET_CHROME")
        return FileFound(L"%LocalAppData%\\Google\\Chrome\\User Data", variables) ||
               KeyFound(L"HKCU\\Software\\Google\\Chrome") || KeyFound(L"HKLM\\Software\\Google\\Chrome");
    if (special == L"DET_MOZILLA")
        return FileFound(L"%AppData%\\Mozilla\\Firefox", variables) || KeyFound(L"HKLM\\Software\\Mozilla\\Mozilla Firefox");
    if (special == L"DET_THUNDERBIRD")
        return FileFound(L"%AppData%\\Thunderbird", variables) ||
               KeyFound(L"HKLM\\Software\\Mozilla\\Mozilla Thunderbird");
    if (special == L"DET_OPERA")
        return FileFound(L"%AppData%\\Opera Software", variables) || KeyFound(L"HKCU\\Software\\Opera Software");
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

bool Applies(const RuleEntry& entry, const RuleVariables& variables, KernelVersion version)
{
    if (!OsHolds(entry.detectOs, version)) return false;
    // A browser named is one more detection; one not known fails the entry.
    if (!Trimmed(entry.specialDetect).empty()) {
        const int found = SpecialFound(entry.specialDetect, variables);
        if (found != 0) return found > 0;
    } else if (entry.detectKeys.empty() && entry.detectFiles.empty()) {
        return true;
    }
    for (const std::wstring& key : entry.detectKeys)
        if (KeyFound(key)) return true;
    for (const std::wstring& file : entry.detectFiles)
        if (FileFound(file, variables)) return true;
    return false;
}
