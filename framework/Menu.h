#pragma once

#include <windows.h>

// A menu handle with its owner: loads a menu resource, hands out its popups
// and shows one of them at a point. The menu it holds is destroyed with it,
// or when another one is loaded in its place.
//
// An object attached for good (Attach) is found again from its handle, so
// owner-drawn items of its menu are measured and drawn by it.
class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    // Loads a menu resource of the program, in the thread's language.
    bool LoadMenu(UINT resourceId);
    bool DestroyMenu();

    // The popup at a position of this menu, still owned by this menu.
    HMENU GetSubMenu(int position) const;

    // Binds a menu handle to this object; fails for a handle that is not a
    // menu or is bound to another object already.
    bool Attach(HMENU menu);
    HMENU Detach();
    // The object bound to a menu handle, or null.
    static CMenu* FromHandlePermanent(HMENU menu);

    virtual void DrawItem(LPDRAWITEMSTRUCT request);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT request);

    // Shows a popup menu and tracks it until the user chooses or cancels.
    // Without TPM_RETURNCMD the chosen command reaches the owner as WM_COMMAND.
    static bool TrackPopupMenu(HMENU popup, UINT flags, int x, int y, HWND owner);
    // The popup being tracked by TrackPopupMenu and its owner, or null.
    static HMENU TrackingMenu();
    static HWND TrackingWindow();
};

// Default handling of owner-drawn menu items for any window: the object
// bound to the item's menu draws it; measuring searches the tracked popup.
// Each answers whether a menu object took the request.
bool RouteMenuDrawItem(LPDRAWITEMSTRUCT request);
bool RouteMenuMeasureItem(LPMEASUREITEMSTRUCT request);
// Finds, depth first through bound submenus, the object of the menu that
// holds a plain item with this id and data; null when none does.
CMenu* FindMenuHoldingItem(HMENU menu, UINT id, ULONG_PTR data);
