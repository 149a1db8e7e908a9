#pragma once

#include <windows.h>

// The tints of the flat look, made afresh for every item.
struct FlatColors {
    COLORREF menu;        // MenuColor
    COLORREF backLight;   // text area
    COLORREF backIcon;    // icon column
    COLORREF selectFill;  // selected item
    COLORREF framePen;    // selection frame
};

// On a display that maps the two tints to one colour, the text area takes
// the window colour and the icon column the menu colour.
FlatColors MakeFlatColors(HDC dc);
