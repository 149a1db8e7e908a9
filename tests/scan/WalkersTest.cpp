#include "scan/Walkers.h"

#include "scan/FolderSize.h"

#include "tests/scan/ScanTestSupport.h"
#include "tests/support/Links.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestFrame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;

namespace {

struct WalkersTest : ::testing::Test {
    ResultSet list;
    TestFolder folder;
};

TEST_F(WalkersTest, EveryMatchIsListedFilesAsPathsFoldersWithDots)
{
    folder.MakeFile("a.log");
    folder.MakeFile("b.txt");
    folder.MakeFolder("sub");
    folder.MakeFolder("sub\\inner.log");

    AddMatches(list, folder.Path(), "*.*");

    EXPECT_THAT(Lines(list), ElementsAre(folder / "a.log", folder / "b.txt", folder / "sub..."));
}

TEST_F(WalkersTest, SizesAreTheFilesAndTheFilesOfAFoldersTreeWithLinksCountingNothing)
{
    TestFolder outside;
    const std::string linked = outside.MakeFolder("linked");
    outside.MakeFile("linked\\a.tmp");
    outside.MakeFile("linked\\b.tmp");
    folder.MakeFile("a.log");  // every file a test makes holds four bytes
    folder.MakeFile("tree\\one.tmp");
    folder.MakeFile("tree\\deeper\\two.tmp");
    folder.MakeFile("tree\\deeper\\three.tmp", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    ScopedLink link(folder / "tree\\to outside", linked, true);
    ASSERT_TRUE(link.Made());

    AddMatches(list, folder.Path(), "*.*");
    AddFolderEntry(list, folder.Path(), "tree");

    std::vector<std::pair<std::string, std::uint64_t>> sizes;
    for (const Result& result : list.Items()) sizes.emplace_back(result.line, result.bytes);
    EXPECT_THAT(sizes, ElementsAre(Pair(folder / "a.log", 4u), Pair(folder / "tree...", 12u),
                                   Pair(folder / "tree...", 12u)));
    EXPECT_EQ(list.TotalBytes(), 28u);
}

TEST_F(WalkersTest, AListingAskedToStopKeepsWhatItFoundAndAddsNothingMore)
{
    const std::string found = folder.MakeFile("first\\a.log");
    folder.MakeFile("second\\b.log");
    folder.MakeFile("tree\\c.tmp");
    WorkStatus status;
    list.ReportTo(&status);

    AddMatches(list, folder / "first", "*.log");
    EXPECT_EQ(status.Read().current, folder / "first") << "the watcher sees the folder searched";
    status.RequestStop();
    AddMatches(list, folder / "second", "*.log");
    AddFolderEntry(list, folder.Path(), "tree");

    EXPECT_THAT(Lines(list), ElementsAre(found));
}

TEST_F(WalkersTest, AMatchingFolderIsListedEvenAsTheOnlyHit)
{
    folder.MakeFolder("only.log");

    AddMatches(list, folder.Path(), "*.log");

    EXPECT_THAT(Lines(list), ElementsAre(folder / "only.log..."));
}

// The results are shown in their own order: it must be the list box's, in
// whatever locale the list has, also for names outside ASCII (a Russian
// locale's own code page is not the process's).
TEST_F(WalkersTest, HitsStandWhereTheListItselfWouldSortThem)
{
    std::vector<std::string> names = {"b.log", "A.log", "a_b.log", "a-b.log", "Z.LOG", "10.log", "9.log",
                                      "a b.log", "zz.log", "B.LOG2.log", "~x.log", "a.log.log"};
    // Letters outside ASCII, in the system code page, where that code page has them.
    for (const wchar_t* wide : {L"\u00e4rger.log", L"\u0436\u0443\u0440.log", L"\u00c9t\u00e9.log", L"\u738b.log"}) {
        char name[32] = "";
        BOOL lost = FALSE;
        if (WideCharToMultiByte(CP_ACP, 0, wide, -1, name, sizeof name, nullptr, &lost) > 0 && !lost)
            names.push_back(name);
    }
    for (const std::string& name : names) folder.MakeFile(name);
    const char* earlier[] = {folder.Path().c_str(), "C:\\", "D:\\a.log", "z", "", "\xc3\xa9t\xc3\xa9"};

    for (LCID locale : {GetUserDefaultLCID(), MAKELCID(MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), SORT_DEFAULT)}) {
        TestFrame reference;
        SendMessageA(reference.List().m_hWnd, LB_SETLOCALE, locale, 0);
        ResultSet results(locale);
        for (const char* line : earlier) {
            results.Add(ResultOfLine(line));
            reference.List().AddString(line);
        }

        AddMatches(results, folder.Path(), "*.log");

        for (const std::string& name : names) reference.List().AddString((folder / name).c_str());
        EXPECT_EQ(Lines(results), Lines(reference.List())) << "locale " << locale;
    }
}

TEST_F(WalkersTest, EveryNameIsListedExactlyWhateverItsScript)
{
    ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8)) << "the manifest asks for UTF-8 narrow strings";
    const std::string chinese = folder.MakeFile("王.log", FILE_ATTRIBUTE_READONLY);
    const std::string cyrillic = folder.MakeFile("Привет.log");
    const std::string dotted = folder.MakeFile("ċ.log", FILE_ATTRIBUTE_READONLY);
    const std::string plain = folder.MakeFile("c.log", FILE_ATTRIBUTE_READONLY);

    AddMatches(list, folder.Path(), "ċ.*");
    EXPECT_THAT(Lines(list), ElementsAre(dotted));

    list.Clear();
    AddMatches(list, folder.Path(), "*.log");
    EXPECT_THAT(Lines(list), ::testing::UnorderedElementsAre(chinese, cyrillic, dotted, plain));
}

