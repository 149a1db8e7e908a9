#include "menus/DrawnMenu.h"

#include "menus/Colors.h"
#include "menus/MenuValues.h"

#include <algorithm>

CDrawnMenu::CDrawnMenu(HMENU parent) : parentMenu(parent) {}

int CDrawnMenu::ScaledIconWidth() const { return std::max(iconWidth, MenuScale(16)); }

int CDrawnMenu::ScaledIconHeight() const { return std::max(iconHeight, MenuScale(15)); }

CDrawnMenu::~CDrawnMenu()
{
    DestroyOwnerDrawMenu();
}

namespace {

// A menu loaded for an object that refuses it (it holds another) is nobody's.
BOOL TakeLoadedMenu(CDrawnMenu& target, HMENU loaded)
{
    if (target.LoadMenuHandle(loaded)) return TRUE;
    if (loaded != nullptr) ::DestroyMenu(loaded);
    return FALSE;
}

}  // namespace

CDrawnMenu* CDrawnMenu::FromHandle(HMENU menu) { return dynamic_cast<CDrawnMenu*>(FromHandlePermanent(menu)); }

BOOL CDrawnMenu::LoadMenuById(UINT id)
{
    return TakeLoadedMenu(*this, ::LoadMenuA(MenuResourceModule(), MAKEINTRESOURCEA(id)));
}

BOOL CDrawnMenu::LoadMenuByName(LPCSTR name)
{
    return TakeLoadedMenu(*this, ::LoadMenuA(MenuResourceModule(), name));
}

BOOL CDrawnMenu::LoadMenuHandle(HMENU menu)
{
    if (!Attach(menu)) return FALSE;
    isPopup = 0;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        HMENU subMenu = ::GetSubMenu(menu, position);
        if (subMenu == nullptr) continue;
        CDrawnMenu* child = new CDrawnMenu(menu);
        subMenus.push_back(subMenu);
        if (!child->LoadMenuHandle(subMenu)) {
            // Another object holds this submenu already; it is not ours.
            subMenus.pop_back();
            delete child;
            continue;
        }
        child->isPopup = 1;
    }
    ConvertItems();
    return TRUE;
}

BOOL CDrawnMenu::DestroyOwnerDrawMenu()
{
    for (size_t i = subMenus.size(); i-- > 0;) delete FromHandle(subMenus[i]);
    subMenus.clear();
    for (CDrawnMenuItemData* record : items) delete record;
    items.clear();
    HMENU menu = Detach();
    return menu != nullptr && ::DestroyMenu(menu);
}

BOOL CDrawnMenu::EraseBkgnd(HWND window, HDC dc)
{
    RECT client = {};
    GetClientRect(window, &client);
    HBRUSH brush = CreateSolidBrush(MenuColor());
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    return TRUE;
}

CDrawnMenu* CDrawnMenu::FindMenuOfCommand(UINT id, int& position)
{
    const int count = GetMenuItemCount(m_hMenu);
    for (int i = 0; i < count; ++i) {
        HMENU subMenu = ::GetSubMenu(m_hMenu, i);
        if (subMenu != nullptr) {
            CDrawnMenu* child = FromHandle(subMenu);
            CDrawnMenu* found = child != nullptr ? child->FindMenuOfCommand(id, position) : nullptr;
            if (found != nullptr) return found;
        } else if (GetMenuItemID(m_hMenu, i) == id) {
            position = i;
            return this;
        }
    }
    position = -1;
    return nullptr;
}

BOOL CDrawnMenu::GetItemText(UINT item, std::string& text, UINT flags)
{
    CDrawnMenu* menu = this;
    int position = static_cast<int>(item);
    if ((flags & MF_BYPOSITION) == 0) {
        menu = FindMenuOfCommand(item, position);
        if (menu == nullptr) return FALSE;
    }
    if (position < 0 || static_cast<size_t>(position) >= menu->items.size()) return FALSE;
    text = menu->items[position]->text;
    return TRUE;
}
