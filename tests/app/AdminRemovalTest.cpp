#include "app/AdminRemoval.h"
#include "app/ResultCommands.h"
#include "app/StatusLine.h"
#include "res/resource.h"
#include "tests/app/RunningApp.h"
#include "tests/support/ScopedVariable.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool MenuItemEnabled(const RunningApp& app, UINT id)
{
    const int editMenu = 1;
    HMENU popup = GetSubMenu(GetMenu(app.Frame().m_hWnd), editMenu);
    SendMessageA(app.Frame().m_hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(editMenu, FALSE));
    return (GetMenuState(popup, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

int IndexOf(const RunningApp& app, const std::string& line)
{
    const LRESULT index = SendMessageA(app.List().m_hWnd, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(line.c_str()));
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

// Lines the system refused to delete, deleted again through the window's
// own command by the console program beside this test, which Wine starts
// at once where Windows would ask for consent. The console program lists
// the all-users folder the test made, as the window does, but the real
// Windows folder where the window was shown the test's: a line from there
// is refused. The system's refusals are made here, by telling the window
// that its deletion was denied; nothing the program ships does that.
TEST(AdminRemovalTest, DeniedLinesGoAsAdministratorOnlyWhereTheElevatedListingFindsThem)
{
    TestFolder folder;
    const std::string allUsers = folder.MakeFolder("All Users");
    folder.MakeFile("All Users\\Documents and Settings\\Dr Watson\\one.log");
    folder.MakeFile("All Users\\Application Data\\Microsoft\\Dr Watson\\two.log");
    const std::string canary = folder.MakeFile("canary.txt");
    const std::string windowsLog = folder.MakeFile("WINDOWS\\setup.log");
    const std::string denied = allUsers + "\\Documents and Settings\\Dr Watson...";
    const std::string inUse = allUsers + "\\Application Data\\Microsoft\\Dr Watson...";
    ScopedVariable allUsersProfile("ALLUSERSPROFILE", allUsers.c_str());

    RunningApp app;
    ASSERT_TRUE(app.Started());
    g_StartupFolders.WindowsFolder = folder / "WINDOWS";
    app.Command(ID_VIEW_REFRESH);
    std::vector<int> lines = {IndexOf(app, denied), IndexOf(app, inUse), IndexOf(app, windowsLog)};
    ASSERT_EQ(std::count(lines.begin(), lines.end(), -1), 0);
    EXPECT_FALSE(MenuItemEnabled(app, ID_EDIT_REMOVE_AS_ADMIN));

    std::sort(lines.rbegin(), lines.rend());
    std::vector<Removal> removals;
    for (int index : lines) {
        app.List().SetSel(index, true);
        const bool refused = index != IndexOf(app, inUse);
        removals.push_back({Outcome::Kept, refused ? KeptReason::AccessDenied : KeptReason::InUse, 0});
    }
    ShowRemovals(app.View().m_Results, app.Frame().m_hWnd, lines, removals, RemovalMode::Delete);
    app.Idle();
    EXPECT_TRUE(MenuItemEnabled(app, ID_EDIT_REMOVE_AS_ADMIN));
    EXPECT_EQ(app.StatusText(), LineCountText(IDS_ADMIN_OFFER, 2));
    app.List().SetSel(IndexOf(app, denied), false);
    app.List().SetSel(IndexOf(app, windowsLog), false);
    EXPECT_FALSE(MenuItemEnabled(app, ID_EDIT_REMOVE_AS_ADMIN)) << "only a denied line that is selected counts";
    app.List().SetSel(IndexOf(app, denied), true);
    app.List().SetSel(IndexOf(app, windowsLog), true);

    const int before = app.List().GetCount();
    app.Command(ID_EDIT_REMOVE_AS_ADMIN);

    EXPECT_EQ(IndexOf(app, denied), -1) << "deleted as administrator";
    EXPECT_FALSE(Exists(allUsers + "\\Documents and Settings\\Dr Watson"));
    EXPECT_EQ(app.List().GetCount(), before - 1);
    for (const std::string& stays : {inUse, windowsLog}) {
        ASSERT_NE(IndexOf(app, stays), -1) << stays;
        EXPECT_GT(app.List().GetSel(IndexOf(app, stays)), 0) << stays << " keeps its selection";
    }
    EXPECT_TRUE(Exists(allUsers + "\\Application Data\\Microsoft\\Dr Watson\\two.log")) << "not asked for";
    EXPECT_TRUE(Exists(windowsLog)) << "asked for, but not in the elevated listing";
    EXPECT_TRUE(Exists(canary));
    EXPECT_EQ(app.StatusText(), LineCountText(IDS_ADMIN_REFUSED, 1));
    EXPECT_EQ(app.Frame().m_wndStatusBar.GetPaneText(1), ByteCountText(IDS_FREED_BYTES, 4));
    app.Idle();
    EXPECT_FALSE(MenuItemEnabled(app, ID_EDIT_REMOVE_AS_ADMIN)) << "a refused line is not offered again";
}

}  // namespace
