#pragma once

#include "rules/RuleListing.h"
#include "scan/WideText.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <fstream>
#include <memory>

#include <string>
#include <vector>

// A file of `size` bytes, with the folders above it.
inline std::string MakeSizedFile(const TestFolder& folder, const std::string& relative, DWORD size)
{
    const std::string path = folder.MakeFile(relative);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << path;
    const std::string bytes(size, 'x');
    DWORD written = 0;
    WriteFile(file, bytes.data(), size, &written, nullptr);
    CloseHandle(file);
    return path;
}

// Rules applied as if the user's folders were in a test folder: the
// variables, and the places no rule may empty, point there.
inline RuleContext ContextIn(const TestFolder& home)
{
    RuleContext context{RuleVariables(), ProtectedPlaces(), RunningKernelVersion()};
    const auto wide = [&](const char* relative) { return WideFromNarrow(home / relative); };
    context.variables.Set(L"LocalAppData", {wide("Local")});
    context.variables.Set(L"Documents", {wide("Documents")});
    context.variables.Set(L"Desktop", {wide("Desktop")});
    context.variables.Set(L"ProgramFiles", {wide("Programs"), wide("Programs (x86)")});
    for (const char* place : {"Local", "Documents", "Desktop"}) context.protectedPlaces.Add(wide(place));
    return context;
}

// The user's own rule file in the application-data folder's "Dustrel"
// folder, for one test; the folder goes again if the test made it.
class ScopedUserRuleFile {
public:
    explicit ScopedUserRuleFile(const std::string& text)
    {
        PWSTR appData = nullptr;
        if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &appData) != S_OK) {
            ADD_FAILURE() << "no application-data folder";
            return;
        }
        m_folder = NarrowFromWide(appData) + "\\Dustrel";
        CoTaskMemFree(appData);
        m_madeFolder = CreateDirectoryA(m_folder.c_str(), nullptr) != FALSE;
        m_file = std::make_unique<ScopedFile>(m_folder + "\\Winapp2.ini");
        std::ofstream(m_file->Path(), std::ios::binary) << text;
    }
    ~ScopedUserRuleFile()
    {
        m_file.reset();
        if (m_madeFolder) RemoveDirectoryA(m_folder.c_str());
    }
    ScopedUserRuleFile(const ScopedUserRuleFile&) = delete;
    ScopedUserRuleFile& operator=(const ScopedUserRuleFile&) = delete;
    std::string Path() const { return m_file ? m_file->Path() : std::string(); }

private:
    std::string m_folder;
    bool m_madeFolder = false;
    std::unique_ptr<ScopedFile> m_file;
};

struct RuleListing {
    ResultSet results;
    std::vector<std::string> notes;
};

inline RuleListing ListRules(const std::string& text, const RuleContext& context)
{
    const RuleFile file = ParseRules(text, "test.ini");
    EXPECT_EQ(file.error, "");
    RuleListing listing;
    AddRuleResults(listing.results, file.entries, context, listing.notes);
    return listing;
}
