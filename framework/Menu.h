#pragma once

#include <windows.h>

// A menu handle with its owner: loads a menu resource, hands out its popups
// and shows one of them at a point. The menu it holds is destroyed with it,
// or when another one is loaded in its place.
class CMenu {
public:
    CMenu() = default;
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    // Loads a menu resource of the program, in the thread's language.
    bool LoadMenu(UINT resourceId);
    bool DestroyMenu();

    // The popup at a position of this menu, still owned by this menu.
    HMENU GetSubMenu(int position) const;

    // Shows a popup menu and tracks it until the user chooses or cancels.
    // Without TPM_RETURNCMD the chosen command reaches the owner as WM_COMMAND.
    static bool TrackPopupMenu(HMENU popup, UINT flags, int x, int y, HWND owner);
};
