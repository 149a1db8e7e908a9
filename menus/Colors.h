#pragma once

#include <windows.h>

// Colour arithmetic of the menus, channel by channel with rounding.
COLORREF ColorDarken(COLORREF color, int amount);   // towards black by amount/255
COLORREF ColorLighten(COLORREF color, int amount);  // towards white by amount/255
COLORREF ColorMix86(COLORREF a, COLORREF b);        // 14 % of a, 86 % of b
COLORREF ColorMix70(COLORREF a, COLORREF b);        // 30 % of a, 70 % of b
COLORREF ColorGray(COLORREF color);
COLORREF ColorShadowTint(COLORREF color);

// The background of menus: the menu-bar colour when Windows XP draws flat
// menus, the menu colour otherwise.
COLORREF MenuColor();
