#include "framework/Dpi.h"
#include "menus/Colors.h"
#include "menus/FlatColors.h"
#include "menus/MenuLibrary.h"
#include "menus/MenuLook.h"
#include "menus/MenuValues.h"
#include "menus/MenuWindows.h"
#include "tests/menus/MenuFrame.h"
#include "tests/menus/MenuTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The system's menu shadows on or off for one test; the library starts
// again so its looks size their borders for the setting.
class SystemShadows {
public:
    explicit SystemShadows(bool on)
    {
        SystemParametersInfoA(SPI_GETDROPSHADOW, 0, &m_saved, 0);
        Set(on);
    }
    ~SystemShadows() { Set(m_saved != FALSE); }
    SystemShadows(const SystemShadows&) = delete;
    SystemShadows& operator=(const SystemShadows&) = delete;

private:
    static void Set(bool on)
    {
        SystemParametersInfoA(SPI_SETDROPSHADOW, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(on)), 0);
        StopMenuLibrary();
        StartMenuLibrary();
    }
    BOOL m_saved = FALSE;
};

struct PopupShape {
    RECT window = {};
    RECT clientInWindow = {};
    bool recorded = false;
    int recordX = 0, recordY = 0;
};

PopupShape ShapeOf(HWND menuWindow)
{
    PopupShape shape;
    GetWindowRect(menuWindow, &shape.window);
    GetClientRect(menuWindow, &shape.clientInWindow);
    POINT origin = {0, 0};
    ClientToScreen(menuWindow, &origin);
    OffsetRect(&shape.clientInWindow, origin.x - shape.window.left, origin.y - shape.window.top);
    if (const MenuWindowRecord* record = FindMenuWindowRecord(menuWindow)) {
        shape.recorded = true;
        shape.recordX = record->x;
        shape.recordY = record->y;
    }
    return shape;
}

// Paints what waits to be painted, the frame's menu bar included.
void PaintPending(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ERASENOW | RDW_ALLCHILDREN);
    RECT none = {};
    EXPECT_FALSE(GetUpdateRect(window, &none, FALSE));
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

COLORREF ScreenPixel(int x, int y)
{
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

void SetSystemShadowsAlone(bool on)
{
    SystemParametersInfoA(SPI_SETDROPSHADOW, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(on)), 0);
}

