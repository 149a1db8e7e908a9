#pragma once

#include <windows.h>

#include <vector>

class CDrawnMenu;

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

    int id;
    int flags;  // bit 0: the look draws its own menu-window border
    MenuMeasureRoutine measure;
    MenuDrawRoutine draw;
    MenuTitleRoutine drawTitle;
    int borderLeft = 2;
    int borderTop = 2;
    int borderRight;   // 2 when the system draws menu shadows, else 5
    int borderBottom;  // 2 when the system draws menu shadows, else 6
};

class CDrawnMenuLookFlat : public CDrawnMenuLook {
public:
    using CDrawnMenuLook::CDrawnMenuLook;
};

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
