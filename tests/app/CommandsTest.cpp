#include "app/AboutDlg.h"
#include "framework/Strings.h"
#include "res/resource.h"
#include "scan/ResultList.h"
#include "scan/StartupFolders.h"
#include "app/StatusLine.h"
#include "tests/app/RunningApp.h"
#include "tests/app/TaskDialogAnswer.h"
#include "tests/support/TestFolder.h"
#include "tests/support/Utf8.h"

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>

using ::testing::ElementsAre;

namespace {

// Records the commands the frame receives, then lets them through.
class CommandRecorder {
public:
    explicit CommandRecorder(HWND frame) : m_frame(frame)
    {
        s_self = this;
        m_previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CommandRecorder::Proc)));
    }
    ~CommandRecorder()
    {
        SetWindowLongPtrA(m_frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
        s_self = nullptr;
    }
    std::vector<UINT> commands;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_COMMAND && lParam == 0) s_self->commands.push_back(LOWORD(wParam));
        return CallWindowProcA(s_self->m_previous, hwnd, message, wParam, lParam);
    }
    static CommandRecorder* s_self;
    HWND m_frame;
    WNDPROC m_previous = nullptr;
};
CommandRecorder* CommandRecorder::s_self = nullptr;

// The state a popup of the menu bar shows once it opens.
struct MenuItemState {
    bool enabled;
    bool checked;
};
MenuItemState OpenedItem(const RunningApp& app, int popupIndex, UINT id)
{
    HMENU popup = GetSubMenu(GetMenu(app.Frame().m_hWnd), popupIndex);
    SendMessageA(app.Frame().m_hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(popupIndex, FALSE));
    const UINT state = GetMenuState(popup, id, MF_BYCOMMAND);
    // Disabled as the system's frameworks do it: Windows tells the drawing
    // of an item grayed alone apart from a disabled one.
    const UINT disabled = state & (MF_GRAYED | MF_DISABLED);
    EXPECT_TRUE(disabled == 0 || disabled == (MF_GRAYED | MF_DISABLED)) << "item " << id;
    return {disabled == 0, (state & MF_CHECKED) != 0};
}

