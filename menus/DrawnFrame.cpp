#include "menus/DrawnFrame.h"

#include "menus/FlatColors.h"
#include "menus/MenuGdi.h"
#include "menus/MenuIcons.h"
#include "menus/MenuValues.h"
#include "menus/MenuWindows.h"

namespace {

constexpr UINT HotTimerMilliseconds = 100;
constexpr DWORD ColorRefreshPause = 2000;

CMenu* HolderIn(HMENU menu, LPMEASUREITEMSTRUCT request)
{
    return menu != nullptr ? FindMenuHoldingItem(menu, request->itemID, request->itemData) : nullptr;
}

POINT CursorPoint()
{
    POINT point = {};
    GetCursorPos(&point);
    return point;
}

}  // namespace

bool MeasureFrameMenuItem(HWND frame, LPMEASUREITEMSTRUCT request)
{
    if (request == nullptr || request->CtlType != ODT_MENU) return false;
    CMenu* holder = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(static_cast<UINT_PTR>(request->itemID)));
    if (holder == nullptr && CMenu::TrackingWindow() == frame) holder = HolderIn(CMenu::TrackingMenu(), request);
    if (holder == nullptr) holder = HolderIn(GetMenu(frame), request);
    if (holder == nullptr) holder = HolderIn(GetSystemMenu(frame, FALSE), request);
    if (holder == nullptr) return false;
    holder->MeasureItem(request);
    return true;
}

int DrawBarItem(int position, HWND frame, HMENU menu, UINT state)
{
    if (position == -1) return 0;
    RECT item = {};
    if (!GetMenuItemRect(frame, menu, static_cast<UINT>(position), &item)) return 0;
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_DATA;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) || !(info.fType & MFT_OWNERDRAW)) return 0;
    HDC dc = GetWindowDC(frame);
    {
        ScopedSelect font(dc, CreateMenuFont(false));
        RECT window = {};
        GetWindowRect(frame, &window);
        OffsetRect(&item, -window.left, -window.top);
        HotBarItemData = info.dwItemData;
        DRAWITEMSTRUCT request = {ODT_MENU, 0, info.wID, ODA_DRAWENTIRE, state, reinterpret_cast<HWND>(menu),
                                  dc, item, info.dwItemData};
        SendMessageA(frame, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request));
    }
    ReleaseDC(frame, dc);
    return 1;
}

int StartMenuTimer(HWND window, UINT milliseconds)
{
    if (!IsWindow(window)) return 0;
    for (UINT_PTR id = 31; id <= 99; ++id)
        if (SetTimer(window, id, milliseconds, nullptr)) return static_cast<int>(id);
    return 0;
}

void CDrawnFrameSupport::KillHotTimer(HWND frame)
{
    if (hotTimerId != 0) KillTimer(frame, static_cast<UINT_PTR>(hotTimerId));
    hotTimerId = 0;
}

// Systems before Windows 2000, and remote sessions, draw no hot menu-bar
// items; the frame draws them itself while the cursor is over the bar.
LRESULT CDrawnFrameSupport::OnNcHitTest(HWND frame, LPARAM point, LRESULT hit)
{
    if (!(OsVersionCode < 6 || EmulateHotTracking)) return hit;
    const UINT state = IsChild(frame, GetFocus()) ? 0 : ODS_INACTIVE;
    HMENU bar = GetMenu(frame);
    if (!inMenuLoop && hit == HTMENU && CDrawnMenu::FromHandle(bar) != nullptr) {
        const POINT screen = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
        const int item = MenuItemFromPoint(frame, bar, screen);
        if (item != -1) {
            if (item != hotBarItem) {
                DrawBarItem(hotBarItem, frame, bar, state);
                if (!DrawBarItem(item, frame, bar, state | ODS_HOTLIGHT)) {
                    hotBarItem = -1;
                    return HTMENU;
                }
            } else if (HotBarItemData != 0 || !DrawBarItem(item, frame, bar, state | ODS_HOTLIGHT)) {
                return HTMENU;
            }
            if (hotTimerId == 0) hotTimerId = StartMenuTimer(frame, HotTimerMilliseconds);
            hotBarItem = item;
            return HTMENU;
        }
    }
    if (hotBarItem != -1) {
        DrawBarItem(hotBarItem, frame, bar, state);
        hotBarItem = -1;
    }
    KillHotTimer(frame);
    return hit;
}

bool CDrawnFrameSupport::OnDrawnFrameMessage(HWND frame, UINT message, WPARAM wParam, LPARAM lParam,
                                             LRESULT& result, const BaseHandler& base)
{
    switch (message) {
    case WM_MEASUREITEM:
        result = MeasureFrameMenuItem(frame, reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam))
                     ? TRUE
                     : base(message, wParam, lParam);
        return true;
    case WM_MENUCHAR: {
        CDrawnMenu* menu = CDrawnMenu::FromHandle(reinterpret_cast<HMENU>(lParam));
        if (menu == nullptr) return false;
        result = CDrawnMenu::FindMnemonic(LOWORD(wParam), HIWORD(wParam), menu);
        return true;
    }
    case WM_INITMENUPOPUP:
        result = base(message, wParam, lParam);
        AnnouncePopup(frame, reinterpret_cast<HMENU>(wParam));
        return true;
    case WM_ENTERMENULOOP:
        inMenuLoop = 1;
        KillHotTimer(frame);
        if (hotBarItem != -1) {
            DrawBarItem(hotBarItem, frame, GetMenu(frame), 0);
            hotBarItem = -1;
        }
        result = base(message, wParam, lParam);
        return true;
    case WM_EXITMENULOOP:
        inMenuLoop = 0;
        result = base(message, wParam, lParam);
        return true;
    case WM_TIMER:
        result = base(message, wParam, lParam);
        if (hotTimerId != 0 && wParam == static_cast<WPARAM>(hotTimerId)) {
            const POINT cursor = CursorPoint();
            SendMessageA(frame, WM_NCHITTEST, 0, MAKELPARAM(cursor.x, cursor.y));
        }
        return true;
    case WM_NCHITTEST:
        result = OnNcHitTest(frame, lParam, base(message, wParam, lParam));
        return true;
    case WM_DESTROY:
        KillHotTimer(frame);
        result = base(message, wParam, lParam);
        return true;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETHIGHCONTRAST) HighContrast = ReadHighContrast();
        return false;
    case WM_SYSCOLORCHANGE: {
        result = base(message, wParam, lParam);
        HighContrast = ReadHighContrast();
        const DWORD now = GetTickCount();
        if (now - LastColorRefresh > ColorRefreshPause) {
            LastColorRefresh = now;
            for (CDrawnMenuIcons* icons : IconSets()) icons->Refresh();
        }
        return true;
    }
    default:
        return false;
    }
}
