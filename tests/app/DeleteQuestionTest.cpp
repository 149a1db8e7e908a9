#include "app/DeleteQuestion.h"
#include "res/resource.h"
#include "tests/app/RunningApp.h"
#include "tests/app/TaskDialogAnswer.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

namespace {

using Press = TaskDialogAnswer::Press;

// Two files of the running program's list, selected, said to hold 3 KB
// together, and a canary outside them.
struct DeleteQuestionTest : ::testing::Test {
    TestFolder folder;
    TestFolder outside;
    std::string first, second, canary;

    void SetUp() override
    {
        first = folder.MakeFile("first.tmp");
        second = folder.MakeFile("second.tmp");
        canary = outside.MakeFile("canary.tmp");
        SetAsks(true);
    }
    void TearDown() override
    {
        SetAsks(true);
        EXPECT_TRUE(Exists(canary));
    }
    static void SetAsks(bool asks)
    {
        CWinApp settings;
        settings.SetRegistryKey(AFX_IDS_APP_TITLE);
        SetAsksBeforeDeleting(settings, asks);
    }
    void ListSelected(RunningApp& app) const
    {
        ResultSet results;
        results.Add(Result{first, first, false, 1024});
        results.Add(Result{second, second, false, 2048});
        app.View().m_Results.Show(results);
        app.List().SetSel(-1, true);
    }
    static bool MenuChecked(RunningApp& app)
    {
        const int optionsMenu = 3;
        HMENU popup = GetSubMenu(GetMenu(app.Frame().m_hWnd), optionsMenu);
        SendMessageA(app.Frame().m_hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(optionsMenu, 0));
        return (GetMenuState(popup, ID_OPTIONS_ASK_BEFORE_DELETE, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
};

TEST_F(DeleteQuestionTest, NoEnterAndEscapeRemoveNothingAndKeepTheSelection)
{
    RunningApp app;
    ListSelected(app);
    for (Press press : {Press::No, Press::Enter, Press::Escape}) {
        TaskDialogAnswer answer(press);
        EXPECT_TRUE(app.PressKey(VK_DELETE, false, true));
        ASSERT_EQ(answer.shown, 1);
        EXPECT_NE(answer.texts.find("Permanently delete 2 items (3.00 KB)?"), std::string::npos) << answer.texts;
        EXPECT_NE(answer.texts.find("Do not ask again"), std::string::npos) << answer.texts;
        EXPECT_TRUE(Exists(first) && Exists(second)) << "answered " << static_cast<int>(press);
        EXPECT_EQ(app.List().GetSelCount(), 2);
    }
}

TEST_F(DeleteQuestionTest, YesRemovesAndNotAskingAgainIsKeptForTheUser)
{
    {
        RunningApp app;
        EXPECT_TRUE(MenuChecked(app));
        ListSelected(app);
        app.List().SetSel(1, false);
        TaskDialogAnswer answer(Press::Yes);
        EXPECT_TRUE(app.PressKey(VK_DELETE, false, true));
        EXPECT_EQ(answer.shown, 1);
        EXPECT_NE(answer.texts.find("Permanently delete this item (1.00 KB)?"), std::string::npos) << answer.texts;
        EXPECT_FALSE(Exists(first));
        EXPECT_TRUE(Exists(second));
        EXPECT_TRUE(MenuChecked(app)) << "Yes alone keeps asking";

        TaskDialogAnswer again(Press::YesNotAskingAgain);
        app.List().SetSel(0, true);
        app.Command(ID_EDIT_DELETE);
        EXPECT_EQ(again.shown, 1);
        EXPECT_FALSE(Exists(second));
        EXPECT_FALSE(MenuChecked(app));
    }
    RunningApp restarted;
    EXPECT_FALSE(MenuChecked(restarted));
    const std::string third = folder.MakeFile("third.tmp");
    restarted.List().ResetContent();
    restarted.List().AddString(third.c_str());
    restarted.List().SetSel(0, true);
    {
        TaskDialogAnswer none(Press::No);
        restarted.Command(ID_EDIT_DELETE);
        EXPECT_EQ(none.shown, 0);
        EXPECT_FALSE(Exists(third));
    }
    restarted.Command(ID_OPTIONS_ASK_BEFORE_DELETE);
    EXPECT_TRUE(MenuChecked(restarted));
}

}  // namespace
