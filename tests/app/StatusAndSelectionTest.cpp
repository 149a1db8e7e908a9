#include "app/StatusLine.h"

#include "res/resource.h"
#include "scan/ResultList.h"
#include "tests/support/TestFrame.h"
#include "tests/support/Utf8.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <utility>

namespace {

struct ResultListTest : ::testing::Test {
    TestFrame frame;
    const CListBox& list = frame.List();
    ResultListView view{list};

    void SetUp() override
    {
        frame.OnSelectionChange([this] { UpdateStatus(view, frame.Frame()); });
    }
    void AddLines(int count)
    {
        for (int line = 0; line < count; ++line) list.AddString(("C:\\junk\\file" + std::to_string(line) + ".tmp").c_str());
    }
    bool SelectAllEnabled() const { return IsSelectAllEnabled(view.Counts()); }
    bool SelectionCommandsEnabled() const { return IsSelectionCommandEnabled(view.Counts()); }
};

TEST_F(ResultListTest, AnEmptyListOffersNothingAndSaysCleanupCompleted)
{
    UpdateStatus(view, frame.Frame());

    EXPECT_EQ(frame.StatusText(), "Cleanup completed, continue or exit?");
    EXPECT_FALSE(SelectAllEnabled());
    EXPECT_FALSE(SelectionCommandsEnabled());
}

TEST_F(ResultListTest, SelectAllAndUnselectAllCountAndSwitchTheCommands)
{
    AddLines(5);
    UpdateStatus(view, frame.Frame());
    EXPECT_EQ(frame.StatusText(), "0 / 5 selected");
    EXPECT_TRUE(SelectAllEnabled());
    EXPECT_FALSE(SelectionCommandsEnabled());

    view.SetAllSelected(true);
    UpdateStatus(view, frame.Frame());
    EXPECT_EQ(frame.StatusText(), "5 / 5 selected");
    EXPECT_FALSE(SelectAllEnabled());
    EXPECT_TRUE(SelectionCommandsEnabled());

    view.SetAllSelected(false);
    UpdateStatus(view, frame.Frame());
    EXPECT_EQ(frame.StatusText(), "0 / 5 selected");
    EXPECT_EQ(list.GetSelCount(), 0);
}

TEST_F(ResultListTest, AClickTogglesOneLineAndTheCountFollows)
{
    list.AddString("C:\\same.log");
    list.AddString("C:\\same.log");
    list.AddString("C:\\other.log");
    UpdateStatus(view, frame.Frame());

    frame.ClickLine(1);
    EXPECT_EQ(frame.StatusText(), "1 / 3 selected");
    EXPECT_FALSE(list.GetSel(0)) << "a duplicate line is selected on its own";
    EXPECT_TRUE(list.GetSel(1));
    EXPECT_TRUE(SelectAllEnabled());
    EXPECT_TRUE(SelectionCommandsEnabled());

    frame.ClickLine(1);
    EXPECT_EQ(frame.StatusText(), "0 / 3 selected");
}

// Sizes 100, 200, 400 and 800 bytes, in that order.
ResultSet FourSizedLines()
{
    ResultSet results;
    for (int line = 0; line < 4; ++line) {
        const std::string path = "C:\\junk\\file" + std::to_string(line) + ".tmp";
        results.Add(Result{path, path, false, 100u << line});
    }
    return results;
}

TEST_F(ResultListTest, TheSelectedSizeFollowsClicksSelectAllAndRemovals)
{
    view.Show(FourSizedLines());
    frame.ClickLine(1);
    frame.ClickLine(3);
    EXPECT_EQ(view.SelectedBytes(), 1000u);
    EXPECT_EQ(frame.StatusText(), "2 / 4 selected");
    frame.ClickLine(1);
    EXPECT_EQ(view.SelectedBytes(), 800u);

    // Changed behind the view's back: counted afresh.
    list.SetSel(0, true);
    list.SetSel(2, true);
    EXPECT_EQ(view.SelectedBytes(), 1300u);

    view.SetAllSelected(true);
    EXPECT_EQ(view.SelectedBytes(), 1500u);
    // The last line goes; of the third, 150 bytes go and the line stays selected.
    view.Removed({{3, true, 800, false}, {2, false, 150, false}});
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetSelCount(), 3);
    EXPECT_EQ(view.ResultAt(2).bytes, 250u);
    EXPECT_EQ(view.SelectedBytes(), 550u);
    frame.ClickLine(2);
    EXPECT_EQ(view.SelectedBytes(), 300u);

