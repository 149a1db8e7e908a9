#pragma once

#include <windows.h>

// The tints of the flat look, made afresh for every item.
struct FlatColors {
    COLORREF menu;        // MenuColor
    COLORREF backLight;   // text area
    COLORREF backIcon;    // icon column
    COLORREF selectFill;  // selected item
    COLORREF framePen;    // selection frame
    COLORREF selectText;  // text on selectFill
};

// On a display that maps the two tints to one colour, the text area takes
// the window colour and the icon column the menu colour. In a high-contrast
// theme every colour is one of the system's: menu, highlight and their texts.
FlatColors MakeFlatColors(HDC dc);

// Whether the user has turned on a high-contrast theme: asked of the system
// when the library starts and when colours or that setting change.
bool ReadHighContrast();
