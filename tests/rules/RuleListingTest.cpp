#include "rules/RuleListing.h"

#include "tests/rules/RuleTestSupport.h"
#include "tests/support/Links.h"
#include "tests/support/ScopedVariable.h"

#include <knownfolders.h>
#include <shlobj.h>

namespace {

struct Line {
    std::string text;
    std::string rule;
    std::uint64_t bytes;
    bool operator==(const Line& other) const
    {
        return text == other.text && rule == other.rule && bytes == other.bytes;
    }
};

std::ostream& operator<<(std::ostream& out, const Line& line)
{
    return out << line.text << " [" << line.rule << "] " << line.bytes;
}

std::vector<Line> LinesOf(const ResultSet& results, const std::string& home)
{
    std::vector<Line> lines;
    for (const Result& result : results.Items()) {
        std::string text = result.line;
        if (text.compare(0, home.size(), home) == 0) text = "~" + text.substr(home.size());
        lines.push_back({text, result.rule, result.bytes});
    }
    return lines;
}

TEST(RuleListingTest, ListsOneLinePerRootWithTheSizeItsRemovalWouldFree)
{
    TestFolder home;
    // Two profiles of a browser, and a link to one of them that is not a third.
    MakeSizedFile(home, "Local\\Browser\\User Data\\Default\\Cache\\data_1", 100);
    MakeSizedFile(home, "Local\\Browser\\User Data\\Default\\Cache\\sub\\f_000001", 20);
    MakeSizedFile(home, "Local\\Browser\\User Data\\Default\\Cache\\index", 7);
    MakeSizedFile(home, "Local\\Browser\\User Data\\Profile 1\\Cache\\data_1", 50);
    MakeSizedFile(home, "Local\\Browser\\User Data\\Profile 1\\Cache\\keep\\a.bin", 3);
    MakeSizedFile(home, "Local\\Browser Beta\\User Data\\Default\\Cache\\data_1", 9);
    ScopedLink profileLink(home / "Local\\Browser\\User Data\\Linked", home / "Local\\Browser\\User Data\\Default", true);
    // Windows 10's "Application Data" inside the local folder leads back to it.
    ScopedLink loop(home / "Local\\Application Data", home / "Local", true);
    // Masks read on the long name: "LOG" is that file alone, "*.log" not a ".logfile".
    MakeSizedFile(home, "Local\\Tool\\LOG", 5);
    MakeSizedFile(home, "Local\\Tool\\setup.log", 11);
    MakeSizedFile(home, "Local\\Tool\\report.logfile", 13);
    MakeSizedFile(home, "Local\\Empty\\readme.txt", 1);

    const RuleListing listing = ListRules("[Browser *]\n"
                                          "FileKey1=%LocalAppData%\\Browser*\\User Data\\*\\Cache|*.*|RECURSE\n"
                                          "ExcludeKey1=FILE|%LocalAppData%\\Browser\\User Data\\Default\\Cache|index\n"
                                          "ExcludeKey2=PATH|%LocalAppData%\\Browser*\\User Data\\*\\Cache\\keep|*.*\n"
                                          "[Tool]\n"
                                          "FileKey1=%LocalAppData%\\Tool|LOG\n"
                                          "FileKey2=%LocalAppData%\\*\\Tool|*.log\n"
                                          "FileKey3=%LocalAppData%\\Tool|*.log\n"
                                          "FileKey4=%LocalAppData%\\Empty|*.tmp\n",
                                          ContextIn(home));
    const std::vector<Line> expected = {
        {"~\\Local\\Browser Beta\\User Data\\Default\\Cache\\*.* (with subfolders)", "Browser *", 9},
        {"~\\Local\\Browser\\User Data\\Default\\Cache\\*.* (with subfolders)", "Browser *", 120},
        {"~\\Local\\Browser\\User Data\\Profile 1\\Cache\\*.* (with subfolders)", "Browser *", 50},
        {"~\\Local\\Tool\\*.log", "Tool", 11},
        {"~\\Local\\Tool\\LOG", "Tool", 5},
    };
    EXPECT_EQ(LinesOf(listing.results, home.Path()), expected);
    EXPECT_TRUE(listing.notes.empty());
    const Result& first = listing.results.Items()[0];
    ASSERT_TRUE(first.sweep);
    EXPECT_EQ(first.sweep->root, home / "Local\\Browser Beta\\User Data\\Default\\Cache");
    EXPECT_STREQ(ResultKind(first), "files");
}

TEST(RuleListingTest, AKeyThatWouldEmptyAProtectedPlaceOrDoesNotExpandIsLeftOutAndTold)
{
    TestFolder home;
    MakeSizedFile(home, "Desktop\\Report.docx", 10);
    MakeSizedFile(home, "Desktop\\old.tmp", 2);
    MakeSizedFile(home, "Documents\\Letters\\~$letter.docx", 4);
    MakeSizedFile(home, "Documents\\Letters\\letter.docx", 40);

    const RuleListing listing = ListRules("[Desktop cleaner]\n"
                                          "FileKey1=%Desktop%|*.*\n"
                                          "FileKey2=%Desktop%|*.tmp\n"
                                          "FileKey3=%Documents%|*.tmp|REMOVESELF\n"
                                          "FileKey4=%Documents%|~*.doc*|RECURSE\n"
                                          "FileKey5=%Documents%\\..\\Desktop|*.docx\n"
                                          "FileKey6=%LocalAppData\\Temp|*.tmp\n"
                                          "FileKey7=%Undefined%\\Temp|*.tmp\n"
                                          "FileKey8=Temp|*.tmp\n"
                                          "FileKey9=%Desktop%|?*\n",
                                          ContextIn(home));
    const std::vector<Line> expected = {
        {"~\\Desktop\\*.tmp", "Desktop cleaner", 2},
        {"~\\Documents\\~*.doc* (with subfolders)", "Desktop cleaner", 4},
    };
    EXPECT_EQ(LinesOf(listing.results, home.Path()), expected);
    std::vector<std::string> told;
    for (const std::string& note : listing.notes) told.push_back(note.substr(0, note.find(':')));
    const std::vector<std::string> lines = {
        "test.ini, line 2 (Desktop cleaner)", "test.ini, line 4 (Desktop cleaner)",
        "test.ini, line 6 (Desktop cleaner)", "test.ini, line 7 (Desktop cleaner)",
        "test.ini, line 8 (Desktop cleaner)", "test.ini, line 9 (Desktop cleaner)",
        "test.ini, line 10 (Desktop cleaner)"};
    EXPECT_EQ(told, lines);
}

TEST(RuleListingTest, AnEntryAppliesWhenADetectionFindsItsApplication)
{
    TestFolder home;
    MakeSizedFile(home, "Local\\App\\cache.tmp", 1);
    home.MakeFile("Programs (x86)\\Vendor\\App 2\\app.exe");
    const std::string keyName = "Software\\" + UniqueName("DustrelRuleTest");
    HKEY made = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyName.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                              nullptr, &made, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(made);

    const KernelVersion running = RunningKernelVersion();
    const std::string now = std::to_string(running.major) + "." + std::to_string(running.minor);
    const std::string later = std::to_string(running.major + 1) + ".0";
    const std::string key = "FileKey1=%LocalAppData%\\App|*.tmp\n";
    const struct {
        const char* name;
        std::string detection;
        bool applies;
    } cases[] = {
        {"none", "", true},
        {"32-bit registry view", "Detect=HKLM\\" + keyName + "\n", true},
        {"missing key", "Detect=HKLM\\" + keyName + "\\Missing\n", false},
        {"any of several", "Detect1=HKCU\\Software\\Missing\nDetect2=HKLM\\" + keyName + "\n", true},
        {"file, wildcard last", "DetectFile=%ProgramFiles%\\Vendor\\App*\n", true},
        {"file, wildcard inside", "DetectFile=%ProgramFiles%\\Vendor\\App*\\app.exe\n", true},
        {"missing file", "DetectFile=%ProgramFiles%\\Vendor\\Other*\n", false},
        {"unknown variable", "DetectFile=%Nowhere%\\Vendor\n", false},
        {"running system in range", "DetectOS=" + now + "|" + now + "\n", true},
        {"open lower end", "DetectOS=|" + now + "\n", true},
        {"later system only", "DetectOS=" + later + "|\n", false},
        {"unreadable version", "DetectOS=ten|\n", false},
        {"unknown browser", "SpecialDetect=DET_NETSCAPE\n", false},
        {"browser not installed", "SpecialDetect=DET_OPERA\n", false},
    };
    for (const auto& test : cases) {
        const RuleListing listing = ListRules("[Entry]\n" + test.detection + key, ContextIn(home));
        EXPECT_EQ(listing.results.Size(), test.applies ? 1u : 0u) << test.name;
    }
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, keyName.c_str(), KEY_WOW64_32KEY, 0);
}