// Closes the next dialog that opens on this thread from inside its own modal
// loop, and remembers its caption.
class DialogCloser {
public:
    DialogCloser()
    {
        s_self = this;
        m_hook = SetWindowsHookExA(WH_CALLWNDPROCRET, Hook, nullptr, GetCurrentThreadId());
    }
    ~DialogCloser()
    {
        UnhookWindowsHookEx(m_hook);
        s_self = nullptr;
    }
    std::string caption;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (code == HC_ACTION && call->message == WM_INITDIALOG && s_self && s_self->caption.empty()) {
            char text[256] = "";
            GetWindowTextA(call->hwnd, text, sizeof text);
            s_self->caption = text;
            PostMessageA(call->hwnd, WM_COMMAND, IDCANCEL, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static DialogCloser* s_self;
    HHOOK m_hook = nullptr;
};
DialogCloser* DialogCloser::s_self = nullptr;

const int EditMenu = 1;
const int ViewMenu = 2;

struct CommandsTest : ::testing::Test {
    RunningApp app;
    void SetUp() override
    {
        ASSERT_TRUE(app.Started());
        if (app.List().GetCount() == 0) app.List().AddString("C:\\junk.log");
        app.List().AddString("C:\\more junk.log");
        app.View().UpdateStatus();
    }
    bool ButtonEnabled(UINT id) { return app.Frame().m_wndToolBar.IsButtonEnabled(id); }
};

TEST_F(CommandsTest, TheWindowStartsWithTheStandardScanDone)
{
    EXPECT_EQ(app.Frame().GetWindowText(), "Standard - Dustrel .NET");
    app.Command(ID_VIEW_REFRESH);
    EXPECT_EQ(app.StatusText(), StatusLineText(ResultListView(app.List()).Counts()));
}

TEST_F(CommandsTest, SelectAllAndUnselectAllFollowTheRulesInMenuAndToolbar)
{
    const int lines = app.List().GetCount();
    app.Idle();
    EXPECT_TRUE(OpenedItem(app, EditMenu, ID_EDIT_SELECT_ALL).enabled);
    EXPECT_FALSE(OpenedItem(app, EditMenu, ID_EDIT_UNSELECT_ALL).enabled);
    EXPECT_TRUE(ButtonEnabled(ID_EDIT_SELECT_ALL));
    EXPECT_FALSE(ButtonEnabled(ID_EDIT_UNSELECT_ALL));

    app.Command(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(app.List().GetSelCount(), lines);
    EXPECT_EQ(app.StatusText(), std::to_string(lines) + " / " + std::to_string(lines) + " selected");
    app.Idle();
    EXPECT_FALSE(OpenedItem(app, EditMenu, ID_EDIT_SELECT_ALL).enabled);
    EXPECT_TRUE(OpenedItem(app, EditMenu, ID_EDIT_UNSELECT_ALL).enabled);
    EXPECT_FALSE(ButtonEnabled(ID_EDIT_SELECT_ALL));
    EXPECT_TRUE(ButtonEnabled(ID_EDIT_UNSELECT_ALL));

    app.Command(ID_EDIT_UNSELECT_ALL);
    EXPECT_EQ(app.List().GetSelCount(), 0);
    EXPECT_EQ(app.StatusText(), "0 / " + std::to_string(lines) + " selected");
}

TEST_F(CommandsTest, ADisabledCommandDoesNothing)
{
    app.Command(ID_EDIT_SELECT_ALL);
    const int lines = app.List().GetCount();
    app.List().AddString("C:\\added.log");
    app.List().SetSel(0, false);
    app.Command(ID_EDIT_UNSELECT_ALL);
    EXPECT_EQ(app.List().GetSelCount(), 0);
    app.Command(ID_EDIT_UNSELECT_ALL);  // nothing selected: disabled, and harmless
    EXPECT_EQ(app.List().GetCount(), lines + 1);
}

TEST_F(CommandsTest, TheShortcutKeysReachTheirCommands)
{
    CommandRecorder recorder(app.Frame().m_hWnd);
    EXPECT_TRUE(app.PressKey(VK_F5, false, false));
    // A new prefix may hold no junk at all: a line to select either way.
    app.List().AddString("C:\\added.log");
    EXPECT_TRUE(app.PressKey('A', true, false));
    EXPECT_EQ(app.List().GetSelCount(), app.List().GetCount()) << "Ctrl+A selects every line";
    EXPECT_TRUE(app.PressKey('U', true, false));
    EXPECT_EQ(app.List().GetSelCount(), 0) << "Ctrl+U deselects them";
    EXPECT_FALSE(app.PressKey('Q', true, false)) << "not a shortcut";
    EXPECT_TRUE(app.PressKey('K', true, false));
    EXPECT_EQ(app.Frame().GetWindowText(), "Cookies Killer - Dustrel .NET");
    EXPECT_THAT(recorder.commands,
                ElementsAre(ID_VIEW_REFRESH, ID_EDIT_SELECT_ALL, ID_EDIT_UNSELECT_ALL, ID_OPTIONS_COOKIES));
}

TEST_F(CommandsTest, DeleteAndShiftDeleteRemoveTheSelectedItems)
{
    TestFolder folder;
    const std::string recycled = folder.MakeFile("recycled.log");
    const std::string deleted = folder.MakeFile("deleted.log");
    app.List().ResetContent();
    app.List().AddString(recycled.c_str());
    app.List().AddString(deleted.c_str());
    app.Idle();
    EXPECT_FALSE(OpenedItem(app, EditMenu, ID_EDIT_DELETE).enabled);
    EXPECT_FALSE(ButtonEnabled(ID_EDIT_RECYCLE));

    app.List().SetSel(0, true);  // deleted.log sorts first
    app.Idle();
    EXPECT_TRUE(OpenedItem(app, EditMenu, ID_EDIT_DELETE).enabled);
    EXPECT_TRUE(ButtonEnabled(ID_EDIT_RECYCLE));
    {
        TaskDialogAnswer answer(TaskDialogAnswer::Press::Yes);
        EXPECT_TRUE(app.PressKey(VK_DELETE, false, true));
        EXPECT_EQ(answer.shown, 1);
    }
    EXPECT_FALSE(Exists(deleted));
    EXPECT_TRUE(Exists(recycled));

    app.List().SetSel(0, true);
    TaskDialogAnswer answer(TaskDialogAnswer::Press::No);
    EXPECT_TRUE(app.PressKey(VK_DELETE, false, false));
    EXPECT_EQ(answer.shown, 0) << "moving to the Recycle Bin can be undone: no question";
    EXPECT_FALSE(Exists(recycled));
    EXPECT_EQ(app.StatusText(), "Cleanup completed, continue or exit?");
}

TEST_F(CommandsTest, CtrlHListsTemporaryFilesAndOpensTheAdvanceDialog)
{
    DialogCloser closer;
    EXPECT_TRUE(app.PressKey('H', true, false));
    EXPECT_EQ(closer.caption, "Advance - Dustrel .NET");
    EXPECT_EQ(app.Frame().GetWindowText(), "Offline Temp - Dustrel .NET");
}

TEST_F(CommandsTest, CtrlLListsWhatTheCleaningRulesFind)
{
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    TestFolder inTemp(temp);
    inTemp.MakeFile("leftover.tmp");
    EXPECT_TRUE(app.PressKey('L', true, false));
    EXPECT_EQ(app.Frame().GetWindowText(), "Applications - Dustrel .NET");
    ResultListView view(app.List());
    bool found = false;
    for (int index = 0; index < app.List().GetCount(); ++index) {
        const Result result = view.ResultAt(index);
        found = found || (result.rule == "Temporary Files (user)" && result.sweep && result.bytes >= 4);
    }
    EXPECT_TRUE(found) << "the user's temporary folder, by the built-in rule";
    EXPECT_TRUE(ButtonEnabled(ID_VIEW_APPLICATIONS));
}

TEST_F(CommandsTest, AnEmptyCookiesRunDisablesCookiesUntilTheNextScan)
{
    const int OptionsMenu = 3;
    g_StartupFolders.DriveList.clear();  // no Netscape profiles; the prefix's cookies folder holds none
    app.Command(ID_OPTIONS_COOKIES);
    EXPECT_EQ(app.List().GetCount(), 0);
    EXPECT_EQ(app.StatusText(), "Cleanup completed, continue or exit?");
    app.Idle();
    EXPECT_FALSE(OpenedItem(app, OptionsMenu, ID_OPTIONS_COOKIES).enabled);
    EXPECT_FALSE(ButtonEnabled(ID_OPTIONS_COOKIES));
    {
        CommandRecorder recorder(app.Frame().m_hWnd);
        app.PressKey('K', true, false);
        EXPECT_TRUE(recorder.commands.empty()) << "Ctrl+K does nothing while Cookies is disabled";
    }

    g_StartupFolders.DriveList = ReadDriveList();
    app.Command(ID_VIEW_REFRESH);
    app.Idle();
    EXPECT_TRUE(OpenedItem(app, OptionsMenu, ID_OPTIONS_COOKIES).enabled);
    EXPECT_TRUE(ButtonEnabled(ID_OPTIONS_COOKIES));
}

TEST_F(CommandsTest, TheShortcutOfADisabledCommandDoesNothing)
{
    // Nothing is selected, so Unselect All is disabled; the key is still the
    // program's and never reaches the list.
    CommandRecorder recorder(app.Frame().m_hWnd);
    EXPECT_TRUE(app.PressKey('U', true, false));
    EXPECT_TRUE(recorder.commands.empty());
}

TEST_F(CommandsTest, ToolbarAndStatusBarTogglesKeepTheirCheckMarksAndTheLayout)
{
    HWND toolbar = app.Frame().m_wndToolBar.m_hWnd;
    HWND statusBar = app.Frame().m_wndStatusBar.m_hWnd;
    const RECT before = ClientRectOnScreen(app.View().m_hWnd);
    EXPECT_TRUE(OpenedItem(app, ViewMenu, ID_VIEW_TOOLBAR).checked);

    app.Command(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(IsWindowVisible(toolbar));
    EXPECT_FALSE(OpenedItem(app, ViewMenu, ID_VIEW_TOOLBAR).checked);
    const RECT withoutToolbar = ClientRectOnScreen(app.View().m_hWnd);
    EXPECT_LT(withoutToolbar.top, before.top) << "the view takes the toolbar's place";

    app.Command(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(IsWindowVisible(statusBar));
    EXPECT_FALSE(OpenedItem(app, ViewMenu, ID_VIEW_STATUS_BAR).checked);
    EXPECT_GT(ClientRectOnScreen(app.View().m_hWnd).bottom, before.bottom);

    app.Command(ID_VIEW_TOOLBAR);
    app.Command(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(IsWindowVisible(toolbar));
    EXPECT_TRUE(OpenedItem(app, ViewMenu, ID_VIEW_TOOLBAR).checked);
    EXPECT_TRUE(OpenedItem(app, ViewMenu, ID_VIEW_STATUS_BAR).checked);
    const RECT after = ClientRectOnScreen(app.View().m_hWnd);
    EXPECT_TRUE(EqualRect(&after, &before));
    const RECT list = WindowRect(app.List().m_hWnd);
    EXPECT_TRUE(EqualRect(&after, &list)) << "the list fills the view";
}

TEST_F(CommandsTest, PromptsShowWhileAnItemIsHighlightedAndTheIdleTextAfter)
{
    HWND frame = app.Frame().m_hWnd;
    HMENU view = GetSubMenu(GetMenu(frame), ViewMenu);
    SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(ID_VIEW_REFRESH, MF_HILITE), reinterpret_cast<LPARAM>(view));
    EXPECT_EQ(app.StatusText(), "Switch to Standard mode");
    SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(SC_CLOSE, MF_HILITE | MF_SYSMENU),
                 reinterpret_cast<LPARAM>(GetSystemMenu(frame, FALSE)));
    EXPECT_EQ(app.StatusText(), "Close the active window and prompts to save the documents");
    SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(app.StatusText(), "Select object(s) to delete");

    NMTBHOTITEM hot = {};
    hot.hdr = {app.Frame().m_wndToolBar.m_hWnd, AFX_IDW_TOOLBAR, static_cast<UINT>(TBN_HOTITEMCHANGE)};
    hot.idNew = ID_EDIT_DELETE;
    hot.dwFlags = HICF_MOUSE | HICF_ENTERING;
    SendMessageA(frame, WM_NOTIFY, AFX_IDW_TOOLBAR, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ(app.StatusText(), "Delete selected object(s)");
    hot.idOld = ID_EDIT_DELETE;
    hot.idNew = 0;
    hot.dwFlags = HICF_MOUSE | HICF_LEAVING;
    SendMessageA(frame, WM_NOTIFY, AFX_IDW_TOOLBAR, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ(app.StatusText(), "Select object(s) to delete");

    NMTTDISPINFOA tip = {};
    tip.hdr = {nullptr, ID_EDIT_DELETE, static_cast<UINT>(TTN_GETDISPINFOA)};
    SendMessageA(frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip.lpszText, nullptr);
    EXPECT_STREQ(tip.lpszText, "Permanently Delete");

    app.List().SetSel(0, true);
    SendMessageA(app.View().m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_RESULT_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(app.List().m_hWnd));
    EXPECT_EQ(app.StatusText(), "1 / " + std::to_string(app.List().GetCount()) + " selected")
        << "a change of selection writes the count again";
}

TEST_F(CommandsTest, ExitClosesTheMainWindow)
{
    HWND frame = app.Frame().m_hWnd;
    app.Command(ID_APP_EXIT);
    EXPECT_FALSE(IsWindow(frame));
    MSG quit = {};
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) || app.App().m_pMainWnd == nullptr);
}

// The texts a user sees around the list, in the language the test runs under.
struct FrameTexts {
    const char* title;
    const char* fileMenu;
    const char* refreshItem;
    const char* idle;
};

std::string MenuText(HMENU menu, UINT item, UINT flags)
{
    char text[256] = "";
    GetMenuStringA(menu, item, text, sizeof text, flags);
    return text;
}

TEST(LanguageTest, MenusTitleAndPromptsComeInTheUserInterfaceLanguage)
{
    const char* language = std::getenv("DUSTREL_EXPECTED_LANGUAGE");
    ASSERT_NE(language, nullptr) << "run through CTest, which names the language";
    const std::map<std::string, FrameTexts> expected = {
        {"en_US", {"Standard - Dustrel .NET", "&File", "&Refresh\tF5", "Select object(s) to delete"}},
        {"zh_TW", {"標準模式 - Dustrel .NET", "檔案(&F)", "標準模式(&R)\tF5", "選擇物件"}},
        {"zh_CN", {"标准模式 - Dustrel .NET", "档案(&F)", "标准模式(&R)\tF5", "选择物件"}},
    };
    const FrameTexts& texts = expected.at(language);
    RunningApp app;
    ASSERT_TRUE(app.Started());
    HWND frame = app.Frame().m_hWnd;
    EXPECT_EQ(Utf8(app.Frame().GetWindowText()), texts.title);
    EXPECT_EQ(Utf8(MenuText(GetMenu(frame), 0, MF_BYPOSITION)), texts.fileMenu);
    EXPECT_EQ(Utf8(MenuText(GetMenu(frame), ID_VIEW_REFRESH, MF_BYCOMMAND)), texts.refreshItem);
    SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(Utf8(app.StatusText()), texts.idle);

    // Dialogs exist in English only.
    struct AboutCaption : CAboutDlg {
        std::string caption;
        bool OnInitDialog() override
        {
            caption = GetWindowText();
            EndDialog(m_hWnd, IDOK);
            return true;
        }
    } about;
    EXPECT_EQ(about.DoModal(), IDOK);
    EXPECT_EQ(about.caption, "About Dustrel .NET");
}

}  // namespace
