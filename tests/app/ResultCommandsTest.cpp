#include "app/ResultCommands.h"

#include "app/StatusLine.h"
#include "res/resource.h"
#include "scan/ResultList.h"
#include "tests/rules/RuleTestSupport.h"
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

// Answers every message box this thread opens with `answer`, and counts them.
class MessageBoxAnswer {
public:
    explicit MessageBoxAnswer(int answer) : m_answer(answer)
    {
        s_self = this;
        m_hook = SetWindowsHookExA(WH_CALLWNDPROCRET, Hook, nullptr, GetCurrentThreadId());
    }
    ~MessageBoxAnswer()
    {
        UnhookWindowsHookEx(m_hook);
        s_self = nullptr;
    }
    int asked = 0;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (code == HC_ACTION && call->message == WM_INITDIALOG && s_self) {
            ++s_self->asked;
            PostMessageA(call->hwnd, WM_COMMAND, static_cast<WPARAM>(s_self->m_answer), 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static MessageBoxAnswer* s_self;
    int m_answer;
    HHOOK m_hook = nullptr;
};
MessageBoxAnswer* MessageBoxAnswer::s_self = nullptr;

TEST_F(ResultCommandsTest, ARuleWithAWarningAsksOnceASessionBeforeItsLinesGo)
{
    const std::string warned = MakeSizedFile(folder, "Local\\Tool\\a.log", 5);
    const std::string plain = MakeSizedFile(folder, "Local\\Other\\b.log", 6);
    const auto showRules = [&] {
        RuleListing listing = ListRules("[Tool]\nWarning=Close Tool first.\nFileKey1=%LocalAppData%\\Tool|*.log\n"
                                        "[Other]\nFileKey1=%LocalAppData%\\Other|*.log\n",
                                        ContextIn(folder));
        view.Show(listing.results);
        view.SetAllSelected(true);
    };
    showRules();
    {
        MessageBoxAnswer no(IDNO);
        DeleteSelected(view, frame.Frame());
        EXPECT_EQ(no.asked, 1);
    }
    EXPECT_TRUE(Exists(warned));
    EXPECT_FALSE(Exists(plain));
    EXPECT_EQ(frame.StatusText(), "1 / 1 selected") << "the declined line stays, selected";

    {
        MessageBoxAnswer yes(IDYES);
        DeleteSelected(view, frame.Frame());
        EXPECT_EQ(yes.asked, 1);
    }
    EXPECT_FALSE(Exists(warned));

    MakeSizedFile(folder, "Local\\Tool\\c.log", 5);
    showRules();
    MessageBoxAnswer unasked(IDNO);
    DeleteSelected(view, frame.Frame());
    EXPECT_EQ(unasked.asked, 0) << "accepted once for the session";
    EXPECT_FALSE(Exists(folder / "Local\\Tool\\c.log"));
}

// A rule file's key that would empty a protected place is left out; the
// window says how many were, the console program names them.
TEST_F(ResultCommandsTest, ApplicationsTellsHowManyRuleKeysWereLeftOut)
{
    const ScopedUserRuleFile file(
        "[Profile Sweeper]\r\nFileKey1=%UserProfile%|*.*\r\nFileKey2=%UserProfile%|*.tmp|REMOVESELF\r\n");
    RunApplications(view, frame.Frame());
    EXPECT_EQ(frame.StatusText(), "Rule keys left out: 2. DustrelCmd /rules names each and why.");
}

}  // namespace
