#include "menus/FlatColors.h"
#include "menus/MenuGdi.h"
#include "menus/MenuItemData.h"
#include "menus/MenuLook.h"
#include "menus/MenuValues.h"
#include "framework/Dpi.h"

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
    // Every length below is at 96 DPI, scaled to the menu's.
    const int line = MenuScale(1);

    RECT area = request->rcItem;
    POINT origin = {area.left + MenuScale(2), area.top};
    if (vertical) {
        // A side title runs the whole height of the menu.
        RECT clip = {};
        GetClipBox(dc, &clip);
        area.top = clip.top;
        area.bottom = clip.bottom;
        area.right += SystemMetricForDpi(SM_CXMENUCHECK, CurrentMenuDpi());
        origin = {area.left + MenuScale(2), area.bottom - MenuScale(4)};
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
            origin.y -= MenuScale(2);
        } else {
            origin.x += std::min(MenuScale(10), static_cast<int>((width - extent.cx) / 2));
        }
        ScopedSelect brush(dc, CreateSolidBrush(caption));
        ScopedSelect pen(dc, CreatePen(PS_SOLID, line, RGB(255, 255, 255)));
        const int corner = MenuScale(10);
        RoundRect(dc, area.left, area.top, area.right, area.bottom, corner, corner);
    } else {
        FillSolid(dc, area, caption);
    }

    if (flags & TitleSunken)
        Draw3dFrame(dc, area, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT), line);

    if (flags & TitleCentred) {
        if (vertical)
            origin.y = area.bottom - (height - extent.cx) / 2;
        else
            origin.x = area.left + (width - extent.cx) / 2;
    }
    TextOutW(dc, origin.x, origin.y, text.c_str(), static_cast<int>(text.size()));

    if (flags & TitleLine) {
        const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
        // Each line two of its edges wide, the second one edge clear of the first.
        const int step = 3 * line, shorter = MenuScale(10);
        if (vertical) {
            const int left = area.left + MenuScale(20);
            RECT first = {left, area.top + MenuScale(5), left + 2 * line, area.bottom - MenuScale(5)};
            RECT second = {first.left + step, first.top + shorter, first.right + step, first.bottom - shorter};
            Draw3dFrame(dc, first, shadow, light, line);
            Draw3dFrame(dc, second, shadow, light, line);
        } else {
            const int bottom = area.bottom - MenuScale(5);
            RECT first = {area.left + MenuScale(2), bottom - 2 * line, area.right - MenuScale(2), bottom};
            RECT second = {first.left + shorter, first.top + step, first.right - shorter, first.bottom + step};
            Draw3dFrame(dc, first, light, shadow, line);
            Draw3dFrame(dc, second, shadow, light, line);
        }
    }
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}
