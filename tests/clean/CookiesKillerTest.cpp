#include "clean/CookiesKiller.h"

#include "app/ResultCommands.h"
#include "scan/ResultList.h"
#include "scan/StandardScan.h"
#include "tests/scan/ScanTestSupport.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestFrame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <shlobj.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

std::string CookiesFolder()
{
    char path[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, path, CSIDL_COOKIES, TRUE);
    return path;
}

const char Netscape[] = "\\Program Files\\Netscape\\Users\\Default\\";

struct CookiesKillerTest : ::testing::Test {
    TestFrame frame;
    const CListBox& list = frame.List();
    ResultListView view{list};
    StartupFolders folders;

    void SetUp() override
    {
        folders.DriveList = ReadDriveList();
        g_bCookiesEnabled = true;
    }
    void Run() { RunCookiesKiller(view, frame.Frame(), folders); }
};

TEST_F(CookiesKillerTest, ListsTheTextFilesOfTheCookiesFolderAndNetscapeOnFixedDrives)
{
    const std::string cookies = CookiesFolder();
    ASSERT_FALSE(cookies.empty());
    const std::string stem = UniqueName("user@example");
    ScopedFile cookie(cookies + "\\" + stem + "[1].txt");
    ScopedFile other(cookies + "\\" + stem + ".dat");
    MakeFolders(cookies + "\\" + stem);
    ScopedFile deeper(cookies + "\\" + stem + "\\deeper.txt");
    MakeFolders(std::string("C:") + Netscape);
    MakeFolders(std::string("D:") + Netscape);
    MakeFolders(std::string("E:") + Netscape);
    ScopedFile onC(std::string("C:") + Netscape + "cookies.txt");
    ScopedFile onD(std::string("D:") + Netscape + "cookies.txt");
    ScopedFile onRemovable(std::string("E:") + Netscape + "cookies.txt");
    list.AddString("C:\\left from the scan.log");

    Run();

    EXPECT_EQ(frame.Title(), "Cookies Killer - Dustrel .NET");
    EXPECT_THAT(Lines(list), ::testing::UnorderedElementsAre(cookie.Path(), onC.Path(), onD.Path()));
    EXPECT_EQ(frame.StatusText(), "0 / 3 selected");
    EXPECT_TRUE(g_bCookiesEnabled);

    const std::vector<std::string> first = Lines(list);
    Run();
    EXPECT_EQ(Lines(list), first) << "a second run gives the same list, not a doubled one";
    RemoveTestTree(cookies + "\\" + stem);
}

TEST_F(CookiesKillerTest, FindingNothingDisablesTheCommandUntilTheNextScan)
{
    folders.DriveList.clear();  // no Netscape folders anywhere; the cookies folder holds none

    Run();

    EXPECT_THAT(Lines(list), IsEmpty());
    EXPECT_EQ(frame.Title(), "Cookies Killer - Dustrel .NET");
    EXPECT_EQ(frame.StatusText(), "Cleanup completed, continue or exit?");
    EXPECT_FALSE(g_bCookiesEnabled);

    RunStandardScan(view, frame.Frame(), folders);
    EXPECT_TRUE(g_bCookiesEnabled);
}

}  // namespace