TEST(RuleListingTest, RegistryKeysAndValuesThatExistGetLinesOfTheirOwn)
{
    const std::string keyName = "Software\\" + UniqueName("DustrelRuleTest");
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (keyName + "\\MRU\\Keep").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (keyName + "\\History").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Last 100%", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
    RegCloseKey(key);

    TestFolder home;
    const RuleListing listing = ListRules("[Registry]\n"
                                          "RegKey1=HKEY_CURRENT_USER\\" + keyName + "\\History\n"
                                          "RegKey2=HKCU\\" + keyName + "\\History|Last 100%\n"
                                          "RegKey3=HKCU\\" + keyName + "\\History|Missing\n"
                                          "RegKey4=HKCU\\" + keyName + "\\Missing\n"
                                          "RegKey5=HKCU\\" + keyName + "\\MRU\n"
                                          "ExcludeKey1=REG|HKCU\\" + keyName + "\\MRU\\Keep\n",
                                          ContextIn(home));
    std::vector<std::string> lines;
    for (const Result& result : listing.results.Items()) lines.push_back(std::string(ResultKind(result)) + ": " + result.line);
    const std::vector<std::string> expected = {"registry key: HKCU\\" + keyName + "\\History",
                                               "registry value: HKCU\\" + keyName + "\\History | Last 100%"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(listing.notes.size(), 1u);
    RegDeleteTreeA(HKEY_CURRENT_USER, keyName.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, keyName.c_str());
}

TEST(RuleListingTest, VariablesComeFromTheSystemNotTheEnvironment)
{
    ScopedVariable local("LOCALAPPDATA", "C:\\elsewhere");
    ScopedVariable temp("TEMP", "C:\\elsewhere");
    const RuleVariables variables = RuleVariables::OfSystem();
    PWSTR known = nullptr;
    ASSERT_EQ(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &known), S_OK);
    const std::wstring localAppData = known;
    CoTaskMemFree(known);

    const auto expanded = variables.Expand(L"%localappdata%\\\\Cache\\");
    ASSERT_EQ(expanded.size(), 1u);
    EXPECT_EQ(expanded[0].path, localAppData + L"\\Cache");
    EXPECT_EQ(expanded[0].fixedLength, localAppData.size());
    EXPECT_EQ(variables.Expand(L"%ProgramFiles%\\Vendor").size(), 2u);
    EXPECT_EQ(variables.Expand(L"%SystemDrive%\\x")[0].path.substr(1), L":\\x");
    for (const wchar_t* name : {L"%AppData%", L"%LocalLowAppData%", L"%ProgramData%", L"%CommonAppData%",
                                L"%AllUsersProfile%", L"%CommonProgramFiles%", L"%UserProfile%", L"%Documents%",
                                L"%Pictures%", L"%Music%", L"%Video%", L"%Public%", L"%WinDir%", L"%SystemRoot%",
                                L"%Temp%", L"%HomeDrive%"})
        EXPECT_FALSE(variables.Expand(std::wstring(name) + L"\\x").empty()) << NarrowFromWide(name);
    EXPECT_NE(variables.Expand(L"%UserProfile%\\%UserName%").size(), 0u);
    EXPECT_TRUE(variables.Expand(L"%UserProfile%\\AppData%\\x").empty());
    EXPECT_TRUE(variables.Expand(L"%UserProfile%\\..\\x").empty());
    EXPECT_NE(NarrowFromWide(variables.Expand(L"%Temp%")[0].path), "C:\\elsewhere");
}

}  // namespace
