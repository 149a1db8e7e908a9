#include "menus/DrawnMenu.h"
#include "menus/MenuGdi.h"
#include "menus/MenuItemKinds.h"
#include "menus/MenuLook.h"
#include "menus/MenuValues.h"
#include "framework/Dpi.h"

#include <algorithm>

namespace {

int CaptionWidth(const CDrawnMenu& menu, const CDrawnMenuItemData& record, bool isBar)
{
    HDC screen = GetDC(nullptr);
    SIZE extent;
    {
        ScopedSelect font(screen, CreateMenuFont((record.menuFlags & MF_MENUBARBREAK) != 0));
        extent = TextExtent(screen, record.text);
    }
    ReleaseDC(nullptr, screen);
    int width = isBar ? extent.cx : extent.cx + 2 * menu.ScaledIconWidth() + MenuScale(2);
    if (record.text.find('\t') != std::string::npos) width += MenuScale(15);
    return width;
}

void MeasureTitle(const CDrawnMenuItemData& record, LPMEASUREITEMSTRUCT request)
{
    HDC screen = GetDC(nullptr);
    SIZE extent;
    {
        ScopedSelect font(screen, CreateTitleFont(false));
        extent = TextExtent(screen, record.text);
    }
    ReleaseDC(nullptr, screen);
    const int line = (record.titleFlags & TitleLine) ? MenuScale(8) : 0;
    if (record.titleFlags & TitleVertical) {
        const int check = SystemMetricForDpi(SM_CXMENUCHECK, CurrentMenuDpi());
        request->itemWidth = static_cast<UINT>(std::max(0L, extent.cy - check + line));
        request->itemHeight = 0;
    } else {
        request->itemWidth = static_cast<UINT>(extent.cx);
        request->itemHeight = static_cast<UINT>(extent.cy + line);
    }
}

void Measure(CDrawnMenu* menu, LPMEASUREITEMSTRUCT request, bool isBar, int heightExtra)
{
    const CDrawnMenuItemData* record = reinterpret_cast<const CDrawnMenuItemData*>(request->itemData);
    if (menu == nullptr || record == nullptr) return;
    if (record->IsSeparator()) {
        if (record->IsTitle())
            MeasureTitle(*record, request);
        else
            request->itemHeight = static_cast<UINT>(MenuScale(3));
        return;
    }
    if (IsSystemCommand(request->itemID)) {
        // As wide as the widest of the item and the next command after it.
        int width = CaptionWidth(*menu, *record, isBar);
        auto at = std::find(menu->items.begin(), menu->items.end(), record);
        if (at != menu->items.end()) {
            auto next = std::find_if(at + 1, menu->items.end(), [](const CDrawnMenuItemData* item) { return item->commandId != 0; });
            if (next != menu->items.end()) width = std::max(width, CaptionWidth(*menu, **next, isBar));
        }
        request->itemWidth = static_cast<UINT>(width);
        request->itemHeight = static_cast<UINT>(SystemMetricForDpi(SM_CYMENU, CurrentMenuDpi()));
        return;
    }
    request->itemWidth = static_cast<UINT>(CaptionWidth(*menu, *record, isBar));
    const int row = SystemMetricForDpi(SM_CYMENU, CurrentMenuDpi());
    request->itemHeight = static_cast<UINT>(std::max(row, menu->ScaledIconHeight() + MenuScale(heightExtra)));
}

}  // namespace

void MeasureItemFlat(CDrawnMenu* menu, LPMEASUREITEMSTRUCT request, bool isBar)
{
    Measure(menu, request, isBar, 8);
}

void MeasureItemClassic(CDrawnMenu* menu, LPMEASUREITEMSTRUCT request, bool isBar)
{
    Measure(menu, request, isBar, 4);
}
