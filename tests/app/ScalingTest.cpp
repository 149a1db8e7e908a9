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
}

}  // namespace
