#pragma once

#include <windows.h>

#include <vector>

class CDrawnMenu;
struct MenuWindowRecord;

typedef void (*MenuMeasureRoutine)(CDrawnMenu* menu, LPMEASUREITEMSTRUCT request, bool isBar);
typedef void (*MenuDrawRoutine)(CDrawnMenu* menu, LPDRAWITEMSTRUCT request, bool isBar);
typedef void (*MenuTitleRoutine)(LPDRAWITEMSTRUCT request, bool isBar);

enum MenuLookId {
    MENU_LOOK_CLASSIC,
    MENU_LOOK_CLASSIC_NOBORDER,
    MENU_LOOK_FLAT,
    MENU_LOOK_FLAT_NOBORDER,
    MENU_LOOK_MIXED,
    MENU_LOOK_MIXED_NOBORDER,
};

// One way of measuring and painting menu items, with the border the look
// gives menu windows.
class CDrawnMenuLook {
public:
    CDrawnMenuLook(int lookId, int lookFlags, MenuMeasureRoutine measureRoutine, MenuDrawRoutine drawRoutine,
                   MenuTitleRoutine titleRoutine);
    virtual ~CDrawnMenuLook() = default;
    CDrawnMenuLook(const CDrawnMenuLook&) = delete;
    CDrawnMenuLook& operator=(const CDrawnMenuLook&) = delete;

    virtual bool DrawsBorder() const { return (flags & 1) != 0; }

    // What the look does to the menu windows it is given. The border takes
    // 2 pixels off each side of the client area when the system draws menu
    // shadows; without them 5 at the right and 6 at the bottom, whose outer
    // 4 hold the look's own shadow. The setting is the one the window was
    // taken over with. Above 96 DPI each of these pixels is a square of
    // MenuScale(1) pixels.
    virtual bool OnSubclass(HWND window, MenuWindowRecord& record);
    virtual void OnUnsubclass(HWND window, MenuWindowRecord& record);
    virtual void NcCalcSize(HWND window, RECT& proposed);
    virtual void WindowPosChanging(HWND window, WINDOWPOS& position);
    // The window rectangle inside the border, in screen coordinates.
    virtual bool GetInnerRect(HWND window, RECT& inner);
    // Answers whether the background is done.
    virtual bool EraseBackground(HWND window, HDC dc);
    // Paints the border into a DC of the whole window; false when nothing was drawn.
    virtual bool DrawBorder(HWND window, HDC dc);

    int id;
    int flags;  // bit 0: the look draws its own menu-window border
    MenuMeasureRoutine measure;
    MenuDrawRoutine draw;
    MenuTitleRoutine drawTitle;
};

class CDrawnMenuLookFlat : public CDrawnMenuLook {
public:
    using CDrawnMenuLook::CDrawnMenuLook;

    bool EraseBackground(HWND window, HDC dc) override;
    bool DrawBorder(HWND window, HDC dc) override;
};

bool SystemDrawsMenuShadows();

// Darkened copies of the screen under the window in its right and bottom
// margins (4 pixels at 96 DPI); nothing when the system draws shadows itself.
void DrawMenuShadow(HWND window, HDC dc);

// The six looks in id order, and the one in use.
extern std::vector<CDrawnMenuLook*> LookRegistry;
extern CDrawnMenuLook* CurrentLook;
void RegisterMenuLooks();
void DeleteMenuLooks();

// The routines of the looks.
void MeasureItemFlat(CDrawnMenu* menu, LPMEASUREITEMSTRUCT request, bool isBar);
void MeasureItemClassic(CDrawnMenu* menu, LPMEASUREITEMSTRUCT request, bool isBar);
void DrawItemFlat(CDrawnMenu* menu, LPDRAWITEMSTRUCT request, bool isBar);
void DrawItemClassic(CDrawnMenu* menu, LPDRAWITEMSTRUCT request, bool isBar);
void DrawItemMixed(CDrawnMenu* menu, LPDRAWITEMSTRUCT request, bool isBar);
void DrawMenuTitle(LPDRAWITEMSTRUCT request, bool isBar);
