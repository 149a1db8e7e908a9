#include "menus/Colors.h"

#include "menus/MenuValues.h"

namespace {

int Clamp(int value)
{
    return value < 0 ? 0 : value > 255 ? 255 : value;
}

COLORREF Rgb(int red, int green, int blue)
{
    return RGB(Clamp(red), Clamp(green), Clamp(blue));
}

}  // namespace

COLORREF ColorDarken(COLORREF color, int amount)
{
    auto channel = [amount](int c) { return MulDiv(c, 255 - amount, 255); };
    return Rgb(channel(GetRValue(color)), channel(GetGValue(color)), channel(GetBValue(color)));
}

COLORREF ColorLighten(COLORREF color, int amount)
{
    auto channel = [amount](int c) { return c + MulDiv(255 - c, amount, 255); };
    return Rgb(channel(GetRValue(color)), channel(GetGValue(color)), channel(GetBValue(color)));
}

COLORREF ColorMix86(COLORREF a, COLORREF b)
{
    auto channel = [](int ca, int cb) { return MulDiv(86, cb, 100) + MulDiv(14, ca, 100); };
    return Rgb(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

COLORREF ColorMix70(COLORREF a, COLORREF b)
{
    auto channel = [](int ca, int cb) { return MulDiv(3, ca, 10) + MulDiv(7, cb, 10); };
    return Rgb(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

COLORREF ColorGray(COLORREF color)
{
    const int gray = (GetRValue(color) + GetGValue(color) + GetBValue(color)) / 3;
    return RGB(gray, gray, gray);
}

COLORREF ColorShadowTint(COLORREF color)
{
    return Rgb(MulDiv(GetRValue(color), 7, 10), MulDiv(GetGValue(color), 7, 10), MulDiv(GetBValue(color) + 55, 7, 10));
}

COLORREF MenuColor()
{
    BOOL flat = FALSE;
    if (OsVersionCode == 7 && SystemParametersInfoA(SPI_GETFLATMENU, 0, &flat, 0) && flat)
        return GetSysColor(COLOR_MENUBAR);
    return GetSysColor(COLOR_MENU);
}
