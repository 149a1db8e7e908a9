#include "framework/Menu.h"

#include <unordered_map>

namespace {

// Never freed: menu objects with static lifetime detach themselves at exit,
// possibly after function statics are gone.
std::unordered_map<HMENU, CMenu*>& PermanentMenus()
{
    static auto* menus = new std::unordered_map<HMENU, CMenu*>;
    return *menus;
}

HMENU TrackedMenu = nullptr;
HWND TrackedWindow = nullptr;

}  // namespace

CMenu::~CMenu()
{
    Detach();
    DestroyMenu();
}

bool CMenu::LoadMenu(UINT resourceId)
{
    DestroyMenu();
    m_hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId));
    return m_hMenu != nullptr;
}

bool CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr) return false;
    HMENU menu = Detach();
    return ::DestroyMenu(menu) != FALSE;
}

HMENU CMenu::GetSubMenu(int position) const
{
    return m_hMenu != nullptr ? ::GetSubMenu(m_hMenu, position) : nullptr;
}

bool CMenu::Attach(HMENU menu)
{
    if (menu == nullptr || !::IsMenu(menu)) return false;
    if (m_hMenu != nullptr && m_hMenu != menu) return false;
    CMenu* holder = FromHandlePermanent(menu);
    if (holder != nullptr && holder != this) return false;
    PermanentMenus()[menu] = this;
    m_hMenu = menu;
    return true;
}

HMENU CMenu::Detach()
{
    HMENU menu = m_hMenu;
    if (menu != nullptr) {
        auto bound = PermanentMenus().find(menu);
        if (bound != PermanentMenus().end() && bound->second == this) PermanentMenus().erase(bound);
    }
    m_hMenu = nullptr;
    return menu;
}

CMenu* CMenu::FromHandlePermanent(HMENU menu)
{
    auto found = PermanentMenus().find(menu);
    return found != PermanentMenus().end() ? found->second : nullptr;
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT request) { (void)request; }

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT request) { (void)request; }

bool CMenu::TrackPopupMenu(HMENU popup, UINT flags, int x, int y, HWND owner)
{
    if (popup == nullptr) return false;
    HMENU outerMenu = TrackedMenu;
    HWND outerWindow = TrackedWindow;
    TrackedMenu = popup;
    TrackedWindow = owner;
    const bool shown = ::TrackPopupMenu(popup, flags, x, y, 0, owner, nullptr) != FALSE;
    TrackedMenu = outerMenu;
    TrackedWindow = outerWindow;
    return shown;
}

HMENU CMenu::TrackingMenu() { return TrackedMenu; }

HWND CMenu::TrackingWindow() { return TrackedWindow; }

bool RouteMenuDrawItem(LPDRAWITEMSTRUCT request)
{
    if (request == nullptr || request->CtlType != ODT_MENU) return false;
    CMenu* menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(request->hwndItem));
    if (menu == nullptr) return false;
    menu->DrawItem(request);
    return true;
}

CMenu* FindMenuHoldingItem(HMENU menu, UINT id, ULONG_PTR data)
{
    CMenu* object = CMenu::FromHandlePermanent(menu);
    if (object == nullptr) return nullptr;
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        HMENU subMenu = ::GetSubMenu(menu, position);
        if (subMenu != nullptr) {
            if (CMenu* found = FindMenuHoldingItem(subMenu, id, data)) return found;
            continue;
        }
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_DATA;
        if (::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) && info.wID == id &&
            info.dwItemData == data)
            return object;
    }
    return nullptr;
}

bool RouteMenuMeasureItem(LPMEASUREITEMSTRUCT request)
{
    if (request == nullptr || request->CtlType != ODT_MENU) return false;
    CMenu* menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(static_cast<UINT_PTR>(request->itemID)));
    if (menu == nullptr && TrackedMenu != nullptr)
        menu = FindMenuHoldingItem(TrackedMenu, request->itemID, request->itemData);
    if (menu == nullptr) return false;
    menu->MeasureItem(request);
    return true;
}
