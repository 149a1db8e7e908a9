#pragma once

#include "framework/Menu.h"
#include "menus/MenuItemData.h"

#include <windows.h>
#include <commctrl.h>

#include <vector>

class CDrawnMenuIcons;

// An owner-drawn menu: one object per menu handle, attached to it for good so
// that FromHandle finds it, with one record per position.
class CDrawnMenu : public CMenu {
public:
    explicit CDrawnMenu(HMENU parent = nullptr);
    ~CDrawnMenu() override;
    CDrawnMenu(const CDrawnMenu&) = delete;
    CDrawnMenu& operator=(const CDrawnMenu&) = delete;

    // The object attached to a menu handle, or null.
    static CDrawnMenu* FromHandle(HMENU menu);
    HMENU GetSafeHmenu() const { return m_hMenu; }
    // The object of the menu this one hangs from, or null.
    CDrawnMenu* ParentObject() const { return FromHandle(parentMenu); }

    void DrawItem(LPDRAWITEMSTRUCT request) override;
    void MeasureItem(LPMEASUREITEMSTRUCT request) override;
    virtual BOOL LoadMenuById(UINT id);
    virtual BOOL LoadMenuByName(LPCSTR name);
    // Takes over a whole menu tree: child objects for the submenus, every
    // position converted. The root counts as a menu bar.
    virtual BOOL LoadMenuHandle(HMENU menu);
    virtual BOOL DestroyOwnerDrawMenu();
    virtual void DrawTitle(LPDRAWITEMSTRUCT request, bool isBar);
    virtual BOOL EraseBkgnd(HWND window, HDC dc);
    // A popup of this menu is about to show: its items are brought up to date.
    virtual void OnPopupOpening();
    // Its window closed; the menu-bar item it hung from repaints in `window`.
    virtual int OnPopupClosed(HWND window);

    // Makes every position owner-drawn, keeping the records of the keys
    // (command, submenu or separator) still present.
    void ConvertItems();
    BOOL SetTitleItem(LPCSTR text, DWORD flags);
    BOOL InsertItem(UINT position, LPCSTR text, UINT flags, UINT_PTR id, CDrawnMenuIcons* icons = nullptr,
                    int imageIndex = -1);
    BOOL SetItemIcon(UINT id, LPCSTR text, CDrawnMenuIcons* icons, int imageIndex);
    // table: bitmap id, image width, image height, command ids, 0. Mask -1
    // stands for bitmapBackground.
    BOOL LoadIconTable(COLORREF mask, const WORD* table);
    // Answers WM_MENUCHAR: the first item whose caption holds "&" and the
    // character, in either case, is executed; 0 when none does.
    static LRESULT FindMnemonic(UINT character, UINT flags, CDrawnMenu* menu);
    // The menu object and position holding command `id`, depth first.
    CDrawnMenu* FindMenuOfCommand(UINT id, int& position);
    BOOL GetItemText(UINT item, std::string& text, UINT flags);

    std::vector<CDrawnMenuItemData*> items;
    std::vector<HMENU> subMenus;
    // The largest image's size, at least 16 x 15. The icon column holds
    // that, or 16 x 15 scaled to the menu DPI where that is larger.
    int iconWidth = 16;
    int iconHeight = 15;
    int ScaledIconWidth() const;
    int ScaledIconHeight() const;
    COLORREF bitmapBackground = CLR_DEFAULT;
    HMENU parentMenu;
    int isPopup = 1;
    RECT barItemRect = {};
    int openPopups = 0;

private:
    CDrawnMenuItemData* TakeRecord(UINT_PTR key);
    CDrawnMenuItemData* NewRecord(int position, DWORD flags, UINT_PTR id, const std::string& caption);
    void BindSubMenu(HMENU subMenu);
    void GrowIconSize(CDrawnMenuIcons* icons);
    void CollectCommand(UINT id, std::vector<std::pair<CDrawnMenu*, int>>& found);
};
