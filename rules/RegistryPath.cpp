#include "rules/RegistryPath.h"

#include "rules/RuleText.h"

bool ReadRegistryPath(const std::wstring& text, RegistryPath& path)
{
    static const struct {
        const wchar_t* shortName;
        const wchar_t* longName;
        HKEY hive;
    } hives[] = {
        {L"HKCU", L"HKEY_CURRENT_USER", HKEY_CURRENT_USER}, {L"HKLM", L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
        {L"HKU", L"HKEY_USERS", HKEY_USERS},                {L"HKCR", L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
        {L"HKCC", L"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
    };
    const std::wstring trimmed = Trimmed(text);
    const size_t slash = trimmed.find(L'\\');
    const std::wstring first = FoldedCase(trimmed.substr(0, slash));
    std::wstring key = slash == std::wstring::npos ? std::wstring() : trimmed.substr(slash + 1);
    while (!key.empty() && key.back() == L'\\') key.pop_back();
    for (const auto& hive : hives)
        if (first == hive.shortName || first == hive.longName) {
            path = {hive.hive, hive.shortName, key};
            return true;
        }
    return false;
}
