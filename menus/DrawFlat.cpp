#include "menus/Colors.h"
#include "menus/DrawnMenu.h"
#include "menus/FlatColors.h"
#include "menus/MenuGdi.h"
#include "menus/MenuIcons.h"
#include "menus/MenuItemKinds.h"
#include "menus/MenuLook.h"
#include "menus/MenuValues.h"

namespace {

// The shadow at the right of a pressed menu-bar item, as a menu window's own
// shadow: 4 pixels wide at 96 DPI, each pixel a square of whole lines at the
// menu's scale.
int BarItemShadowWidth() { return 4 * MenuScale(1); }

void DrawBarItemShadow(HDC dc, const RECT& item, COLORREF menu)
{
    const int height = item.bottom - item.top;
    const int line = MenuScale(1);
    for (int column = 0; column < BarItemShadowWidth(); ++column) {
        const int c = 1 + column / line;
        const int x = item.right - 1 - column;
        for (int row = 0; row < height; ++row) {
            const int at = row / line;
            const COLORREF color = at < 4   ? menu
                                   : at < 8 ? ColorDarken(menu, 6 * c * (at - 3))
                                            : ColorDarken(menu, 30 * c);
            SetPixel(dc, x, item.top + row, color);
        }
    }
}

void RememberBarItem(CDrawnMenu* menu, HDC dc, const RECT& selection)
{
    if (menu->isPopup != 0) return;
    RECT screen = selection;
    RECT window = {};
    HWND owner = WindowFromDC(dc);
    if (owner != nullptr && GetWindowRect(owner, &window)) OffsetRect(&screen, window.left, window.top);
    menu->barItemRect = screen;
}

bool HasCheckBitmapOrRadio(LPDRAWITEMSTRUCT request)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_CHECKMARKS | MIIM_FTYPE;
    if (!GetMenuItemInfoA(reinterpret_cast<HMENU>(request->hwndItem), request->itemID, FALSE, &info)) return false;
    return info.hbmpChecked != nullptr || (info.fType & MFT_RADIOCHECK) != 0;
}

void DrawCheckBox(HDC dc, const RECT& iconColumn, COLORREF fill, COLORREF pen)
{
    RECT box = iconColumn;
    InflateRect(&box, -1, -1);
    FillSolid(dc, box, HighContrast ? fill : ColorMix86(GetSysColor(COLOR_HIGHLIGHT), fill));
    FrameWithPen(dc, box, pen);
}

}  // namespace

bool TakeKeyboardMark(UINT& state)
{
    if (!(state & ODS_GRAYED) || SelectDisabledItems || !(state & ODS_SELECTED)) return false;
    state &= ~UINT(ODS_SELECTED);
    const DWORD position = GetMessagePos();
    if (position == LastKeyMessagePos) return true;
    LastKeyMessagePos = position;
    return false;
}

