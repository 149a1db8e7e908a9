#include "menus/MenuItemData.h"

#include "menus/MenuGdi.h"
#include "menus/MenuIcons.h"

CDrawnMenuItemData::~CDrawnMenuItemData()
{
    CDrawnMenuIcons::Release(icons);
}

void CDrawnMenuItemData::NameForAccessibility()
{
    m_accessibleText = WideText(text);
    accessible.cchWText = static_cast<DWORD>(m_accessibleText.size());
    accessible.pszWText = &m_accessibleText[0];
}

void CDrawnMenuItemData::SetIcons(CDrawnMenuIcons* set, int index)
{
    CDrawnMenuIcons* taken = index >= 0 ? set : nullptr;
    CDrawnMenuIcons::AddRef(taken);
    CDrawnMenuIcons::Release(icons);
    icons = taken;
    imageIndex = taken != nullptr ? index : -1;
}
