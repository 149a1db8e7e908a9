#include "menus/FlatColors.h"

#include "menus/Colors.h"
#include "menus/MenuValues.h"

bool ReadHighContrast()
{
    HIGHCONTRASTA contrast = {};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

FlatColors MakeFlatColors(HDC dc)
{
    FlatColors colors;
    if (HighContrast) {
        colors.menu = colors.backLight = colors.backIcon = GetSysColor(COLOR_MENU);
        colors.selectFill = colors.framePen = GetSysColor(COLOR_HIGHLIGHT);
        colors.selectText = GetSysColor(COLOR_HIGHLIGHTTEXT);
        return colors;
    }
    colors.selectText = GetSysColor(COLOR_MENUTEXT);
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
