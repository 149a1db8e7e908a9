#include "tests/traces/TraceKeys.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

const char Explorer[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
const char InternetExplorer[] = "Software\\Microsoft\\Internet Explorer\\";
const char FindBar[] = "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}";
const char OpenSaveMru[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU";

std::string Join(const std::string& key, const char* name) { return key + "\\" + name; }

bool MakeKey(const std::string& key, const char* value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return false;
    if (value != nullptr)
        RegSetValueExA(handle, "MRUList", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(std::strlen(value) + 1));
    RegCloseKey(handle);
    return true;
}

}  // namespace

std::vector<std::string> KeysOf(TraceKind kind)
{
    switch (kind) {
    case TraceKind::UrlHistory:
        return {};
    case TraceKind::AutoCompletePasswords:
        return {std::string(InternetExplorer) + "IntelliForms"};
    case TraceKind::RunHistory:
        return {std::string(Explorer) + "RunMRU"};
    case TraceKind::FindHistory:
        // Windows' key name, in two pieces as in the cleaner.
        return {std::string(Explorer) + "Doc Find Sp" "ec MRU", Join(FindBar, "ContainingTextMRU"),
                Join(FindBar, "FilesNamedMRU"), std::string(Explorer) + "FindComputerMRU",
                Join(FindBar, "ComputerNameMRU")};
    case TraceKind::TypedUrl:
        return {std::string(InternetExplorer) + "TypedURLs"};
    case TraceKind::RecentDocuments: {
        std::vector<std::string> keys = {std::string(Explorer) + "RecentDocs"};
        for (const char* extension : {".*", "DAT", "exe", "htm", "INF", "JPG", "js", "rar", "txt", "zip"})
            keys.push_back(Join(OpenSaveMru, extension));
        return keys;
    }
    }
    return {};
}

std::vector<std::string> AllTraceKeys()
{
    std::vector<std::string> keys;
    for (size_t kind = 0; kind < TraceKindCount; ++kind)
        for (const std::string& key : KeysOf(static_cast<TraceKind>(kind))) keys.push_back(key);
    return keys;
}

std::vector<std::string> TraceKeys::Bystanders()
{
    return {OpenSaveMru, Join(OpenSaveMru, "doc"), Join(OpenSaveMru, "pdf"), FindBar};
}

std::string TraceKeys::BranchOf(const std::string& key) { return key + "\\Branch\\Leaf"; }

bool TraceKeys::Exists(const std::string& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

TraceKeys::TraceKeys()
{
    // Note which keys above ours are missing now: those are ours to remove.
    std::vector<std::string> above;
    for (const std::string& key : AllTraceKeys())
        for (size_t slash = key.find('\\'); slash != std::string::npos; slash = key.find('\\', slash + 1))
            above.push_back(key.substr(0, slash));
    for (const std::string& key : Bystanders()) above.push_back(key);
    std::sort(above.begin(), above.end());
    above.erase(std::unique(above.begin(), above.end()), above.end());
    for (const std::string& key : above)
        if (!Exists(key)) m_madeAbove.push_back(key);
    std::sort(m_madeAbove.begin(), m_madeAbove.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    Create();
}

void TraceKeys::Create()
{
    for (const std::string& key : AllTraceKeys()) {
        ASSERT_TRUE(MakeKey(key, "ab")) << key;
        ASSERT_TRUE(MakeKey(BranchOf(key), "a")) << key;
    }
    // A value only in what this object made: a key that was there keeps its own.
    for (const std::string& key : Bystanders()) {
        const bool madeHere = std::find(m_madeAbove.begin(), m_madeAbove.end(), key) != m_madeAbove.end();
        ASSERT_TRUE(MakeKey(key, madeHere ? "a" : nullptr)) << key;
    }
}

TraceKeys::~TraceKeys()
{
    for (const std::string& key : AllTraceKeys()) RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
    for (const std::string& key : {Join(OpenSaveMru, "doc"), Join(OpenSaveMru, "pdf")})
        RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
    // One key at a time: a key that holds anything not made here stays.
    for (const std::string& key : m_madeAbove) {
        HKEY handle = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_SET_VALUE, &handle) == ERROR_SUCCESS) {
            RegDeleteValueA(handle, "MRUList");
            RegCloseKey(handle);
        }
        RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
    }
}

std::vector<std::string> TraceKeys::Present() const
{
    std::vector<std::string> keys = AllTraceKeys();
    for (const std::string& key : AllTraceKeys()) keys.push_back(BranchOf(key));
    for (const std::string& key : Bystanders()) keys.push_back(key);
    std::vector<std::string> present;
    for (const std::string& key : keys)
        if (Exists(key)) present.push_back(key);
    return present;
}
