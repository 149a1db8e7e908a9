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

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

// The toolbar, floating (floated here when it is not), shows its pictures at
// the scale with every button whole inside its frame; it docks again after.
void ExpectFloatingToolbarScaled(const RunningApp& app, UINT dpi)
{
    CToolBar& bar = app.Frame().m_wndToolBar;
    if (!bar.IsFloating()) bar.FloatAt({200, 200});
    ASSERT_NE(bar.FloatingFrame(), nullptr);
    HWND toolbar = bar.m_hWnd;
    int width = 0, height = 0;
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0)), &width, &height);
    EXPECT_EQ(width, ScaleToDpi(16, dpi)) << "floating toolbar pictures";
    EXPECT_EQ(height, ScaleToDpi(15, dpi)) << "floating toolbar pictures";
    const LRESULT button = SendMessageA(toolbar, TB_GETBUTTONSIZE, 0, 0);
    EXPECT_GT(LOWORD(button), width) << "floating toolbar buttons";
    EXPECT_GT(HIWORD(button), height) << "floating toolbar buttons";
    const RECT room = ClientRectOnScreen(bar.FloatingFrame()->m_hWnd);
    const int buttons = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int index = 0; index < buttons; ++index) {
        RECT item = {};
        SendMessageA(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&item), 2);
        RECT inside = {};
        IntersectRect(&inside, &item, &room);
        EXPECT_TRUE(EqualRect(&inside, &item)) << "the floating frame cuts button " << index << " off";
    }
    bar.DockBack();
}

struct DialogShape {
    RECT window = {};
    RECT client = {};
    RECT item = {};
    int textHeight = 0;
};

// Measures the next dialog that opens on this thread, with one of its
// controls and the text of another, then closes it from inside its own modal
// loop. Given another DPI, it tells the dialog its DPI changed, with the
// rectangle the system would suggest, and measures it again.
class DialogMeasure {
public:
    DialogMeasure(int control, int text, UINT changeTo = 0)
    {
        s_control = control;
        s_text = text;
        s_changeTo = changeTo;
        s_before = s_after = DialogShape{};
        s_suggested = RECT{};
        m_hook = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~DialogMeasure() { UnhookWindowsHookEx(m_hook); }
    DialogMeasure(const DialogMeasure&) = delete;
    DialogMeasure& operator=(const DialogMeasure&) = delete;
    static DialogShape s_before, s_after;
    static RECT s_suggested;

private:
    static DialogShape Shape(HWND dialog)
    {
        DialogShape shape;
        GetWindowRect(dialog, &shape.window);
        GetClientRect(dialog, &shape.client);
        GetWindowRect(GetDlgItem(dialog, s_control), &shape.item);
        shape.textHeight = FontHeight(GetDlgItem(dialog, s_text));
        return shape;
    }
    // The window with its client area scaled to the other DPI, where it is.
    static RECT Suggested(UINT from)
    {
        const DialogShape& now = s_before;
        const int frameX = Width(now.window) - now.client.right, frameY = Height(now.window) - now.client.bottom;
        const int scale = static_cast<int>(s_changeTo), base = static_cast<int>(from);
        return {now.window.left, now.window.top, now.window.left + MulDiv(now.client.right, scale, base) + frameX,
                now.window.top + MulDiv(now.client.bottom, scale, base) + frameY};
    }
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        HWND dialog = reinterpret_cast<HWND>(wParam);
        char name[16] = "";
        if (code == HCBT_ACTIVATE && IsRectEmpty(&s_before.client) && GetClassNameA(dialog, name, sizeof name) > 0 &&
            lstrcmpA(name, "#32770") == 0) {
            s_before = Shape(dialog);
            if (s_changeTo != 0) {
                s_suggested = Suggested(DpiOf(dialog));
                SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(s_changeTo, s_changeTo),
                             reinterpret_cast<LPARAM>(&s_suggested));
                s_after = Shape(dialog);
            }
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static int s_control, s_text;
    static UINT s_changeTo;
    HHOOK m_hook;
};
DialogShape DialogMeasure::s_before = {}, DialogMeasure::s_after = {};
RECT DialogMeasure::s_suggested = {};
int DialogMeasure::s_control = 0, DialogMeasure::s_text = 0;
UINT DialogMeasure::s_changeTo = 0;

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