    view.SetAllSelected(false);
    EXPECT_EQ(view.SelectedBytes(), 0u);
}

TEST_F(ResultListTest, SelectAllBringsTheFirstLineIntoViewAndUnselectAllMovesNothing)
{
    AddLines(200);
    const auto place = [this] {
        return std::make_pair(SendMessageA(list.m_hWnd, LB_GETTOPINDEX, 0, 0),
                              SendMessageA(list.m_hWnd, LB_GETCARETINDEX, 0, 0));
    };
    SendMessageA(list.m_hWnd, LB_SETTOPINDEX, 100, 0);
    SendMessageA(list.m_hWnd, LB_SETCARETINDEX, 120, 0);
    const auto before = place();
    ASSERT_GT(before.first, 0);

    view.SetAllSelected(false);
    EXPECT_EQ(place(), before);
    view.SetAllSelected(true);
    EXPECT_EQ(list.GetSelCount(), 200);
    EXPECT_EQ(place(), std::make_pair(LRESULT{0}, LRESULT{0}));
}

TEST_F(ResultListTest, TheWaitStateShowsTheWaitCursorAndText)
{
    BeginWait(frame.Frame());

    EXPECT_EQ(frame.StatusText(), "Please wait...");
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
}

TEST(LoadStringTailTest, TakesTheTextAfterTheLastNewline)
{
    EXPECT_EQ(LoadStringTail(ID_EDIT_DELETE), "Permanently Delete");
    EXPECT_EQ(LoadStringTail(IDR_MAINFRAME), "Standard - Dustrel .NET");
    EXPECT_EQ(LoadStringTail(ID_HELP_ONLINE), "");
}

// The texts a user sees, in the language the test runs under.
struct LanguageTexts {
    LANGID language;
    const char* title;
    const char* countSuffix;
    const char* completed;
    const char* wait;
};

const std::map<std::string, LanguageTexts> Expected = {
    {"en_US", {0x409, "Standard - Dustrel .NET", "selected", "Cleanup completed, continue or exit?", "Please wait..."}},
    {"zh_TW", {0x404, "標準模式 - Dustrel .NET", "已選擇", "清理完成，繼續或離開？", "請等候..."}},
    {"zh_CN", {0x804, "标准模式 - Dustrel .NET", "已选择", "清理完成，继续或离开？", "请等候..."}},
};

TEST(LanguageTest, StatusTextsComeInTheUserInterfaceLanguage)
{
    const char* name = std::getenv("DUSTREL_EXPECTED_LANGUAGE");
    ASSERT_NE(name, nullptr) << "run through CTest, which names the language";
    const LanguageTexts& texts = Expected.at(name);
    ASSERT_EQ(GetUserDefaultUILanguage(), texts.language) << "the locale " << name << " is not in effect";

    EXPECT_EQ(Utf8(LoadResourceString(IDR_MAINFRAME)), texts.title);
    EXPECT_EQ(Utf8(StatusLineText({12, 3})), std::string("3 / 12 ") + texts.countSuffix);
    EXPECT_EQ(Utf8(StatusLineText({0, 0})), texts.completed);
    EXPECT_EQ(Utf8(LoadResourceString(IDS_PLEASE_WAIT)), texts.wait);
}

}  // namespace
