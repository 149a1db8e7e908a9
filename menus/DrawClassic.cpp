#include "menus/Colors.h"
#include "menus/DrawnMenu.h"
#include "menus/MenuGdi.h"
#include "menus/MenuIcons.h"
#include "menus/MenuItemKinds.h"
#include "menus/MenuLook.h"
#include "menus/MenuValues.h"

#include <algorithm>

namespace {

// Frames need the 3-D style of Windows 95 and later.
bool FramesAvailable()
{
    return OsVersionCode > 1;
}

void DrawEdgeAround(HDC dc, RECT rect, int inflate, UINT edge)
{
    InflateRect(&rect, inflate, inflate);
    DrawEdge(dc, &rect, edge, BF_RECT);
}

void RememberBarItem(CDrawnMenu* menu, HDC dc, const RECT& item)
{
    if (menu->isPopup != 0) return;
    RECT screen = item;
    RECT window = {};
    HWND owner = WindowFromDC(dc);
    if (owner != nullptr && GetWindowRect(owner, &window)) OffsetRect(&screen, window.left, window.top);
    menu->barItemRect = screen;
}

void DrawBarCaption(HDC dc, const std::string& caption, RECT rect, COLORREF color)
{
    std::wstring left, right;
    SplitCaption(WideText(caption), left, right);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, color);
    DrawMenuText(dc, left, rect, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

void DrawClassicBarItem(CDrawnMenu* menu, LPDRAWITEMSTRUCT request, const CDrawnMenuItemData& record)
{
    HDC dc = request->hDC;
    RECT item = request->rcItem;
    const UINT state = request->itemState;
    FillSolid(dc, item, MenuColor());
    const bool hot = (state & ODS_HOTLIGHT) != 0;
    const bool pressed = (state & ODS_SELECTED) != 0 && !hot;
    if (hot || pressed) RememberBarItem(menu, dc, item);
    if (hot) DrawEdge(dc, &item, BDR_RAISEDINNER, BF_RECT);
    if (pressed) {
        DrawEdge(dc, &item, BDR_SUNKENOUTER, BF_RECT);
        OffsetRect(&item, 1, 1);
    }
    const bool gray = (state & (ODS_GRAYED | ODS_INACTIVE)) != 0;
    DrawBarCaption(dc, record.text, item, GetSysColor(gray ? COLOR_GRAYTEXT : COLOR_MENUTEXT));
}

void DrawMixedBarItem(CDrawnMenu* menu, LPDRAWITEMSTRUCT request, const CDrawnMenuItemData& record)
{
    HDC dc = request->hDC;
    const UINT state = request->itemState;
    const bool lit = (state & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
    FillSolid(dc, request->rcItem, lit ? GetSysColor(COLOR_HIGHLIGHT) : MenuColor());
    if (lit) RememberBarItem(menu, dc, request->rcItem);
    const int color = lit ? COLOR_HIGHLIGHTTEXT : (state & ODS_GRAYED) ? COLOR_GRAYTEXT : COLOR_MENUTEXT;
    DrawBarCaption(dc, record.text, request->rcItem, GetSysColor(color));
}

void DrawClassicPopupItem(CDrawnMenu* menu, LPDRAWITEMSTRUCT request, const CDrawnMenuItemData& record)
{
    HDC dc = request->hDC;
    const RECT& item = request->rcItem;
    UINT state = request->itemState;
    const bool keyboardMark = TakeKeyboardMark(state);
    const COLORREF background = GetSysColor(COLOR_MENU);
    FillSolid(dc, item, background);
    if (record.IsSeparator()) {
        if (record.IsTitle()) {
            menu->DrawTitle(request, false);
            return;
        }
        RECT line = item;
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }

    int imageWidth = 0, imageHeight = 0;
    const bool hasImage = record.icons != nullptr && record.imageIndex >= 0 &&
                          record.icons->ImageSize(imageWidth, imageHeight);
    const bool checked = (state & ODS_CHECKED) != 0;
    const bool selected = (state & ODS_SELECTED) != 0;
    const bool grayed = (state & ODS_GRAYED) != 0;
    if (selected) {
        RECT bar = item;
        if (hasImage || checked) bar.left = item.left + menu->ScaledIconWidth() + MenuScale(6);
        FillSolid(dc, bar, GetSysColor(COLOR_HIGHLIGHT));
    }

    RECT cell = {item.left + MenuScale(3), item.top + (item.bottom - item.top - menu->ScaledIconHeight()) / 2, 0, 0};
    cell.right = cell.left + menu->ScaledIconWidth();
    cell.bottom = cell.top + menu->ScaledIconHeight();
    if (hasImage) {
        const int x = cell.left + std::max(0, (menu->ScaledIconWidth() - imageWidth) / 2);
        const int y = cell.top + std::max(0, (menu->ScaledIconHeight() - imageHeight) / 2);
        if (FramesAvailable() && checked)
            DrawEdgeAround(dc, cell, 2, BDR_SUNKENOUTER);
        else if (FramesAvailable() && selected)
            DrawEdgeAround(dc, cell, 2, BDR_RAISEDINNER);
        if (state & ODS_DISABLED)
            DrawMenuImageDisabled(dc, record.icons->imageList, record.imageIndex, x, y);
        else
            DrawMenuImage(dc, record.icons->imageList, record.imageIndex, x, y);
    } else if (checked) {
        if (FramesAvailable()) DrawEdgeAround(dc, cell, 2, BDR_SUNKENOUTER);
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_CHECKMARKS | MIIM_FTYPE;
        GetMenuItemInfoA(reinterpret_cast<HMENU>(request->hwndItem), request->itemID, FALSE, &info);
        const bool bullet = info.hbmpChecked != nullptr || (info.fType & MFT_RADIOCHECK) != 0;
        RECT glyph = cell;
        if (!bullet) OffsetRect(&glyph, 1, 2);
        const COLORREF oldColor = SetTextColor(dc, GetSysColor(grayed ? COLOR_GRAYTEXT : COLOR_MENUTEXT));
        DrawMarlettGlyph(glyph, bullet ? 'i' : 'b', false, dc);
        SetTextColor(dc, oldColor);
    } else if (char glyph = IsSystemCommand(request->itemID) ? SystemCommandGlyph(request->itemID) : 0) {
        const int color = grayed ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT;
        const COLORREF oldColor = SetTextColor(dc, GetSysColor(color));
        DrawMarlettGlyph(cell, glyph, false, dc);
        SetTextColor(dc, oldColor);
    }

    if (!record.text.empty()) {
        std::wstring left, right;
        SplitCaption(WideText(record.text), left, right);
        RECT text = item;
        text.left = item.left + menu->ScaledIconWidth() + MenuScale(12);
        text.right = item.right - menu->ScaledIconWidth();
        const int oldMode = SetBkMode(dc, TRANSPARENT);
        auto draw = [&](RECT where, COLORREF color) {
            const COLORREF oldColor = SetTextColor(dc, color);
            DrawMenuText(dc, left, where, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
            if (!right.empty()) DrawMenuText(dc, right, where, DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
            SetTextColor(dc, oldColor);
        };
        if (grayed) {
            // Embossed; on the selection bar the raised copy disappears into it.
            RECT raised = text;
            OffsetRect(&raised, 1, 1);
            draw(raised, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_BTNHIGHLIGHT));
            draw(text, GetSysColor(COLOR_GRAYTEXT));
        } else {
            draw(text, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
        }
        SetBkMode(dc, oldMode);
    }
    if (keyboardMark) DrawFocusRect(dc, &item);
}

}  // namespace

void DrawItemClassic(CDrawnMenu* menu, LPDRAWITEMSTRUCT request, bool isBar)
{
    const CDrawnMenuItemData* record = reinterpret_cast<const CDrawnMenuItemData*>(request->itemData);
    if (menu == nullptr || record == nullptr) return;
    if (isBar) {
        DrawClassicBarItem(menu, request, *record);
        return;
    }
    DrawClassicPopupItem(menu, request, *record);
}

void DrawItemMixed(CDrawnMenu* menu, LPDRAWITEMSTRUCT request, bool isBar)
{
    const CDrawnMenuItemData* record = reinterpret_cast<const CDrawnMenuItemData*>(request->itemData);
    if (menu == nullptr || record == nullptr) return;
    if (isBar) {
        DrawMixedBarItem(menu, request, *record);
        return;
    }
    DrawClassicPopupItem(menu, request, *record);
}
