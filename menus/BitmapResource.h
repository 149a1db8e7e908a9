#pragma once

#include <windows.h>

// The colour-table size of a bitmap resource: the header's count of used
// colours, else 2, 16 or 256 by bit depth, else 0; -1 when it is absent.
int BitmapPaletteColors(HMODULE module, LPCSTR name);

// Loads a bitmap resource for menu images. A 16-colour picture takes the
// current 3-D colours in place of the standard button colours; any other is
// used as stored. Null when the resource cannot be loaded.
HBITMAP LoadMenuBitmap(HMODULE module, LPCSTR name, int& paletteColors);
