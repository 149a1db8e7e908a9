#include "menus/MenuLook.h"

bool SystemDrawsMenuShadows()
{
    BOOL shadows = FALSE;
    return SystemParametersInfoA(SPI_GETDROPSHADOW, 0, &shadows, 0) && shadows;
}

CDrawnMenuLook::CDrawnMenuLook(int lookId, int lookFlags, MenuMeasureRoutine measureRoutine,
                               MenuDrawRoutine drawRoutine, MenuTitleRoutine titleRoutine)
    : id(lookId), flags(lookFlags), measure(measureRoutine), draw(drawRoutine), drawTitle(titleRoutine)
{
}

void RegisterMenuLooks()
{
    if (!LookRegistry.empty()) return;
    LookRegistry = {
        new CDrawnMenuLook(MENU_LOOK_CLASSIC, 1, MeasureItemClassic, DrawItemClassic, DrawMenuTitle),
        new CDrawnMenuLook(MENU_LOOK_CLASSIC_NOBORDER, 0, MeasureItemClassic, DrawItemClassic, DrawMenuTitle),
        new CDrawnMenuLookFlat(MENU_LOOK_FLAT, 1, MeasureItemFlat, DrawItemFlat, DrawMenuTitle),
        new CDrawnMenuLookFlat(MENU_LOOK_FLAT_NOBORDER, 0, MeasureItemFlat, DrawItemFlat, DrawMenuTitle),
        new CDrawnMenuLook(MENU_LOOK_MIXED, 1, MeasureItemClassic, DrawItemMixed, DrawMenuTitle),
        new CDrawnMenuLook(MENU_LOOK_MIXED_NOBORDER, 0, MeasureItemClassic, DrawItemMixed, DrawMenuTitle),
    };
    CurrentLook = LookRegistry[MENU_LOOK_FLAT];
}

void DeleteMenuLooks()
{
    CurrentLook = nullptr;
    for (CDrawnMenuLook* look : LookRegistry) delete look;
    LookRegistry.clear();
}
