#include "rules/RuleFile.h"

#include "rules/RuleSources.h"
#include "scan/WideText.h"
#include "tests/rules/RuleTestSupport.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <fstream>

namespace {

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// Mistakes real rule files hold, each beside what it is read as.
const char* const MistakesFile =
    "; a comment\r\n"
    "[Gadget Cache *]\r\n"
    "LangSecRef=3021\r\n"
    "Detect1=HKCU\\Software\\Gadget\r\n"
    "Detect3=HKLM\\Software\\Gadget\r\n"
    "DetectFile=%ProgramFiles%\\Gadget*\\gadget.exe\r\n"
    "FileKey2=%LocalAppData%\\Gadget\\Cache|*.*|Recurse\r\n"
    "FileKey1 = %LocalAppData%\\Gadget\\Logs\\|*.log;*.txt;|RECURSE|\r\n"
    "FileKey3=%LocalAppData%\\Gadget\\Dumps|*.dmp|REMOVESELF\\\r\n"
    "FileKey4=%LocalAppData%\\Gadget\\NoMask\r\n"
    "FileKey5=%LocalAppData%\\Gadget\\Flag|*.tmp|RECURS\r\n"
    "FileKey6=%Package\\Gadget|*.tmp\r\n"
    "FileKey9=\t%UserProfile%\\AppData%\\Gadget|\tLOG\t\r\n"
    "ExcludeKey1=FILE|%LocalAppData%\\Gadget\\Cache\\|index.dat\r\n"
    "ExcludeKey2=PATH|%LocalAppData%\\Gadget\\Cache\\Keep\\|*.*\r\n"
    "ExcludeKey3=REG|HKCU\\Software\\Gadget\\Keep\r\n"
    "RegKey1=HKCU\\Software\\Gadget\\MRU\r\n"
    "RegKey2=HKEY_CURRENT_USER\\Software\\Gadget|Last 100%\r\n"
    "RegKey3=HKCU\r\n"
    "Warning=Gadget must be closed.\r\n"
    "\r\n"
    "[gadget cache *]\n"
    "FileKey1=%Temp%|*.*\n"
    "[Bad Exclude]\n"
    "FileKey1=%Temp%|*.tmp\n"
    "ExcludeKey1=DIR|%Temp%\\keep\n"
    "[Misspelt]\n"
    "ExludeKey1=FILE|%Temp%|keep.tmp\n"
    "FileKey1=%Temp%|*.tmp\n";

TEST(RuleFileTest, ReadsWhatIsCertainAndLeavesOutWhatIsNot)
{
    const RuleFile file = ParseRules(MistakesFile, "Winapp2.ini");
    ASSERT_EQ(file.error, "");
    ASSERT_EQ(file.entries.size(), 3u);  // the duplicate name is left out

    const RuleEntry& gadget = file.entries[0];
    EXPECT_EQ(Narrow(gadget.name), "Gadget Cache *");
    EXPECT_EQ(Narrow(gadget.section), "Applications");
    EXPECT_EQ(gadget.detectKeys.size(), 2u);
    EXPECT_EQ(gadget.detectFiles.size(), 1u);
    EXPECT_EQ(Narrow(gadget.warning), "Gadget must be closed.");
    EXPECT_FALSE(gadget.unusable);

    // Kept: the flags however spelt; the folder's trailing backslash and the
    // empty mask dropped. Left to expansion: the half-typed variables.
    ASSERT_EQ(gadget.fileKeys.size(), 5u);
    EXPECT_EQ(gadget.fileKeys[0].reach, FileKey::Reach::Subfolders);
    EXPECT_EQ(gadget.fileKeys[1].line, 8);
    EXPECT_EQ(Narrow(gadget.fileKeys[1].folder), "%LocalAppData%\\Gadget\\Logs");
    EXPECT_EQ(gadget.fileKeys[1].masks, (std::vector<std::wstring>{L"*.log", L"*.txt"}));
    EXPECT_EQ(gadget.fileKeys[1].reach, FileKey::Reach::Subfolders);
    EXPECT_EQ(gadget.fileKeys[2].reach, FileKey::Reach::SubfoldersAndEmptied);
    EXPECT_EQ(Narrow(gadget.fileKeys[3].folder), "%Package\\Gadget");
    EXPECT_EQ(gadget.fileKeys[4].masks, (std::vector<std::wstring>{L"LOG"}));

    ASSERT_EQ(gadget.excludes.size(), 3u);
    EXPECT_EQ(gadget.excludes[0].kind, ExcludeKey::Kind::File);
    EXPECT_EQ(Narrow(gadget.excludes[0].folder), "%LocalAppData%\\Gadget\\Cache");
    EXPECT_EQ(Narrow(gadget.excludes[0].mask), "index.dat");
    EXPECT_EQ(gadget.excludes[1].kind, ExcludeKey::Kind::Path);
    EXPECT_EQ(gadget.excludes[2].kind, ExcludeKey::Kind::Registry);

    ASSERT_EQ(gadget.regKeys.size(), 2u);  // never a hive alone
    EXPECT_FALSE(gadget.regKeys[0].isValue);
    EXPECT_TRUE(gadget.regKeys[1].isValue);
    EXPECT_EQ(Narrow(gadget.regKeys[1].value), "Last 100%");

    // An exclude of an unknown kind, or a misspelt one, and nothing goes.
    EXPECT_TRUE(file.entries[1].unusable);
    EXPECT_TRUE(file.entries[2].unusable);

    std::vector<int> noted;
    for (const RuleNote& note : file.notes) noted.push_back(note.line);
    EXPECT_EQ(noted, (std::vector<int>{10, 11, 19, 22, 26, 28}));
    EXPECT_EQ(NoteText(file.notes[0]), "Winapp2.ini, line 10: a key without a folder or a mask removes nothing");
}

TEST(RuleFileTest, ReadsEveryEncodingUsersKeep)
{
    const std::string utf8 = "[Caf\xC3\xA9]\nFileKey1=%Temp%|*.tmp\n";
    const std::string marked = "\xEF\xBB\xBF" + utf8;
    const std::string ansi = "[Caf\xE9]\r\nFileKey1=%Temp%|*.tmp\r\n";  // code page 1252
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("[Caf\xE9]\r\nFileKey1=%Temp%|*.tmp\r\n")) {
        utf16 += c;
        utf16 += '\0';
    }
    for (const std::string& bytes : {utf8, marked, ansi, utf16}) {
        const RuleFile file = ParseRules(bytes, "rules.ini");
        ASSERT_EQ(file.entries.size(), 1u) << file.error;
        EXPECT_EQ(file.entries[0].name, L"Caf\u00E9");
        EXPECT_EQ(file.entries[0].fileKeys.size(), 1u);
    }
}

