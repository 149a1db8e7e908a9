#include "menus/Colors.h"
#include "menus/DrawnMenu.h"
#include "menus/FlatColors.h"
#include "menus/MenuGdi.h"
#include "menus/MenuLook.h"
#include "menus/MenuWindows.h"

#include "menus/ErrorReport.h"

namespace {

constexpr DWORD BorderStyle = WS_BORDER;
constexpr DWORD BorderExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;

SIZE WindowSize(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// The client rectangle in window coordinates.
RECT ClientInWindow(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT rect = {};
    GetWindowRect(window, &rect);
    OffsetRect(&client, origin.x - rect.left, origin.y - rect.top);
    return client;
}

// The client area as the background fills it: its last column belongs to the border.
RECT ErasedArea(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    client.left -= 2;
    client.right -= 1;
    return client;
}

// The space between the outer rectangle and the client area.
void FillBand(HDC dc, const RECT& outer, const RECT& client, COLORREF color)
{
    FillSolid(dc, {outer.left, outer.top, outer.right, client.top}, color);
    FillSolid(dc, {outer.left, client.bottom, outer.right, outer.bottom}, color);
    FillSolid(dc, {outer.left, outer.top, client.left, outer.bottom}, color);
    FillSolid(dc, {client.right - 1, outer.top, outer.right, outer.bottom}, color);
}

// The popup's frame opens towards the menu-bar item it hangs from.
void DrawMenuBarLink(HDC dc, const MenuWindowRecord& record, SIZE size)
{
    CDrawnMenu* popup = CDrawnMenu::FromHandle(record.menu);
    CDrawnMenu* bar = popup != nullptr ? popup->ParentObject() : nullptr;
    if (bar == nullptr || bar->isPopup != 0) return;
    const RECT placed = {record.x, record.y, record.x + size.cx, record.y + size.cy};
    RECT overlap = {};
    if (!IntersectRect(&overlap, &placed, &bar->barItemRect)) return;
    if (overlap.right - overlap.left > overlap.bottom - overlap.top)
        InflateRect(&overlap, -1, 0);
    else
        InflateRect(&overlap, 0, -1);
    OffsetRect(&overlap, -record.x, -record.y);
    FillSolid(dc, overlap, MenuColor());
}

// The shadow setting the window was taken over with: turned on or off while
// the window shows, it changes neither the window's border nor its drawing.
bool HasSystemShadows(HWND window)
{
    const MenuWindowRecord* record = FindMenuWindowRecord(window);
    return record != nullptr ? (record->flags & MenuWindowSystemShadows) != 0 : SystemDrawsMenuShadows();
}

// The outer rectangle of the drawn frame: without the system's shadows the
// look's own shadow takes the last 4 pixels at the right and bottom.
RECT FrameRect(HWND window, SIZE size, int inset)
{
    const int shadow = HasSystemShadows(window) ? 0 : 4;
    return {inset, inset, size.cx - inset - shadow, size.cy - inset - shadow};
}

// The window as the screen shows it, or as it will once shown.
RECT PlaceOf(HWND window)
{
    RECT place = {};
    GetWindowRect(window, &place);
    return place;
}

}  // namespace

bool CDrawnMenuLook::OnSubclass(HWND window, MenuWindowRecord& record)
{
    if (!DrawsBorder()) return false;
    record.flags |= MenuWindowBorderRemoved;
    SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(record.style & ~BorderStyle));
    SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>(record.exStyle & ~BorderExStyle));
    return true;
}

void CDrawnMenuLook::OnUnsubclass(HWND window, MenuWindowRecord& record)
{
    if (CDrawnMenu* popup = CDrawnMenu::FromHandle(record.menu))
        popup->OnPopupClosed(GetParent(window));
    if ((record.flags & MenuWindowBorderRemoved) == 0) return;
    const DWORD style = record.style | ((record.flags & MenuWindowOnMenuMessage) ? WS_VISIBLE : 0);
    SetLastError(0);
    SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(style));
    ShowLastError();
    SetLastError(0);
    SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>(record.exStyle));
    ShowLastError();
}

