#include "rules/RuleSources.h"

#include "rules/RuleText.h"
#include "scan/WideText.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <map>

namespace {

const char* const RuleFileName = "Winapp2.ini";

std::string ProgramFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    std::wstring folder(path, length);
    folder.erase(folder.rfind(L'\\'));
    return NarrowFromWide(folder);
}

std::string AppDataFolder()
{
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &path)) && path != nullptr)
        folder = NarrowFromWide(path);
    CoTaskMemFree(path);
    return folder;
}

}  // namespace

RuleFile BuiltInRules()
{
    HRSRC found = FindResourceW(nullptr, L"BUILTIN_RULES", MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        RuleFile missing;
        missing.error = "the built-in rules are missing from the program";
        return missing;
    }
    return ParseRules(std::string(static_cast<const char*>(data), SizeofResource(nullptr, found)), "built-in rules");
}

std::string UserRuleFile()
{
    for (const std::string& folder : {ProgramFolder(), AppDataFolder().empty() ? "" : AppDataFolder() + "\\Dustrel"}) {
        if (folder.empty()) continue;
        const std::string path = folder + "\\" + RuleFileName;
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return path;
    }
    return {};
}

void LayRules(RuleSet& base, const RuleFile& over)
{
    if (!over.error.empty()) base.errors.push_back(over.error);
    for (const RuleNote& note : over.notes) base.notes.push_back(NoteText(note));
    std::map<std::wstring, size_t> byName;
    for (size_t index = 0; index < base.entries.size(); ++index) byName[FoldedCase(base.entries[index].name)] = index;
    for (const RuleEntry& entry : over.entries) {
        const auto found = byName.find(FoldedCase(entry.name));
        if (found != byName.end()) base.entries[found->second] = entry;
        else base.entries.push_back(entry);
    }
}

RuleSet DefaultRules()
{
    RuleSet rules;
    LayRules(rules, BuiltInRules());
    const std::string user = UserRuleFile();
    if (!user.empty()) LayRules(rules, ReadRuleFile(user));
    return rules;
}

RuleSet RulesOfFile(const std::string& path)
{
    RuleSet rules;
    LayRules(rules, ReadRuleFile(path));
    return rules;
}
