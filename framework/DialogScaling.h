#pragma once

#include <windows.h>

// Grows a dialog laid out in a font that does not scale (a raster font keeps
// nearly its 100% size on a screen at 200%): its client area and every
// control by `factor`, the controls in `font` (the dialog keeps using it).
void ScaleDialogLayout(HWND dialog, double factor, HFONT font);