    ExpectFloatingToolbarScaled(app, dpi);

    {
        DialogMeasure about(IDC_BANNER, IDC_VERSION_TEXT);
        app.Command(ID_APP_ABOUT);
        const DialogShape& box = DialogMeasure::s_before;
        EXPECT_GE(Width(box.item), ScaleToDpi(141, dpi)) << "About banner";
        EXPECT_GE(Height(box.item), ScaleToDpi(27, dpi)) << "About banner";
        EXPECT_LE(Width(box.item), Width(box.client) + 2) << "About banner";
        EXPECT_GE(box.textHeight, MulDiv(9, static_cast<int>(dpi), 72)) << "About text";
    }
    DialogMeasure advance(IDCLOSE, IDCLOSE);
    app.Command(ID_OPTIONS_IETEMP);
    EXPECT_GE(Width(DialogMeasure::s_before.client), ScaleToDpi(250, dpi)) << "Advance dialog";
    EXPECT_GE(Height(DialogMeasure::s_before.item), ScaleToDpi(20, dpi)) << "Advance dialog's buttons";
}

// A dialog whose DPI changes while it is open takes the suggested rectangle
// and grows or shrinks with the scale, its texts with it.
void ExpectDialogFollows(UINT from, UINT to, const char* name)
{
    const DialogShape& before = DialogMeasure::s_before;
    const DialogShape& after = DialogMeasure::s_after;
    const RECT& suggested = DialogMeasure::s_suggested;
    auto scaled = [from, to](int length) { return MulDiv(length, static_cast<int>(to), static_cast<int>(from)); };
    EXPECT_TRUE(EqualRect(&after.window, &suggested)) << name;
    EXPECT_NEAR(after.client.right, scaled(before.client.right), 2) << name;
    EXPECT_NEAR(after.client.bottom, scaled(before.client.bottom), 2) << name;
    EXPECT_NEAR(Width(after.item), scaled(Width(before.item)), 2) << name;
    EXPECT_NEAR(Height(after.item), scaled(Height(before.item)), 2) << name;
    EXPECT_NEAR(after.textHeight, scaled(before.textHeight), 2) << name << "'s text";
}

// Moved to a screen of another scale, the window takes the size the system
// suggests there and every part follows.
TEST(ScalingTest, MovedToAScreenOfAnotherScaleEveryPartFollows)
{
    // The scales between those of the prefixes, which have pictures of their own.
    const UINT other = PrefixDpi() == 192 ? 120 : 168;
    {
        RunningApp app;
        HWND frame = app.Frame().m_hWnd;
        app.Frame().m_wndToolBar.FloatAt({200, 200});
        RECT suggested = {40, 30, 740, 530};
        SendMessageA(frame, WM_DPICHANGED, MAKEWPARAM(other, other), reinterpret_cast<LPARAM>(&suggested));
        Pump();
        const RECT now = WindowRect(frame);
        EXPECT_TRUE(EqualRect(&now, &suggested));
        ExpectFloatingToolbarScaled(app, other);
        ExpectScaled(app, other);
        {
            DialogMeasure about(IDC_BANNER, IDC_VERSION_TEXT, other);
            app.Command(ID_APP_ABOUT);
            ExpectDialogFollows(PrefixDpi(), other, "About box");
        }
        DialogMeasure advance(IDCLOSE, IDCLOSE, other);
        app.Command(ID_OPTIONS_IETEMP);
        ExpectDialogFollows(PrefixDpi(), other, "Advance dialog");
    }
    // The window saved the rectangle with its true DPI, which the message did not change.
    ForgetPlacement();
}

}  // namespace
