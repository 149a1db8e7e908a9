#include "framework/Menu.h"

CMenu::~CMenu() { DestroyMenu(); }

bool CMenu::LoadMenu(UINT resourceId)
{
    DestroyMenu();
    m_hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId));
    return m_hMenu != nullptr;
}

bool CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr) return false;
    const bool destroyed = ::DestroyMenu(m_hMenu) != FALSE;
    m_hMenu = nullptr;
    return destroyed;
}

HMENU CMenu::GetSubMenu(int position) const
{
    return m_hMenu != nullptr ? ::GetSubMenu(m_hMenu, position) : nullptr;
}

bool CMenu::TrackPopupMenu(HMENU popup, UINT flags, int x, int y, HWND owner)
{
    if (popup == nullptr) return false;
    return ::TrackPopupMenu(popup, flags, x, y, 0, owner, nullptr) != FALSE;
}
