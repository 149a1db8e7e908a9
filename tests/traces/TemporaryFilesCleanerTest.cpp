#include "clean/TemporaryFilesCleaner.h"

#include "app/ResultCommands.h"
#include "tests/scan/ScanTestSupport.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestFrame.h"
#include "tests/support/Utf8.h"
#include "tests/traces/TraceTestSupport.h"

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

using ::testing::Contains;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::UnorderedElementsAreArray;

namespace {

// Wine starts a program in a Unix folder outside every drive when it is
// started from one (CTest's build folder, say), and a walker cannot go back
// there after listing a folder: the listed folder would stay the current
// directory and could not be removed. Start from a drive instead.
class StartOnADrive : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(SetCurrentDirectoryA("C:\\")); }
};
const ::testing::Environment* const startOnADrive = ::testing::AddGlobalTestEnvironment(new StartOnADrive);

// The listing over a Windows folder and a profile folder that the test makes;
// no drives unless a test gives them.
struct TemporaryFilesTest : ::testing::Test {
    TestFrame frame;
    const CListBox& list = frame.List();
    ResultListView view{list};
    ResultSet found;
    TestFolder folder;
    StartupFolders folders;

    void SetUp() override
    {
        folders.WindowsFolder = folder.MakeFolder("WINDOWS");
        folders.ProfileFolder = folder.MakeFolder("Profile");
    }

    // Runs the whole command; each time the Advance dialog comes up, `look`
    // sees it and then it is closed as the user would.
    void RunCommand(const std::function<void(HWND dialog)>& look)
    {
        IdleSteps closer(frame.Frame(), MSGF_DIALOGBOX, {[&](HWND dialog) {
                             look(dialog);
                             SendMessageA(GetDlgItem(dialog, IDCLOSE), BM_CLICK, 0, 0);
                         }});
        RunTemporaryFilesCleaner(view, frame.Frame(), folders);
        EXPECT_EQ(closer.StepsRun(), 1u) << "the Advance dialog did not open";
    }

    void SetStatusText(const char* text) const
    {
        SendMessageA(frame.StatusBar(), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    }
};

std::string WindowText(HWND window)
{
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST_F(TemporaryFilesTest, WindowsFoldersAreWholeEntriesAndTempIsListedItemByItem)
{
    const char* const rows[] = {
        "Application Compatibility Scripts",
        "Downloaded Program Files",
        "IIS Temporary Compressed Files",
        "Microsoft.NET\\Framework\\v1.0.3705\\Temporary ASP.NET Files",
        "Microsoft.NET\\Framework\\v1.0.3215\\Temporary ASP.NET Files",
        "msdownld.tmp",
        "Offline Web Pages",
        "Windows Update Setup Files",
        "WinSxS\\InstallTemp",
    };
    std::vector<std::string> expected;
    for (const char* row : rows) {
        folder.MakeFile(std::string("WINDOWS\\") + row + "\\page.htm");
        expected.push_back(folder / "WINDOWS\\" + row + "...");
    }
    folder.MakeFile("WINDOWS\\Temp\\a.tmp");
    folder.MakeFile("WINDOWS\\Temp\\b\\inside.tmp");
    expected.push_back(folder / "WINDOWS\\Temp\\a.tmp");
    expected.push_back(folder / "WINDOWS\\Temp\\b...");
    // Not a temporary folder, and a file where a folder row is expected.
    folder.MakeFolder("WINDOWS\\Offline Web Pages Backup");
    folder.MakeFile("WINDOWS\\Microsoft.NET\\Framework\\v1.1.4322\\Temporary ASP.NET Files\\x.dll");

    ListTemporaryFiles(found, folders);

    EXPECT_THAT(LinesUnder(found, folders.WindowsFolder), UnorderedElementsAreArray(expected));
}

TEST_F(TemporaryFilesTest, FixedDrivesAreSearchedAndNoOther)
{
    folders.DriveList = ReadDriveList();
    ASSERT_EQ(GetDriveTypeA("E:\\"), static_cast<UINT>(DRIVE_REMOVABLE));
    ASSERT_EQ(GetDriveTypeA("A:\\"), static_cast<UINT>(DRIVE_REMOVABLE));
    ScopedFolder onD("D:\\Wininst0.400");
    ScopedFolder onE("E:\\Wininst0.400");
    ScopedFolder onShared("Y:\\Wininst0.400");  // the folder behind A:, B: and F: to Y:
    ScopedFolder netscape("D:\\Program Files\\Netscape\\Users\\Default\\Cache");
    MakeFolders("D:\\Program Files\\WindowsUpdate");
    WriteFile("D:\\Program Files\\Netscape\\Users\\Default\\netscape.hst");
    WriteFile("D:\\Program Files\\Netscape\\Users\\Default\\prefs.js");
    ScopedFolder scripts("D:\\Inetpub\\Scripts");

    ListTemporaryFiles(found, folders);

    std::vector<std::string> setupFolders;
    for (const std::string& line : Lines(found))
        if (line.size() == 18 && line.substr(1) == ":\\Wininst0.400...") setupFolders.push_back(line);
    std::vector<std::string> expected = {"D:\\Wininst0.400..."};
    for (char letter = 'F'; letter <= 'Y'; ++letter) expected.push_back(std::string(1, letter) + ":\\Wininst0.400...");
    EXPECT_EQ(setupFolders, expected);
    EXPECT_THAT(LinesUnder(found, "D:\\"),
                UnorderedElementsAreArray({"D:\\Inetpub\\Scripts...", "D:\\Program Files\\Netscape\\Users\\Default\\Cache...",
                                           "D:\\Program Files\\Netscape\\Users\\Default\\netscape.hst",
                                           "D:\\Program Files\\WindowsUpdate...", "D:\\Wininst0.400..."}));
}

TEST_F(TemporaryFilesTest, TheUsersTempFolderIsSearchedOnlyWithAProfile)
{
    const std::string userTemp = folder.MakeFile("Profile\\Local Settings\\Temp\\~wrd0001.tmp");
    {
        ScopedVariable set("USERPROFILE", folders.ProfileFolder.c_str());
        ListTemporaryFiles(found, folders);
        EXPECT_EQ(Occurrences(found, userTemp), 1);
    }
    found.Clear();
    {
        ScopedVariable unset("USERPROFILE", nullptr);
        ListTemporaryFiles(found, folders);
        EXPECT_THAT(Lines(found), Not(Contains(userTemp)));
    }
    found.Clear();
    {
        // Set, but the shell knew no profile folder: the same folder at the
        // current drive's root is not the user's, and is not searched.
        ScopedVariable set("USERPROFILE", "C:\\users\\nobody");
        ScopedFolder atRoot("D:\\Local Settings\\Temp");
        WriteFile("D:\\Local Settings\\Temp\\other.tmp");
        const std::string previous = CurrentDirectory();
        ASSERT_TRUE(SetCurrentDirectoryA("D:\\"));
        folders.ProfileFolder.clear();
        ListTemporaryFiles(found, folders);
        SetCurrentDirectoryA(previous.c_str());
        EXPECT_THAT(Lines(found), IsEmpty());
    }
}

TEST_F(TemporaryFilesTest, TheInternetCacheIsListedItemByItem)
{
    char cache[MAX_PATH] = "";
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, cache, CSIDL_INTERNET_CACHE, FALSE));
    TestFolder content(cache);
    const std::string inside = content.MakeFile("logo.gif");
    ScopedFile page(std::string(cache) + "\\" + UniqueName("page") + ".htm");

