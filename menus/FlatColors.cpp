#include "menus/FlatColors.h"

#include "menus/Colors.h"

FlatColors MakeFlatColors(HDC dc)
{
    FlatColors colors;
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    colors.menu = MenuColor();
    colors.backLight = ColorMix86(colors.menu, window);
    colors.backIcon = ColorMix86(window, colors.menu);
    colors.selectFill = ColorMix70(highlight, window);
    colors.framePen = highlight;
    if (GetNearestColor(dc, colors.backLight) == GetNearestColor(dc, colors.backIcon)) {
        colors.backLight = window;
        colors.backIcon = colors.menu;
    }
    return colors;
}
