#include "menus/MenuItemData.h"

#include "menus/MenuIcons.h"

CDrawnMenuItemData::~CDrawnMenuItemData()
{
    CDrawnMenuIcons::Release(icons);
}

void CDrawnMenuItemData::SetIcons(CDrawnMenuIcons* set, int index)
{
    CDrawnMenuIcons* taken = index >= 0 ? set : nullptr;
    CDrawnMenuIcons::AddRef(taken);
    CDrawnMenuIcons::Release(icons);
    icons = taken;
    imageIndex = taken != nullptr ? index : -1;
}
