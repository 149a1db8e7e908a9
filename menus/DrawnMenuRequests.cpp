#include "menus/DrawnMenu.h"
#include "menus/MenuLook.h"
#include "menus/MenuValues.h"

// Measure requests reach the holding menu's object for plain items and the
// submenu's object for popup items; a popup item inside a popup is then
// measured by the menu that holds it.
void CDrawnMenu::MeasureItem(LPMEASUREITEMSTRUCT request)
{
    if (CurrentLook == nullptr || request == nullptr) return;
    bool isBar = false;
    CDrawnMenu* measurer = this;
    if (IsMenu(reinterpret_cast<HMENU>(static_cast<UINT_PTR>(request->itemID)))) {
        CDrawnMenu* parent = parentMenu != nullptr ? FromHandle(parentMenu) : nullptr;
        if (parentMenu == nullptr)
            isBar = isPopup == 0;
        else
            isBar = parent == nullptr || parent->isPopup == 0;
        if (!isBar && parent != nullptr) measurer = parent;
    }
    CurrentLook->measure(measurer, request, isBar);
}

void CDrawnMenu::DrawItem(LPDRAWITEMSTRUCT request)
{
    if (CurrentLook == nullptr || request == nullptr) return;
    bool isBar = false;
    if (parentMenu == nullptr) {
        isBar = isPopup == 0;
        if (isBar && HotBarItemData == request->itemData && (request->itemState & ODS_HOTLIGHT) == 0)
            HotBarItemData = 0;
    }
    // Windows gives an item disabled with one of MF_GRAYED and MF_DISABLED
    // only the matching flag; the looks draw either as a disabled item.
    DRAWITEMSTRUCT drawn = *request;
    if (drawn.itemState & (ODS_GRAYED | ODS_DISABLED)) drawn.itemState |= ODS_GRAYED | ODS_DISABLED;
    CurrentLook->draw(this, &drawn, isBar);
}

void CDrawnMenu::DrawTitle(LPDRAWITEMSTRUCT request, bool isBar)
{
    if (CurrentLook != nullptr) CurrentLook->drawTitle(request, isBar);
}