TEST_F(WalkersTest, ANameLongerThanANarrowNameIsListedWholeOrNotAtAll)
{
    // 90 characters of three bytes each: a valid name, too long for a narrow
    // name buffer of the path limit.
    std::string name;
    for (int count = 0; count < 90; ++count) name += "王";
    const std::wstring wideFolder(folder.Path().begin(), folder.Path().end());
    std::wstring wideName(90, L'\u738b');
    HANDLE file = CreateFileW((wideFolder + L"\\" + wideName + L".log").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    AddMatches(list, folder.Path(), "*.log");

    for (const std::string& line : Lines(list)) EXPECT_EQ(line, folder / (name + ".log"));
}

TEST_F(WalkersTest, ANameThePathParserWouldChangeIsLeftAlone)
{
    // "junk.log." and "junk.log " would be read as "junk.log", and "old..." as a folder entry.
    const std::string plain = folder.MakeFile("junk.log", FILE_ATTRIBUTE_READONLY);
    const std::wstring wideFolder = L"\\\\?\\" + std::wstring(folder.Path().begin(), folder.Path().end());
    for (const wchar_t* name : {L"junk.log.", L"junk.log ", L"old..."}) {
        HANDLE file = CreateFileW((wideFolder + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
    }

    AddMatches(list, folder.Path(), "*");

    EXPECT_THAT(Lines(list), ElementsAre(plain));
}

TEST_F(WalkersTest, ThePathLimitCountsCharactersNotBytes)
{
    // Folders named in a three-byte script: one whose path takes 259
    // characters (777 bytes), and one that takes 261. A Unix name holds at
    // most 255 bytes, so each path is made of several names.
    const auto makeFolders = [&](size_t length, wchar_t wideLetter, const char* letter) {
        std::wstring wide = std::wstring(folder.Path().begin(), folder.Path().end());
        std::string narrow;
        for (size_t left = length; left > 0;) {
            const size_t part = std::min<size_t>(left, 80);
            wide += L"\\" + std::wstring(part, wideLetter);
            for (size_t count = 0; count < part; ++count) narrow += letter;
            left -= part;
            if (left > 0) narrow += "\\", --left;
            EXPECT_TRUE(CreateDirectoryW((L"\\\\?\\" + wide).c_str(), nullptr));
        }
        return narrow;
    };
    const size_t room = MAX_PATH - 1 - folder.Path().size() - 1;
    const std::string fits = makeFolders(room, L'\u738b', "王");
    const std::string over = makeFolders(room + 2, L'\u8a31', "許");

    AddFolderEntry(list, folder.Path(), fits.c_str());
    AddFolderEntry(list, folder.Path(), over.c_str());

    EXPECT_THAT(Lines(list), ElementsAre(folder / fits + "..."));
}

TEST_F(WalkersTest, MatchingIgnoresCaseAndNeverEntersSubfolders)
{
    folder.MakeFile("welcome.exe");
    folder.MakeFile("Welcome.Txt");
    folder.MakeFile("deeper\\WELCOME.EXE");

    AddMatches(list, folder.Path(), "WELCOME.EXE");

    EXPECT_THAT(Lines(list), ElementsAre(folder / "welcome.exe"));
}

TEST_F(WalkersTest, AFolderWithATrailingBackslashGetsNoSecondOne)
{
    folder.MakeFile("x.bak");

    AddMatches(list, folder.Path() + "\\", "*.bak");

    EXPECT_THAT(Lines(list), ElementsAre(folder / "x.bak"));
}

TEST_F(WalkersTest, AListingChangesNothingOnDisk)
{
    const std::string readOnly = folder.MakeFile("ro.tmp", FILE_ATTRIBUTE_READONLY);
    const std::string readOnlyHidden = folder.MakeFile("rh.tmp", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    const std::string readOnlyFolder = folder.MakeFolder("tree.tmp");
    ASSERT_TRUE(SetFileAttributesA(readOnlyFolder.c_str(), FILE_ATTRIBUTE_READONLY));
    std::vector<DWORD> before;
    for (const std::string& path : {readOnly, readOnlyHidden, readOnlyFolder})
        before.push_back(GetFileAttributesA(path.c_str()));

    AddMatches(list, folder.Path(), "*.tmp");

    EXPECT_THAT(Lines(list), ElementsAre(readOnlyHidden, readOnly, readOnlyFolder + "..."));
    EXPECT_EQ(GetFileAttributesA(readOnly.c_str()), before[0]);
    EXPECT_EQ(GetFileAttributesA(readOnlyHidden.c_str()), before[1]);
    EXPECT_EQ(GetFileAttributesA(readOnlyFolder.c_str()), before[2]);
    SetFileAttributesA(readOnlyFolder.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The system's search also matches 8.3 short names: "notes.bak2" is found
// by "*.bak" through NOTES~1.BAK. Only the long name may make a hit.
TEST_F(WalkersTest, OnlyTheLongNameMatches)
{
    for (const char* name : {"notes.bak2", "invoice.tmpl", "report.logfile", "plans.older", "readme.txtx"})
        folder.MakeFile(name);
    const std::string bak = folder.MakeFile("real.BAK");
    const std::string bare = folder.MakeFile("winfile");
    const std::string dotted = folder.MakeFile("winfile.ini");
    folder.MakeFile("winfilex");

    for (const char* pattern : {"*.bak", "*.tmp", "*.log", "*.old", "*.txt", "winfile.*", "?infile", "w?nfile.i?i"})
        AddMatches(list, folder.Path(), pattern);

    EXPECT_THAT(Lines(list), ElementsAre(bak, bare, bare, dotted, dotted));
}

// Compact OS, deduplication, cloud files and app execution aliases put
// reparse points on ordinary files; only a tag that names another item makes
// a link. Wine gives no tags, so the tags are set here by hand.
TEST(ReparseTags, OnlyNameSurrogatesAreLinks)
{
    const struct {
        DWORD tag;
        bool link;
    } cases[] = {{IO_REPARSE_TAG_SYMLINK, true},  {IO_REPARSE_TAG_MOUNT_POINT, true}, {0, true},
                 {IO_REPARSE_TAG_WOF, false},     {IO_REPARSE_TAG_DEDUP, false},      {IO_REPARSE_TAG_CLOUD, false},
                 {IO_REPARSE_TAG_APPEXECLINK, false}};
    for (const auto& test : cases) {
        WIN32_FIND_DATAW entry = {};
        entry.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_REPARSE_POINT;
        entry.dwReserved0 = test.tag;
        EXPECT_EQ(IsLink(entry), test.link) << std::hex << test.tag;
        entry.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;
        EXPECT_FALSE(IsLink(entry)) << "not a reparse point at all, whatever the field holds";
    }
}

TEST_F(WalkersTest, AReadOnlyLinkIsListedButItsTargetKeepsItsAttributes)
{
    TestFolder outside;
    const std::string target = outside.MakeFile("target.log", FILE_ATTRIBUTE_READONLY);
    ScopedLink link(folder / "link.log", target, false);
    ASSERT_TRUE(link.Made());

    AddMatches(list, folder.Path(), "*.log");

    EXPECT_THAT(Lines(list), ElementsAre(folder / "link.log"));
    EXPECT_NE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_READONLY, 0u) << "written through the link";
}

TEST_F(WalkersTest, TheSearchedFolderItselfKeepsItsAttributes)
{
    const std::string searched = folder.MakeFolder("searched");
    folder.MakeFile("searched\\a.txt");
    ASSERT_TRUE(SetFileAttributesA(searched.c_str(), FILE_ATTRIBUTE_READONLY));
    const DWORD before = GetFileAttributesA(searched.c_str());

    AddMatches(list, searched, "*.*");

    EXPECT_EQ(GetFileAttributesA(searched.c_str()), before);
    SetFileAttributesA(searched.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(WalkersTest, TheCurrentDirectoryIsTheSameAfterEveryWalk)
{
    folder.MakeFile("a.log");
    folder.MakeFile("not-a-folder");
    const std::string before = CurrentDirectory();

    AddMatches(list, folder.Path(), "*.log");
    EXPECT_EQ(CurrentDirectory(), before);
    AddMatches(list, folder / "missing", "*.log");
    EXPECT_EQ(CurrentDirectory(), before);
    AddSubfolderMatches(list, folder.Path(), "not-a-folder", "*.*");
    EXPECT_EQ(CurrentDirectory(), before);
    AddFolderEntry(list, folder.Path(), "missing");
    EXPECT_EQ(CurrentDirectory(), before);
}

TEST_F(WalkersTest, AFileInPlaceOfTheFolderListsNothing)
{
    folder.MakeFile("Minidump");
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
    folder.MakeFile("dump.dmp");

    AddSubfolderMatches(list, folder.Path(), "Minidump", "*.dmp");
    AddFolderEntry(list, folder.Path(), "Minidump");

    SetCurrentDirectoryA("C:\\");
    EXPECT_THAT(Lines(list), IsEmpty());
}

TEST_F(WalkersTest, SubfolderMatchesJoinBaseAndSubfolder)
{
    folder.MakeFile("System32\\Msdtc\\Trace\\t.log");
    folder.MakeFile("System32\\Msdtc\\m.log");

    AddSubfolderMatches(list, folder.Path(), "System32\\Msdtc\\Trace", "*.log");
    AddSubfolderMatches(list, folder.Path() + "\\", "System32\\Msdtc", "*.log");

    EXPECT_THAT(Lines(list),
                ElementsAre(folder / "System32\\Msdtc\\m.log", folder / "System32\\Msdtc\\Trace\\t.log"));
}

TEST_F(WalkersTest, FolderEntriesListExistingFoldersOnly)
{
    folder.MakeFile("Prefetch\\a.pf");
    folder.MakeFolder("Printhood");
    folder.MakeFile("Debug.txt");

    AddFolderEntry(list, folder.Path(), "Prefetch");
    AddFolderEntry(list, folder.Path() + "\\", "Printhood\\");
    AddFolderEntry(list, folder.Path(), "Missing");
    AddFolderEntry(list, folder.Path(), "Debug.txt");

    EXPECT_THAT(Lines(list), ElementsAre(folder / "Prefetch...", folder / "Printhood\\..."));
    EXPECT_TRUE(Exists(folder / "Prefetch\\a.pf")) << "a folder entry changes nothing on disk";
}

TEST_F(WalkersTest, AnEmptyBaseIsNeverTheRootOfTheCurrentDrive)
{
    // The folder exists at the root of the current drive; an empty base must not reach it.
    const std::string rootName = folder.Path().substr(3, folder.Path().find('\\', 3) - 3);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
    folder.MakeFile("x.log");

    AddFolderEntry(list, "", rootName.c_str());
    AddSubfolderMatches(list, "", rootName.c_str(), "*.*");
    AddMatches(list, "", "*.log");

    SetCurrentDirectoryA("C:\\");
    EXPECT_THAT(Lines(list), IsEmpty());
}

TEST_F(WalkersTest, APathThatDoesNotFitIsSkippedNotCut)
{
    // A folder whose path is the first 259 characters of a longer one: cutting
    // the longer path to the limit would name it.
    const std::string base = folder.Path();
    const std::string name(MAX_PATH - 1 - base.size() - 1, 'x');
    const std::string fitting = folder.MakeFolder(name);
    ASSERT_EQ(fitting.size(), static_cast<size_t>(MAX_PATH - 1));

    AddFolderEntry(list, base, (name + "yyyy").c_str());
    AddSubfolderMatches(list, base, (name + "yyyy").c_str(), "*.*");
    EXPECT_THAT(Lines(list), IsEmpty());

    AddFolderEntry(list, base, name.c_str());
    EXPECT_THAT(Lines(list), ElementsAre(fitting + "..."));
}

}  // namespace