class MenuWindowsTest : public ::testing::Test {
protected:
    void Open()
    {
        frame = MenuFrame::Open();
        ASSERT_NE(frame, nullptr);
        edit = frame->defaultMenu.subMenus.at(1);
        RECT client = {};
        GetClientRect(frame->m_hWnd, &client);
        MapWindowPoints(frame->m_hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
        at = {client.left + 40, client.top + 40};
    }
    void TearDown() override
    {
        if (frame != nullptr) frame->Close();
        CurrentLook = LookRegistry.at(MENU_LOOK_FLAT);
    }

    // The Edit popup's window as the given look shapes it.
    PopupShape ShapeWith(MenuLookId look)
    {
        CurrentLook = LookRegistry.at(look);
        PopupShape shape;
        EXPECT_TRUE(frame->WhileOpen(edit, at, [&](HWND menuWindow) { shape = ShapeOf(menuWindow); }));
        return shape;
    }

    TestColors colors;
    MenuFrame* frame = nullptr;
    HMENU edit = nullptr;
    POINT at = {};
};

TEST_F(MenuWindowsTest, WithoutSystemShadowsTheWindowGrowsAndDrawsItsOwnShadow)
{
    SystemShadows shadows(false);
    ASSERT_NO_FATAL_FAILURE(Open());
    const PopupShape plain = ShapeWith(MENU_LOOK_FLAT_NOBORDER);
    const PopupShape drawn = ShapeWith(MENU_LOOK_FLAT);
    ASSERT_TRUE(drawn.recorded);
    // The drawn frame around the room the system laid the items out in.
    EXPECT_EQ(Width(drawn.clientInWindow), Width(plain.clientInWindow) + 1);
    EXPECT_EQ(Height(drawn.clientInWindow), Height(plain.clientInWindow));
    EXPECT_EQ(drawn.window.top, plain.window.top - 1);
    EXPECT_EQ(drawn.recordX, drawn.window.left);
    EXPECT_EQ(drawn.recordY, drawn.window.top);
    const int w = Width(drawn.window), h = Height(drawn.window);
    EXPECT_EQ(drawn.clientInWindow.left, 2);
    EXPECT_EQ(drawn.clientInWindow.top, 2);
    EXPECT_EQ(drawn.clientInWindow.right, w - 5);
    EXPECT_EQ(drawn.clientInWindow.bottom, h - 6);

    // The frame, then the shadow: the frame's face under the window, darkened.
    frame->WhileOpen(edit, at, [&](HWND menuWindow) {
        const COLORREF under = GetSysColor(COLOR_BTNFACE);
        EXPECT_EQ(WindowPixel(menuWindow, 0, 20), ColorDarken(MenuColor(), 128));
        EXPECT_EQ(WindowPixel(menuWindow, w - 5, 20), ColorDarken(MenuColor(), 128));
        EXPECT_EQ(WindowPixel(menuWindow, 1, 20), MakeFlatColors(GetDC(nullptr)).backLight);
        for (int c = 1; c <= 4; ++c) {
            EXPECT_EQ(WindowPixel(menuWindow, w - c, 1), under) << "column " << c;
            EXPECT_EQ(WindowPixel(menuWindow, w - c, 5), ColorDarken(under, 6 * c * 2)) << "column " << c;
            EXPECT_EQ(WindowPixel(menuWindow, w - c, h / 2), ColorDarken(under, 30 * c)) << "column " << c;
            EXPECT_EQ(WindowPixel(menuWindow, w - c, h - 2), ColorDarken(under, 12 * c)) << "column " << c;
            EXPECT_EQ(WindowPixel(menuWindow, 2, h - c), under) << "row " << c;
            EXPECT_EQ(WindowPixel(menuWindow, w / 2, h - c), ColorDarken(under, 30 * c)) << "row " << c;
        }
    });
}

TEST_F(MenuWindowsTest, WithSystemShadowsTheWindowShrinksAndDrawsNoShadow)
{
    SystemShadows shadows(true);
    ASSERT_NO_FATAL_FAILURE(Open());
    const PopupShape plain = ShapeWith(MENU_LOOK_FLAT_NOBORDER);
    const PopupShape drawn = ShapeWith(MENU_LOOK_FLAT);
    EXPECT_EQ(Width(drawn.clientInWindow), Width(plain.clientInWindow));
    EXPECT_EQ(Height(drawn.clientInWindow), Height(plain.clientInWindow));
    const int w = Width(drawn.window), h = Height(drawn.window);
    EXPECT_EQ(drawn.clientInWindow.left, 2);
    EXPECT_EQ(drawn.clientInWindow.top, 2);
    EXPECT_EQ(drawn.clientInWindow.right, w - 2);
    EXPECT_EQ(drawn.clientInWindow.bottom, h - 2);
    frame->WhileOpen(edit, at, [&](HWND menuWindow) {
        const COLORREF edge = ColorDarken(MenuColor(), 128);
        EXPECT_EQ(WindowPixel(menuWindow, w - 1, h / 2), edge);
        EXPECT_EQ(WindowPixel(menuWindow, w / 2, h - 1), edge);
        EXPECT_EQ(WindowPixel(menuWindow, 0, h / 2), edge);
    });
}

// Run again in prefixes whose screen is at 150% and 200%: the border's lines,
// the room they take and the drawn shadow grow with the scale.
TEST_F(MenuWindowsTest, BorderAndShadowTakeTheScreensScale)
{
    const char* expected = std::getenv("DUSTREL_EXPECTED_DPI");
    const UINT dpi = expected != nullptr ? static_cast<UINT>(std::atoi(expected)) : BaseDpi;
    if (dpi == BaseDpi) GTEST_SKIP() << "the tests above check 100%";
    SystemShadows shadows(false);
    ASSERT_NO_FATAL_FAILURE(Open());
    ASSERT_EQ(CurrentMenuDpi(), dpi);
    const PopupShape plain = ShapeWith(MENU_LOOK_FLAT_NOBORDER);
    const PopupShape drawn = ShapeWith(MENU_LOOK_FLAT);
    // Every pixel of the 100% shape is a square of `line` pixels.
    const int line = ScaleToDpi(1, dpi), shadow = 4 * line;
    const int w = Width(drawn.window), h = Height(drawn.window);
    EXPECT_EQ(drawn.clientInWindow.left, 2 * line);
    EXPECT_EQ(drawn.clientInWindow.top, 2 * line);
    EXPECT_EQ(drawn.clientInWindow.right, w - 5 * line);
    EXPECT_EQ(drawn.clientInWindow.bottom, h - 6 * line);
    EXPECT_EQ(Width(drawn.clientInWindow), Width(plain.clientInWindow) + line);
    EXPECT_EQ(Height(drawn.clientInWindow), Height(plain.clientInWindow));
    EXPECT_EQ(drawn.window.top, plain.window.top - line);

    frame->WhileOpen(edit, at, [&](HWND menuWindow) {
        const COLORREF edge = ColorDarken(MenuColor(), 128), under = GetSysColor(COLOR_BTNFACE);
        const COLORREF backLight = MakeFlatColors(GetDC(nullptr)).backLight;
        for (int x = 0; x < line; ++x) {
            EXPECT_EQ(WindowPixel(menuWindow, x, h / 2), edge) << "left edge, column " << x;
            EXPECT_EQ(WindowPixel(menuWindow, line + x, h / 2), backLight) << "left line, column " << x;
            EXPECT_EQ(WindowPixel(menuWindow, w - shadow - 1 - x, h / 2), edge) << "right edge, column " << x;
        }
        // The shadow's columns, outermost first, as at 100% for each 100% column.
        for (int k = 0; k < shadow; ++k) {
            const int c = 1 + k / line;
            EXPECT_EQ(WindowPixel(menuWindow, w - 1 - k, h / 2), ColorDarken(under, 30 * c)) << "column " << k;
            EXPECT_EQ(WindowPixel(menuWindow, w / 2, h - 1 - k), ColorDarken(under, 30 * c)) << "row " << k;
            EXPECT_EQ(WindowPixel(menuWindow, w - 1 - k, 3 * line), under) << "column " << k;
        }
    });
}

TEST_F(MenuWindowsTest, TheShadowDarkensWhatLiesUnderTheWindowOnce)
{
    SystemShadows shadows(false);
    ASSERT_NO_FATAL_FAILURE(Open());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    // Moved a little while shown: part of its new place shows the window itself.
    frame->WhileOpen(edit, at, [&](HWND menuWindow) {
        RECT place = {};
        GetWindowRect(menuWindow, &place);
        SetWindowPos(menuWindow, nullptr, place.left + 7, place.top + 3, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RedrawWindow(menuWindow, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        const int w = Width(place), h = Height(place);
        for (int c = 1; c <= 4; ++c) {
            EXPECT_EQ(WindowPixel(menuWindow, w - c, h / 2), ColorDarken(face, 30 * c)) << "column " << c;
            EXPECT_EQ(WindowPixel(menuWindow, w / 2, h - c), ColorDarken(face, 30 * c)) << "row " << c;
        }
    });

    // Printed before any move told the library where it is.
    const int w = 120, h = 80;
    HWND unplaced = CreateWindowExA(0, "#32768", "", WS_POPUP, at.x, at.y, w, h, frame->m_hWnd, nullptr, nullptr,
                                    nullptr);
    ASSERT_NE(unplaced, nullptr);
    ASSERT_NE(FindMenuWindowRecord(unplaced), nullptr);
    ASSERT_NE(ScreenPixel(w - 1, h / 2), face) << "the screen's corner must differ for this check";
    Canvas canvas(w, h);
    SendMessageA(unplaced, WM_PRINT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_NONCLIENT | PRF_CLIENT);
    EXPECT_EQ(canvas.Pixel(w - 1, h / 2), ColorDarken(face, 30));
    DestroyWindow(unplaced);
}

TEST_F(MenuWindowsTest, AShadowSettingChangedWhileRunningKeepsEachMenuWhole)
{
    SystemShadows shadows(false);
    ASSERT_NO_FATAL_FAILURE(Open());
    // Turned on while a menu shows: that menu keeps its frame and own shadow.
    frame->WhileOpen(edit, at, [&](HWND menuWindow) {
        SetSystemShadowsAlone(true);
        RedrawWindow(menuWindow, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        const PopupShape shape = ShapeOf(menuWindow);
        const int w = Width(shape.window), h = Height(shape.window);
        EXPECT_EQ(WindowPixel(menuWindow, w - 5, h / 2), ColorDarken(MenuColor(), 128));
        EXPECT_EQ(WindowPixel(menuWindow, w - 1, h / 2), ColorDarken(GetSysColor(COLOR_BTNFACE), 30));
    });
    // The next menu is shaped for the new setting throughout.
    const PopupShape plain = ShapeWith(MENU_LOOK_FLAT_NOBORDER);
    const PopupShape drawn = ShapeWith(MENU_LOOK_FLAT);
    EXPECT_EQ(Width(drawn.clientInWindow), Width(plain.clientInWindow));
    EXPECT_EQ(drawn.clientInWindow.right, Width(drawn.window) - 2);
    EXPECT_EQ(drawn.clientInWindow.bottom, Height(drawn.window) - 2);
}

TEST_F(MenuWindowsTest, MenusAreTakenOverAgainWhenAPauseOfTheHookEnds)
{
    Open();
    {
        MenuWindowHookPause pause;
        MenuWindowHookPause nested;
    }
    EXPECT_TRUE(ShapeWith(MENU_LOOK_FLAT).recorded);
}

TEST_F(MenuWindowsTest, TheClassicLookFramesTheWindowInTheHighlightColour)
{
    SystemShadows shadows(false);
    ASSERT_NO_FATAL_FAILURE(Open());
    CurrentLook = LookRegistry.at(MENU_LOOK_CLASSIC);
    frame->WhileOpen(edit, at, [&](HWND menuWindow) {
        const PopupShape shape = ShapeOf(menuWindow);
        const int w = Width(shape.window), h = Height(shape.window);
        const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
        EXPECT_EQ(WindowPixel(menuWindow, 0, h / 2), highlight);
        EXPECT_EQ(WindowPixel(menuWindow, w / 2, 0), highlight);
        EXPECT_EQ(WindowPixel(menuWindow, w - 5, h / 2), highlight);
        EXPECT_EQ(WindowPixel(menuWindow, w / 2, h - 5), highlight);
        EXPECT_EQ(WindowPixel(menuWindow, 1, h / 2), MenuColor()) << "the band inside the frame";
        EXPECT_EQ(WindowPixel(menuWindow, w - 1, h / 2), ColorDarken(GetSysColor(COLOR_BTNFACE), 30));
    });
}

TEST_F(MenuWindowsTest, PrintingTheWindowDrawsTheBorderAroundThePrintedMenu)
{
    SystemShadows shadows(true);
    ASSERT_NO_FATAL_FAILURE(Open());
    frame->WhileOpen(edit, at, [&](HWND menuWindow) {
        const PopupShape shape = ShapeOf(menuWindow);
        const int w = Width(shape.window), h = Height(shape.window);
        Canvas canvas(w, h);
        canvas.Fill(RGB(1, 2, 3));
        SendMessageA(menuWindow, WM_PRINT, reinterpret_cast<WPARAM>(canvas.Dc()),
                     PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
        const MenuWindowRecord* record = FindMenuWindowRecord(menuWindow);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->ncPaintReady, 0) << "until the next border paint";
        const COLORREF edge = ColorDarken(MenuColor(), 128);
        EXPECT_EQ(canvas.Pixel(0, h / 2), edge);
        EXPECT_EQ(canvas.Pixel(w - 1, h / 2), edge);
        EXPECT_EQ(canvas.Pixel(w / 2, h - 1), edge);
        // The inside comes out as the menu shows it on screen.
        int differing = 0;
        for (int y = 2; y < h - 2; y += 3)
            for (int x = 2; x < w - 3; ++x) differing += canvas.Pixel(x, y) != WindowPixel(menuWindow, x, y);
        EXPECT_EQ(differing, 0);
    });
}

TEST_F(MenuWindowsTest, AWindowIsLetGoWhenHiddenResizedWhileMovedOrDestroyed)
{
    ASSERT_NO_FATAL_FAILURE(Open());
    HWND seen = nullptr;
    frame->WhileOpen(edit, at, [&](HWND menuWindow) {
        seen = menuWindow;
        const MenuWindowRecord* record = FindMenuWindowRecord(menuWindow);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->menu, edit) << "the window knows the popup it shows";
        const DWORD style = record->style;
        const auto saved = reinterpret_cast<LONG_PTR>(GetPropA(menuWindow, "OldMenuProc"));
        EXPECT_NE(saved, 0);
        EXPECT_NE(GlobalFindAtomA("OldMenuProc"), 0);
        EXPECT_NE(GetWindowLongPtrA(menuWindow, GWLP_WNDPROC), saved);
        EXPECT_EQ(GetWindowLongA(menuWindow, GWL_STYLE) & WS_BORDER, 0);

        // Moved alone, it stays taken over and its place is noted.
        RECT place = {};
        GetWindowRect(menuWindow, &place);
        SetWindowPos(menuWindow, nullptr, place.left + 7, place.top + 3, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        record = FindMenuWindowRecord(menuWindow);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->x, place.left + 7);
        EXPECT_EQ(record->y, place.top + 3 - 1);

        ShowWindow(menuWindow, SW_HIDE);
        EXPECT_EQ(FindMenuWindowRecord(menuWindow), nullptr);
        EXPECT_EQ(GetPropA(menuWindow, "OldMenuProc"), nullptr);
        EXPECT_EQ(GetWindowLongPtrA(menuWindow, GWLP_WNDPROC), saved);
        const DWORD restored = static_cast<DWORD>(GetWindowLongA(menuWindow, GWL_STYLE));
        EXPECT_EQ(restored & ~DWORD{WS_VISIBLE}, style & ~DWORD{WS_VISIBLE});
    });
    ASSERT_NE(seen, nullptr);

    frame->WhileOpen(edit, at, [&](HWND menuWindow) {
        RECT place = {};
        GetWindowRect(menuWindow, &place);
        SetWindowPos(menuWindow, nullptr, place.left + 9, place.top, Width(place) + 1, Height(place),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_EQ(FindMenuWindowRecord(menuWindow), nullptr) << "moved and resized at once";
    });

    frame->WhileOpen(edit, at, [&](HWND menuWindow) { EXPECT_NE(FindMenuWindowRecord(menuWindow), nullptr); });
    EXPECT_TRUE(MenuWindowMap->empty()) << "closed menus leave no record";
    EXPECT_EQ(frame->defaultMenu.openPopups, 0) << "every popup that opened has closed";
}

TEST_F(MenuWindowsTest, ABarItemRepaintsWhenItsPopupOpensAndCloses)
{
    ASSERT_NO_FATAL_FAILURE(Open());
    CDrawnMenu* bar = &frame->defaultMenu;
    CDrawnMenu* popup = CDrawnMenu::FromHandle(edit);
    ASSERT_NE(popup, nullptr);
    RECT client = {};
    GetClientRect(frame->m_hWnd, &client);
    POINT origin = {0, 0};
    ClientToScreen(frame->m_hWnd, &origin);
    // An item just above the client area: only its 10-pixel margin reaches in.
    bar->barItemRect = {origin.x + 30, origin.y - 19, origin.x + 70, origin.y - 1};
    const RECT expected = {30, 0, 80, 9};

    RECT update = {};
    PaintPending(frame->m_hWnd);
    AnnouncePopup(frame->m_hWnd, edit);
    EXPECT_EQ(PendingPopupMenu, edit);
    EXPECT_EQ(bar->openPopups, 1);
    ASSERT_TRUE(GetUpdateRect(frame->m_hWnd, &update, FALSE));
    EXPECT_TRUE(EqualRect(&update, &expected));

    PaintPending(frame->m_hWnd);
    AnnouncePopup(frame->m_hWnd, edit);
    EXPECT_EQ(bar->openPopups, 2);
    EXPECT_FALSE(GetUpdateRect(frame->m_hWnd, &update, FALSE)) << "only the first popup presses the item";
    PendingPopupMenu = nullptr;

    EXPECT_EQ(popup->OnPopupClosed(frame->m_hWnd), 1);
    EXPECT_EQ(bar->openPopups, 0);
    ASSERT_TRUE(GetUpdateRect(frame->m_hWnd, &update, FALSE));
    EXPECT_TRUE(EqualRect(&update, &expected));
}

TEST_F(MenuWindowsTest, OnWindowsXpTheSystemCommandsChangeIdsWhileTheirMenuIsOpen)
{
    Restore<int> version(OsVersionCode);
    OsVersionCode = 7;
    HMENU system = CreatePopupMenu();
    AppendMenuA(system, MF_STRING, SC_RESTORE, "&Restore");
    AppendMenuA(system, MF_STRING, SC_MOVE, "&Move");
    AppendMenuA(system, MF_STRING, SC_MINIMIZE, "Mi&nimize");
    AppendMenuA(system, MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    CDrawnMenu menu;
    ASSERT_TRUE(menu.Attach(system));
    menu.OnPopupOpening();
    EXPECT_EQ(GetMenuItemID(system, 0), UINT{SC_RESTORE + 1});
    EXPECT_EQ(GetMenuItemID(system, 1), UINT{SC_MOVE});
    EXPECT_EQ(GetMenuItemID(system, 2), UINT{SC_MINIMIZE + 1});
    EXPECT_EQ(GetMenuItemID(system, 3), UINT{SC_CLOSE + 1});
    EXPECT_EQ(menu.items.at(3)->commandId, UINT_PTR{SC_CLOSE + 1});
    EXPECT_EQ(GetMenuState(system, 3, MF_BYPOSITION) & MF_OWNERDRAW, UINT{MF_OWNERDRAW});
    menu.OnPopupClosed(nullptr);
    EXPECT_EQ(GetMenuItemID(system, 0), UINT{SC_RESTORE});
    EXPECT_EQ(GetMenuItemID(system, 3), UINT{SC_CLOSE});
    EXPECT_EQ(menu.items.at(3)->text, "&Close\tAlt+F4");
}

TEST(MenuLibraryVersion, TheLibraryReadsTheWindowsVersionThePrefixGives)
{
#ifdef DUSTREL_EXPECT_WINDOWS_XP
    EXPECT_EQ(OsVersionCode, 7);
#else
    EXPECT_NE(OsVersionCode, 7);
#endif
}

}  // namespace
