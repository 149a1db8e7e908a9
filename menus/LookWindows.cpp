#include "framework/Dpi.h"
#include "menus/Colors.h"
#include "menus/DrawnMenu.h"
#include "menus/FlatColors.h"
#include "menus/MenuGdi.h"
#include "menus/MenuLook.h"
#include "menus/MenuValues.h"
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

// The border is drawn in whole lines: every pixel of its 96-DPI shape (a
// border of two 1-pixel lines, the look's own shadow 4 wide) becomes a square
// of this many pixels at the menu's DPI, so the two lines stay alike.
int LineWidth() { return MenuScale(1); }
int BorderWidth() { return 2 * LineWidth(); }

// The client area as the background fills it: its last line's width of
// columns belongs to the border.
RECT ErasedArea(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    client.left -= BorderWidth();
    client.right -= LineWidth();
    return client;
}

// The space between the outer rectangle and the client area.
void FillBand(HDC dc, const RECT& outer, const RECT& client, COLORREF color)
{
    FillSolid(dc, {outer.left, outer.top, outer.right, client.top}, color);
    FillSolid(dc, {outer.left, client.bottom, outer.right, outer.bottom}, color);
    FillSolid(dc, {outer.left, outer.top, client.left, outer.bottom}, color);
    FillSolid(dc, {client.right - LineWidth(), outer.top, outer.right, outer.bottom}, color);
}

// A hollow rectangle whose edges are one line wide.
void FrameLine(HDC dc, const RECT& outer, COLORREF color) { Draw3dFrame(dc, outer, color, color, LineWidth()); }

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
        InflateRect(&overlap, -LineWidth(), 0);
    else
        InflateRect(&overlap, 0, -LineWidth());
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

int ShadowWidth(HWND window) { return HasSystemShadows(window) ? 0 : 4 * LineWidth(); }

// The outer rectangle of the drawn frame: without the system's shadows the
// look's own shadow takes the last columns and rows at the right and bottom.
RECT FrameRect(HWND window, SIZE size, int inset)
{
    const int shadow = ShadowWidth(window);
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
    proposed.left += BorderWidth();
    proposed.top += BorderWidth();
    proposed.right -= (systemShadows ? 2 : 5) * LineWidth();
    proposed.bottom -= (systemShadows ? 2 : 6) * LineWidth();
}

void CDrawnMenuLook::WindowPosChanging(HWND window, WINDOWPOS& position)
{
    if (!DrawsBorder()) return;
    // The look's frame takes the place of the system's (3 pixels a side on
    // Windows at 100%; none at all under Wine): the window grows by what the
    // look's takes beyond it, so that the items keep the height the system
    // laid them out in.
    const MenuWindowRecord* record = FindMenuWindowRecord(window);
    RECT system = {};
    if (record != nullptr) AdjustWindowRectForDpi(system, record->style, record->exStyle, CurrentMenuDpi());
    const int drawnFrame = BorderWidth() + (HasSystemShadows(window) ? 2 : 6) * LineWidth();
    const int grow = drawnFrame - (system.bottom - system.top);
    position.cx += grow;
    position.cy += grow;
    position.y -= LineWidth();
}

bool CDrawnMenuLook::GetInnerRect(HWND window, RECT& inner)
{
    if (!GetWindowRect(window, &inner)) return false;
    if (DrawsBorder()) {
        const int farSide = (HasSystemShadows(window) ? 3 : 7) * LineWidth();
        inner.left += BorderWidth();
        inner.top += BorderWidth();
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
    FillBand(dc, FrameRect(window, size, LineWidth()), ClientInWindow(window), MenuColor());
    FrameLine(dc, FrameRect(window, size, 0), GetSysColor(COLOR_HIGHLIGHT));
    DrawMenuShadow(window, dc);
    return true;
}

bool CDrawnMenuLookFlat::DrawBorder(HWND window, HDC dc)
{
    const MenuWindowRecord* record = FindMenuWindowRecord(window);
    if (!DrawsBorder() || record == nullptr) return false;
    const SIZE size = WindowSize(window);
    const FlatColors colors = MakeFlatColors(dc);
    FillBand(dc, FrameRect(window, size, LineWidth()), ClientInWindow(window), colors.backIcon);
    FrameLine(dc, FrameRect(window, size, LineWidth()), colors.backLight);
    FrameLine(dc, FrameRect(window, size, 0), ColorDarken(MenuColor(), 128));
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
    const int shadow = ShadowWidth(window);
    // Distances along the shadow count in 96-DPI pixels.
    const int line = LineWidth();
    auto at96 = [line](int pixels) { return pixels / line; };
    HDC copy = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(copy, record->under);
    auto shade = [&](int px, int py, int amount) {
        const COLORREF under = GetPixel(copy, px, py);
        SetPixel(dc, px, py, amount > 0 ? ColorDarken(under, amount) : under);
    };
    for (int k = 0; k < shadow; ++k) {
        // c counts the 96-DPI columns and rows from the outer edge in.
        const int c = 1 + at96(k);
        const int px = width - 1 - k;
        for (int row = 0; row < height; ++row) {
            const int fromTop = at96(row), fromBottom = at96(height - 1 - row);
            int amount = 0;
            if (fromBottom < 4) amount = 6 * c * (fromBottom + 1);
            else if (fromTop >= 8) amount = 30 * c;
            else if (fromTop >= 4) amount = 6 * c * (fromTop - 3);
            shade(px, row, amount);
        }
        const int py = height - 1 - k;
        for (int column = 0; column < width - shadow; ++column) {
            const int fromLeft = at96(column);
            int amount = 0;
            if (fromLeft >= 8) amount = 30 * c;
            else if (fromLeft >= 4) amount = 6 * c * (fromLeft - 3);
            shade(column, py, amount);
        }
    }
    SelectObject(copy, old);
    DeleteDC(copy);
}
