#include "menus/FlatColors.h"
#include "menus/MenuGdi.h"
#include "menus/MenuItemData.h"
#include "menus/MenuLook.h"

#include <algorithm>

void DrawMenuTitle(LPDRAWITEMSTRUCT request, bool)
{
    const CDrawnMenuItemData* record = reinterpret_cast<const CDrawnMenuItemData*>(request->itemData);
    if (record == nullptr) return;
    HDC dc = request->hDC;
    const DWORD flags = record->titleFlags;
    const bool vertical = (flags & TitleVertical) != 0;
    const COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION);
    const COLORREF backLight = MakeFlatColors(dc).backLight;

    RECT area = request->rcItem;
    POINT origin = {area.left + 2, area.top};
    if (vertical) {
        // A side title runs the whole height of the menu.
        RECT clip = {};
        GetClipBox(dc, &clip);
        area.top = clip.top;
        area.bottom = clip.bottom;
        area.right += GetSystemMetrics(SM_CXMENUCHECK);
        origin = {area.left + 2, area.bottom - 4};
    }
    ScopedSelect font(dc, CreateTitleFont(vertical));
    const std::wstring text = WideText(record->text);
    const SIZE extent = TextExtent(dc, text);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
    const int width = area.right - area.left, height = area.bottom - area.top;

    if (flags & TitleGradient) {
        if (vertical)
            FillGradient(caption, dc, area, backLight, false);
        else
            FillGradient(backLight, dc, area, caption, true);
    } else if (flags & TitleRounded) {
        if (vertical) {
            area.right = area.left + extent.cy;
            origin.y -= 2;
        } else {
            origin.x += std::min(10, static_cast<int>((width - extent.cx) / 2));
        }
        ScopedSelect brush(dc, CreateSolidBrush(caption));
        ScopedSelect pen(dc, GetStockObject(WHITE_PEN), false);
        RoundRect(dc, area.left, area.top, area.right, area.bottom, 10, 10);
    } else {
        FillSolid(dc, area, caption);
    }

    if (flags & TitleSunken) Draw3dFrame(dc, area, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));

    if (flags & TitleCentred) {
        if (vertical)
            origin.y = area.bottom - (height - extent.cx) / 2;
        else
            origin.x = area.left + (width - extent.cx) / 2;
    }
    TextOutW(dc, origin.x, origin.y, text.c_str(), static_cast<int>(text.size()));

    if (flags & TitleLine) {
        const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
        if (vertical) {
            RECT first = {area.left + 20, area.top + 5, area.left + 22, area.bottom - 5};
            RECT second = {first.left + 3, first.top + 10, first.right + 3, first.bottom - 10};
            Draw3dFrame(dc, first, shadow, light);
            Draw3dFrame(dc, second, shadow, light);
        } else {
            RECT first = {area.left + 2, area.bottom - 7, area.right - 2, area.bottom - 5};
            RECT second = {first.left + 10, first.top + 3, first.right - 10, first.bottom + 3};
            Draw3dFrame(dc, first, light, shadow);
            Draw3dFrame(dc, second, shadow, light);
        }
    }
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}