void DrawItemFlat(CDrawnMenu* menu, LPDRAWITEMSTRUCT request, bool isBar)
{
    CDrawnMenuItemData* record = reinterpret_cast<CDrawnMenuItemData*>(request->itemData);
    if (menu == nullptr || record == nullptr) return;
    HDC dc = request->hDC;
    FlatColors colors = MakeFlatColors(dc);
    UINT state = request->itemState;
    COLORREF framePen = colors.framePen;
    COLORREF selectFill = colors.selectFill;
    COLORREF textBack = colors.backLight;
    if (isBar) {
        // Without an open popup the bar item is only under the mouse.
        if (menu->openPopups == 0 && (state & ODS_SELECTED)) state = (state & ~UINT(ODS_SELECTED)) | ODS_HOTLIGHT;
        if ((state & ODS_HOTLIGHT) == 0) selectFill = colors.backIcon;
        textBack = colors.menu;
    }

    const RECT& item = request->rcItem;
    RECT selection = item;
    RECT iconColumn = item;
    RECT text = item;
    if (isBar) {
        selection.right -= BarItemShadowWidth();
        FillSolid(dc, text, colors.menu);
    } else {
        iconColumn.right = item.left + menu->ScaledIconWidth() + MenuScale(8);
        FillSolid(dc, iconColumn, colors.backIcon);
        text.left = iconColumn.right;
        FillSolid(dc, text, textBack);
        text.left += MenuScale(4);
        text.right -= MenuScale(15);
    }

    if (state & (ODS_HOTLIGHT | ODS_INACTIVE)) state |= ODS_SELECTED;

    if (isBar && (state & ODS_SELECTED) && !(state & ODS_INACTIVE)) {
        RememberBarItem(menu, dc, selection);
        if ((state & ODS_HOTLIGHT) == 0) {
            framePen = ColorDarken(colors.menu, 128);
            DrawBarItemShadow(dc, item, colors.menu);
        }
    }

    const bool keyboardMark = TakeKeyboardMark(state);

    if (record->IsSeparator()) {
        if (record->IsTitle()) {
            menu->DrawTitle(request, isBar);
        } else {
            const int y = (item.top + item.bottom) / 2;
            DrawLine(dc, text.left, y, item.right, y, GetSysColor(COLOR_GRAYTEXT));
        }
        return;
    }

    const bool selected = (state & ODS_SELECTED) != 0;
    if (selected && !(state & ODS_INACTIVE)) {
        FillSolid(dc, selection, selectFill);
        FrameWithPen(dc, selection, framePen);
    } else if (keyboardMark) {
        FillSolid(dc, selection, colors.backLight);
        FrameWithPen(dc, selection, framePen);
    }

    // The ink on the highlight fill, which a high-contrast theme makes dark.
    const bool onHighlight = selected && !(state & ODS_INACTIVE) && selectFill == colors.selectFill;
    const COLORREF ink = onHighlight ? colors.selectText : GetSysColor(COLOR_MENUTEXT);
    const bool defaultItem = (state & ODS_DEFAULT) != 0;
    if (!record->text.empty()) {
        std::wstring left, right;
        SplitCaption(WideText(record->text), left, right);
        ScopedSelect font(dc, CreateMenuFont(defaultItem));
        const int oldMode = SetBkMode(dc, TRANSPARENT);
        const bool gray = (state & ODS_GRAYED) || (isBar && (state & ODS_INACTIVE));
        const COLORREF oldColor = SetTextColor(dc, gray ? GetSysColor(COLOR_GRAYTEXT) : ink);
        if (isBar) {
            DrawMenuText(dc, left, selection, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
        } else {
            DrawMenuText(dc, left, text, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
            if (!right.empty()) DrawMenuText(dc, right, text, DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
        }
        SetTextColor(dc, oldColor);
        SetBkMode(dc, oldMode);
    }
    if (isBar) return;

    const bool checked = (state & ODS_CHECKED) != 0;
    const COLORREF boxFill = selected ? selectFill : colors.backIcon;
    int width = 0, height = 0;
    if (record->icons != nullptr && record->imageIndex >= 0 && record->icons->ImageSize(width, height)) {
        HIMAGELIST images = record->icons->imageList;
        const int base = record->imageIndex;
        const int x = iconColumn.left + MenuScale(3) +
                      (width < menu->ScaledIconWidth() ? (menu->ScaledIconWidth() - width) / 2 : 0);
        const int y = item.top + (item.bottom - item.top - height) / 2;
        if (checked) DrawCheckBox(dc, iconColumn, boxFill, framePen);
        if (state & ODS_DISABLED) {
            DrawMenuImage(dc, images, base + 2, x, y);
        } else if (selected && !checked) {
            HBRUSH shadow = CreateSolidBrush(ColorShadowTint(selectFill));
            DrawMenuImage(dc, images, base, x + 1, y + 1, shadow);
            DeleteObject(shadow);
            DrawMenuImage(dc, images, base, x - 1, y - 1);
        } else if (selected) {
            DrawMenuImage(dc, images, base, x, y);
        } else {
            DrawMenuImage(dc, images, base + 1, x, y);
        }
        return;
    }

    const bool grayOrInactive = (state & (ODS_GRAYED | ODS_INACTIVE)) != 0;
    if (checked) {
        DrawCheckBox(dc, iconColumn, boxFill, framePen);
        RECT glyph = iconColumn;
        const int spare = menu->ScaledIconHeight() + iconColumn.top - iconColumn.bottom;
        InflateRect(&glyph, MenuScale(2), spare / 2 + MenuScale(2));
        const COLORREF oldColor = SetTextColor(dc, grayOrInactive ? GetSysColor(COLOR_GRAYTEXT) : ink);
        DrawMarlettGlyph(glyph, HasCheckBitmapOrRadio(request) ? 'i' : 'b', defaultItem, dc);
        SetTextColor(dc, oldColor);
        return;
    }

    const char glyph = IsSystemCommand(request->itemID) ? SystemCommandGlyph(request->itemID) : 0;
    if (glyph == 0) return;
    RECT cell = iconColumn;
    cell.top += (iconColumn.bottom - iconColumn.top - menu->ScaledIconHeight()) / 2;
    cell.bottom = cell.top + menu->ScaledIconHeight();
    const COLORREF oldColor = SetTextColor(dc, ink);
    if (grayOrInactive) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        DrawMarlettGlyph(cell, glyph, defaultItem, dc);
    } else if (selected) {
        RECT offset = cell;
        OffsetRect(&offset, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        DrawMarlettGlyph(offset, glyph, defaultItem, dc);
        OffsetRect(&offset, -2, -2);
        SetTextColor(dc, ink);
        DrawMarlettGlyph(offset, glyph, defaultItem, dc);
    } else {
        DrawMarlettGlyph(cell, glyph, defaultItem, dc);
    }
    SetTextColor(dc, oldColor);
}