    ListTemporaryFiles(found, folders);

    EXPECT_EQ(Occurrences(found, content.Path() + "..."), 1);
    EXPECT_EQ(Occurrences(found, page.Path()), 1);
    EXPECT_EQ(Occurrences(found, inside), 0);
}

TEST_F(TemporaryFilesTest, TheCommandEmptiesTitlesListsAndOpensTheDialogEvenWhenNothingIsFound)
{
    // Other tests leave nothing in the prefix's internet cache: with empty
    // folders the list stays empty.
    ScopedVariable unset("USERPROFILE", nullptr);
    SetWindowTextA(frame.Frame(), "Standard - Dustrel .NET");
    list.AddString("C:\\left from the last command.log");
    SetStatusText("0 / 1 selected");

    RunCommand([&](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), "Advance - Dustrel .NET");
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), frame.Frame());
        EXPECT_EQ(list.GetCount(), 0);
        EXPECT_EQ(frame.Title(), "Offline Temp - Dustrel .NET");
        EXPECT_EQ(frame.StatusText(), "0 / 1 selected");
    });

    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(frame.Title(), "Offline Temp - Dustrel .NET");
    EXPECT_EQ(frame.StatusText(), "0 / 1 selected") << "the command leaves the status line alone";
}

TEST_F(TemporaryFilesTest, RunTwiceTheCommandGivesTheSameList)
{
    folder.MakeFile("WINDOWS\\Temp\\a.tmp");
    folder.MakeFolder("WINDOWS\\Offline Web Pages");
    std::vector<std::string> whileOpen;

    RunCommand([&](HWND) { whileOpen = Lines(list); });
    const std::vector<std::string> first = Lines(list);
    RunCommand([](HWND) {});

    EXPECT_EQ(whileOpen, first) << "the list is filled before the dialog opens";
    EXPECT_EQ(Lines(list), first);
    EXPECT_EQ(Occurrences(list, folder / "WINDOWS\\Temp\\a.tmp"), 1);
    EXPECT_EQ(Occurrences(list, folder / "WINDOWS\\Offline Web Pages..."), 1);
}

TEST(LanguageTest, TheCaptionComesInTheUserInterfaceLanguage)
{
    const char* name = std::getenv("DUSTREL_EXPECTED_LANGUAGE");
    ASSERT_NE(name, nullptr) << "run through CTest, which names the language";
    const std::map<std::string, std::string> captions = {
        {"en_US", "Offline Temp - Dustrel .NET"},
        {"zh_TW", "離線檔案 - Dustrel .NET"},
        {"zh_CN", "离线档案 - Dustrel .NET"},
    };
    TestFrame frame;
    TestFolder folder;
    StartupFolders folders;
    IdleSteps closer(frame.Frame(), MSGF_DIALOGBOX,
                     {[](HWND dialog) { SendMessageA(GetDlgItem(dialog, IDCLOSE), BM_CLICK, 0, 0); }});

    ResultListView view{frame.List()};
    RunTemporaryFilesCleaner(view, frame.Frame(), folders);

    EXPECT_EQ(Utf8(frame.Title()), captions.at(name));
}

}  // namespace
