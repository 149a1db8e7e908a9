#include "framework/Dpi.h"
#include "menus/DrawnMenu.h"
#include "menus/MenuIcons.h"
#include "res/resource.h"
#include "tests/app/RunningApp.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The DPI of the prefix the test runs in.
UINT PrefixDpi()
{
    const char* dpi = std::getenv("DUSTREL_EXPECTED_DPI");
    return dpi != nullptr ? static_cast<UINT>(std::atoi(dpi)) : BaseDpi;
}

int FontHeight(HWND window)
{
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return metrics.tmHeight;
}

// Checks of every part against lengths at 96 DPI scaled to `dpi`; each fails
// where a part keeps its 100% size.
void ExpectScaled(const RunningApp& app, UINT dpi)
{
    HWND frame = app.Frame().m_hWnd;
    const int eightPoints = MulDiv(8, static_cast<int>(dpi), 72);

    HWND toolbar = app.Frame().m_wndToolBar.m_hWnd;
    int width = 0, height = 0;
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0)), &width, &height);
    EXPECT_GE(width, ScaleToDpi(16, dpi)) << "toolbar pictures";
    EXPECT_GE(height, ScaleToDpi(15, dpi)) << "toolbar pictures";
    const int buttons = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    RECT last = {}, bar = {};
    SendMessageA(toolbar, TB_GETITEMRECT, buttons - 1, reinterpret_cast<LPARAM>(&last));
    GetClientRect(toolbar, &bar);
    EXPECT_GE(bar.bottom, last.bottom) << "the toolbar cuts its buttons off";
    EXPECT_GE(bar.right, last.right) << "the toolbar cuts its buttons off";

    CDrawnMenu* edit = CDrawnMenu::FromHandle(GetSubMenu(GetMenu(frame), 1));
    ASSERT_NE(edit, nullptr);
    CDrawnMenuItemData* remove = edit->items.at(3);
    ASSERT_EQ(remove->commandId, static_cast<UINT_PTR>(ID_EDIT_DELETE));
    ASSERT_NE(remove->icons, nullptr);
    remove->icons->ImageSize(width, height);
    EXPECT_GE(width, ScaleToDpi(16, dpi)) << "menu pictures";
    MEASUREITEMSTRUCT item = {ODT_MENU, 0, ID_EDIT_DELETE, 0, 0, reinterpret_cast<ULONG_PTR>(remove)};
    edit->MeasureItem(&item);
    EXPECT_GE(static_cast<int>(item.itemHeight), height + ScaleToDpi(8, dpi)) << "menu rows";
    EXPECT_GE(static_cast<int>(item.itemHeight), eightPoints) << "menu rows";

    HWND list = app.List().m_hWnd;
    EXPECT_GE(FontHeight(list), eightPoints) << "list text";
    EXPECT_GE(static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0)), FontHeight(list)) << "list rows";

    HWND status = app.Frame().m_wndStatusBar.m_hWnd;
    RECT pane = {};
    SendMessageA(status, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&pane));
    EXPECT_GE(FontHeight(status), eightPoints) << "status text";
    EXPECT_GE(pane.bottom - pane.top, FontHeight(status)) << "status panes";
}

// Measures the next dialog that opens on this thread, and one of its
// controls, then closes it from inside its own modal loop.
class DialogMeasure {
public:
    explicit DialogMeasure(int control)
    {
        s_control = control;
        s_client = s_item = RECT{};
        m_hook = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~DialogMeasure() { UnhookWindowsHookEx(m_hook); }
    DialogMeasure(const DialogMeasure&) = delete;
    DialogMeasure& operator=(const DialogMeasure&) = delete;
    static RECT s_client, s_item;
    static int s_versionTextHeight;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        HWND dialog = reinterpret_cast<HWND>(wParam);
        char name[16] = "";
        if (code == HCBT_ACTIVATE && IsRectEmpty(&s_client) && GetClassNameA(dialog, name, sizeof name) > 0 &&
            lstrcmpA(name, "#32770") == 0) {
            GetClientRect(dialog, &s_client);
            GetWindowRect(GetDlgItem(dialog, s_control), &s_item);
            if (HWND version = GetDlgItem(dialog, IDC_VERSION_TEXT)) s_versionTextHeight = FontHeight(version);
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static int s_control;
    HHOOK m_hook;
};
RECT DialogMeasure::s_client = {}, DialogMeasure::s_item = {};
int DialogMeasure::s_versionTextHeight = 0;
int DialogMeasure::s_control = 0;

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

TEST(ScalingTest, EveryPartOfTheWindowTakesTheScreensScale)
{
    ForgetPlacement();
    const UINT dpi = PrefixDpi();
    RunningApp app;
    ASSERT_EQ(DpiOf(app.Frame().m_hWnd), dpi) << "the prefix is not at the expected scale";
    const RECT frame = WindowRect(app.Frame().m_hWnd);
    EXPECT_EQ(frame.right - frame.left, ScaleToDpi(584, dpi)) << "first size";
    EXPECT_EQ(frame.bottom - frame.top, ScaleToDpi(456, dpi)) << "first size";
    ExpectScaled(app, dpi);

    {
        DialogMeasure about(IDC_BANNER);
        app.Command(ID_APP_ABOUT);
        EXPECT_GE(Width(DialogMeasure::s_item), ScaleToDpi(141, dpi)) << "About banner";
        EXPECT_GE(Height(DialogMeasure::s_item), ScaleToDpi(27, dpi)) << "About banner";
        EXPECT_LE(Width(DialogMeasure::s_item), Width(DialogMeasure::s_client) + 2) << "About banner";
        EXPECT_GE(DialogMeasure::s_versionTextHeight, MulDiv(9, static_cast<int>(dpi), 72)) << "About text";
    }
    DialogMeasure advance(IDCLOSE);
    app.Command(ID_OPTIONS_IETEMP);
    EXPECT_GE(Width(DialogMeasure::s_client), ScaleToDpi(250, dpi)) << "Advance dialog";
    EXPECT_GE(Height(DialogMeasure::s_item), ScaleToDpi(20, dpi)) << "Advance dialog's buttons";
}

// Moved to a screen of another scale, the window takes the size the system
// suggests there and every part follows.
TEST(ScalingTest, MovedToAScreenOfAnotherScaleEveryPartFollows)
{
    const UINT other = PrefixDpi() == 192 ? 144 : 192;
    {
        RunningApp app;
        HWND frame = app.Frame().m_hWnd;
        RECT suggested = {40, 30, 740, 530};
        SendMessageA(frame, WM_DPICHANGED, MAKEWPARAM(other, other), reinterpret_cast<LPARAM>(&suggested));
        Pump();
        const RECT now = WindowRect(frame);
        EXPECT_TRUE(EqualRect(&now, &suggested));
        ExpectScaled(app, other);
    }
    // The window saved the rectangle with its true DPI, which the message did not change.
    ForgetPlacement();
}

}  // namespace