TEST(RuleFileTest, AFileThatIsNotRulesGivesOneMessageAndNoEntries)
{
    const RuleFile garbled = ParseRules("[Fine]\nFileKey1=%Temp%|*.tmp\n<html>\n[Next]\n", "C:\\x\\Winapp2.ini");
    EXPECT_TRUE(garbled.entries.empty());
    EXPECT_EQ(garbled.error, "C:\\x\\Winapp2.ini, line 3: not a line of a rule file; nothing of the file is used");

    const RuleFile binary = ParseRules(std::string("[A]\nFileKey1=x\0y\n", 16), "b.ini");
    EXPECT_TRUE(binary.entries.empty());
    EXPECT_NE(binary.error.find("b.ini, line 2"), std::string::npos);

    EXPECT_NE(ReadRuleFile("C:\\no-such-folder\\Winapp2.ini").error, "");
}

TEST(RuleFileTest, TheBuiltInSetReadsWithoutANoteAndAUserEntryReplacesItsNamesake)
{
    const RuleFile builtIn = BuiltInRules();
    ASSERT_EQ(builtIn.error, "");
    EXPECT_TRUE(builtIn.notes.empty()) << NoteText(builtIn.notes[0]);
    EXPECT_GE(builtIn.entries.size(), 14u);

    RuleSet rules;
    LayRules(rules, builtIn);
    LayRules(rules, ParseRules("[chrome cache]\nFileKey1=%Temp%\\Mine|*.tmp\n[Mine]\nFileKey1=%Temp%|*.x\n", "user"));
    EXPECT_EQ(rules.entries.size(), builtIn.entries.size() + 1);
    for (const RuleEntry& entry : rules.entries) {
        if (entry.name == L"chrome cache") {
            EXPECT_EQ(entry.fileKeys.size(), 1u);
        }
    }
}

TEST(RuleFileTest, TheUsersFileInTheApplicationDataFolderIsLaidOverTheBuiltInSet)
{
    {
        const ScopedUserRuleFile file("[Chrome Cache]\r\nFileKey1=%Temp%\\Mine|*.tmp\r\n");
        EXPECT_EQ(UserRuleFile(), file.Path());
        const RuleSet rules = DefaultRules();
        EXPECT_EQ(rules.entries.size(), BuiltInRules().entries.size());
        for (const RuleEntry& entry : rules.entries) {
            if (entry.name == L"Chrome Cache") {
                EXPECT_EQ(entry.fileKeys.size(), 1u);
            }
        }
    }
    EXPECT_EQ(UserRuleFile(), "");
}

}  // namespace
