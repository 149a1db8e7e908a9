#include "app/ResultCommands.h"

#include "app/StatusLine.h"
#include "res/resource.h"
#include "scan/ResultList.h"
#include "tests/scan/ScanTestSupport.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestFrame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::Contains;
using ::testing::Not;

namespace {

// The commands over a Windows folder that the test makes, with the test
// prefix's drives, in a frame with the program's form and both status panes.
struct ResultCommandsTest : ::testing::Test {
    TestFrame frame;
    const CListBox& list = frame.List();
    ResultListView view{list};
    TestFolder folder;
    StartupFolders folders;

    void SetUp() override
    {
        folders.DriveList = ReadDriveList();
        folders.WindowsFolder = folder.MakeFolder("WINDOWS");
        folders.SystemDriveRoot = "C:\\";
        frame.OnSelectionChange([this] { UpdateStatus(view, frame.Frame()); });
    }
    void Click(const std::string& line)
    {
        const LRESULT index = SendMessageA(list.m_hWnd, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(line.c_str()));
        ASSERT_NE(index, LB_ERR) << line;
        frame.ClickLine(static_cast<int>(index));
    }
};

TEST_F(ResultCommandsTest, RefreshTitlesEmptiesScansAndCounts)
{
    folder.MakeFile("WINDOWS\\a.old");
    list.AddString("left from the last command");
    g_bCookiesEnabled = false;

    RunStandardScan(view, frame.Frame(), folders);

    EXPECT_EQ(frame.Title(), "Standard - Dustrel .NET");
    EXPECT_TRUE(g_bCookiesEnabled);
    EXPECT_THAT(Lines(list), Not(Contains("left from the last command")));
    EXPECT_THAT(Lines(list), Contains(folder / "WINDOWS\\a.old"));
    EXPECT_EQ(frame.StatusText(), "0 / " + std::to_string(list.GetCount()) + " selected");
}

TEST_F(ResultCommandsTest, ASecondScanGivesTheSameListWithNothingSelected)
{
    folder.MakeFile("WINDOWS\\a.old");
    folder.MakeFile("WINDOWS\\b.bmp", FILE_ATTRIBUTE_READONLY);
    RunStandardScan(view, frame.Frame(), folders);
    const std::vector<std::string> first = Lines(list);
    list.SetSel(0, true);

    RunStandardScan(view, frame.Frame(), folders);

    EXPECT_EQ(Lines(list), first);
    EXPECT_EQ(list.GetSelCount(), 0);
}

// Every file a test makes holds four bytes.
TEST_F(ResultCommandsTest, TheSizePaneTotalsTheSelectionThenTellsWhatWasFreedOrMoved)
{
    const std::string removable = folder.MakeFile("WINDOWS\\a.old");
    const std::string recyclable = folder.MakeFile("WINDOWS\\b.old");
    const std::string held = folder.MakeFile("WINDOWS\\held.old");
    folder.MakeFile("WINDOWS\\Prefetch\\one.pf");
    folder.MakeFile("WINDOWS\\Prefetch\\two.pf");
    const std::string prefetch = folder / "WINDOWS\\Prefetch...";
    RunStandardScan(view, frame.Frame(), folders);
    EXPECT_EQ(frame.StatusText(1), ByteCountText(IDS_SELECTED_BYTES, 0));

    for (const std::string& line : {removable, held, prefetch}) Click(line);
    EXPECT_EQ(frame.StatusText(1), ByteCountText(IDS_SELECTED_BYTES, 16));

    HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    DeleteSelected(view, frame.Frame());
    CloseHandle(holder);
    EXPECT_EQ(frame.StatusText(1), ByteCountText(IDS_FREED_BYTES, 12)) << "what went, not what was selected";
    EXPECT_EQ(frame.StatusText(), "1 / " + std::to_string(list.GetCount()) + " selected");

    Click(held);
    Click(recyclable);
    RecycleSelected(view, frame.Frame());
    EXPECT_EQ(frame.StatusText(1), ByteCountText(IDS_RECYCLED_BYTES, 4));
    EXPECT_FALSE(Exists(recyclable));
}

}  // namespace