void CDrawnMenuLook::NcCalcSize(HWND window, RECT& proposed)
{
    if (!DrawsBorder()) return;
    const bool systemShadows = HasSystemShadows(window);
    proposed.left += 2;
    proposed.top += 2;
    proposed.right -= systemShadows ? 2 : 5;
    proposed.bottom -= systemShadows ? 2 : 6;
}

void CDrawnMenuLook::WindowPosChanging(HWND window, WINDOWPOS& position)
{
    if (!DrawsBorder()) return;
    const int grow = HasSystemShadows(window) ? -2 : 2;
    position.cx += grow;
    position.cy += grow;
    position.y -= 1;
}

bool CDrawnMenuLook::GetInnerRect(HWND window, RECT& inner)
{
    if (!GetWindowRect(window, &inner)) return false;
    if (DrawsBorder()) {
        const int farSide = HasSystemShadows(window) ? 3 : 7;
        inner.left += 2;
        inner.top += 2;
        inner.right -= farSide;
        inner.bottom -= farSide;
    }
    return true;
}

bool CDrawnMenuLook::EraseBackground(HWND window, HDC dc)
{
    FillSolid(dc, ErasedArea(window), GetSysColor(COLOR_MENU));
    return true;
}

bool CDrawnMenuLookFlat::EraseBackground(HWND window, HDC dc)
{
    const MenuWindowRecord* record = FindMenuWindowRecord(window);
    if (record == nullptr || record->menu == nullptr) return CDrawnMenuLook::EraseBackground(window, dc);
    FillSolid(dc, ErasedArea(window), MenuColor());
    return true;
}

bool CDrawnMenuLook::DrawBorder(HWND window, HDC dc)
{
    const MenuWindowRecord* record = FindMenuWindowRecord(window);
    if (!DrawsBorder() || record == nullptr) return false;
    const SIZE size = WindowSize(window);
    FillBand(dc, FrameRect(window, size, 1), ClientInWindow(window), MenuColor());
    FrameWithPen(dc, FrameRect(window, size, 0), GetSysColor(COLOR_HIGHLIGHT));
    DrawMenuShadow(window, dc);
    return true;
}

bool CDrawnMenuLookFlat::DrawBorder(HWND window, HDC dc)
{
    const MenuWindowRecord* record = FindMenuWindowRecord(window);
    if (!DrawsBorder() || record == nullptr) return false;
    const SIZE size = WindowSize(window);
    const FlatColors colors = MakeFlatColors(dc);
    FillBand(dc, FrameRect(window, size, 1), ClientInWindow(window), colors.backIcon);
    FrameWithPen(dc, FrameRect(window, size, 1), colors.backLight);
    FrameWithPen(dc, FrameRect(window, size, 0), ColorDarken(MenuColor(), 128));
    DrawMenuShadow(window, dc);
    DrawMenuBarLink(dc, *record, size);
    return true;
}

void DrawMenuShadow(HWND window, HDC dc)
{
    MenuWindowRecord* record = FindMenuWindowRecord(window);
    if (record == nullptr || HasSystemShadows(window)) return;
    // A window printed before it shows (menu animations) is not on screen
    // yet: the screen at its place can still be copied.
    const RECT place = PlaceOf(window);
    if (!IsWindowVisible(window) && (record->under == nullptr || !EqualRect(&place, &record->underPlace)))
        CaptureScreenUnder(*record, place, false);
    if (record->under == nullptr) return;
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    HDC copy = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(copy, record->under);
    auto shade = [&](int px, int py, int amount) {
        const COLORREF under = GetPixel(copy, px, py);
        SetPixel(dc, px, py, amount > 0 ? ColorDarken(under, amount) : under);
    };
    for (int c = 1; c <= 4; ++c) {
        const int px = width - c;
        for (int row = 0; row < height; ++row) {
            int amount = 0;
            if (row >= height - 4) amount = 6 * c * (height - row);
            else if (row >= 8) amount = 30 * c;
            else if (row >= 4) amount = 6 * c * (row - 3);
            shade(px, row, amount);
        }
        const int py = height - c;
        for (int column = 0; column <= width - 5; ++column) {
            int amount = 0;
            if (column >= 8) amount = 30 * c;
            else if (column >= 4) amount = 6 * c * (column - 3);
            shade(column, py, amount);
        }
    }
    SelectObject(copy, old);
    DeleteDC(copy);
}
